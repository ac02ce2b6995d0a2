#pragma once

#include "app/keyboard_application.h"

#include <map>
#include <string>

class FakeMainWindow : public MainWindowControl {
  public:
    Point at{-1, -1};
    Size size{681, 254};
    Size screen{1024, 768};
    bool toolBar = true;
    int progressMax = -1, progress = -1;

    Point position() override { return at; }
    void moveTo(Point topLeft) override { at = topLeft; }
    Size windowSize() override { return size; }
    Size screenSize() override { return screen; }
    void setToolBarVisible(bool visible) override {
        if (toolBar && !visible) size.height -= 36;
        toolBar = visible;
    }
    void setProgressRange(int maximum) override { progressMax = maximum; }
    void setProgressPosition(int position) override { progress = position; }
};

class FakeDesktop : public DesktopSession {
  public:
    std::string program = "D:\\Marlowin\\Marlowin.exe";
    std::map<std::string, std::string> runValues;
    AutorunWrite nextWrite = AutorunWrite::written;
    int toolWindowCalls = 0;

    std::string programPath() override { return program; }
    void setToolWindowStyle() override { ++toolWindowCalls; }
    AutorunWrite writeAutorunValue(const std::string& name, const std::string& command) override {
        if (nextWrite == AutorunWrite::written) runValues[name] = command;
        return nextWrite;
    }
    void deleteAutorunValue(const std::string& name) override { runValues.erase(name); }
    void showWindows(WindowHandle) override {}
    void hideWindows(WindowHandle) override {}
};

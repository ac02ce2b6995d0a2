#pragma once

#include "autorun_value.h"
#include "child_process.h"
#include "marlowin_program.h"
#include "scratch_program_folder.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

// Each test gets a fresh copy of the program folder, no Run value, no instance mark and the
// pointer off the keyboard. Whatever the test leaves is put back: its processes end, the mark
// goes, the Run value returns to what it was before.
class MarlowinTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the scratch folder's Marlowin.exe; the fixture ends it if the test does not.
    e2e::ChildProcess& start(const std::vector<std::string>& arguments = {});

    // The Run value's data for this folder's program: its full path in double quotes.
    std::string autorunData() const;

    e2e::AutorunValueBackup autorunBackup_{e2e::marlowin::autorunValue};
    e2e::ScratchProgramFolder folder;

  private:
    bool markWasThere_ = false;
    std::deque<e2e::ChildProcess> processes_;
};

// Every top-level window titled "Clavant", of any process.
std::vector<HWND> mainWindowsAnywhere();

// Waits for the process to end, noting every window titled "Clavant" it showed on the way.
struct QuietEnd {
    DWORD exitCode = 0;
    int mainWindowsSeen = 0;
};
QuietEnd watchUntilExit(const e2e::ChildProcess& process);

#include "marlowin_fixture.h"

#include "bounded_wait.h"
#include "global_atom.h"
#include "top_level_windows.h"

#include <set>
#include <stdexcept>

using namespace e2e;

std::vector<HWND> mainWindowsAnywhere() {
    WindowQuery query;
    query.title = marlowin::mainTitle;
    return topLevelWindows(query);
}

QuietEnd watchUntilExit(const ChildProcess& process) {
    WindowQuery query;
    query.processId = process.id();
    query.title = marlowin::mainTitle;
    std::set<HWND> seen;
    const bool ended = waitUntil(
        20s,
        [&] {
            for (HWND window : topLevelWindows(query))
                seen.insert(window);
            return !process.running();
        },
        5ms);
    if (!ended)
        throw std::runtime_error("process " + std::to_string(process.id()) +
                                 " still runs after 20 s; its windows:" + describeWindowsOf(process.id()));
    return {process.waitForExit(0ms).value_or(0), int(seen.size())};
}

void MarlowinTest::SetUp() {
    markWasThere_ = globalAtomExists(marlowin::instanceAtom);
    ASSERT_FALSE(markWasThere_) << "the atom " << marlowin::instanceAtom
                                << " is set before the test: another Marlowin runs in this Wine session";
    ASSERT_TRUE(mainWindowsAnywhere().empty()) << "a window titled Clavant is open before the test";
    deleteAutorunValue(marlowin::autorunValue);
    // The main window's timer highlights the key under the pointer; keep it off the keyboard.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

void MarlowinTest::TearDown() {
    processes_.clear();
    if (!markWasThere_) removeGlobalAtom(marlowin::instanceAtom);
}

ChildProcess& MarlowinTest::start(const std::vector<std::string>& arguments) {
    return processes_.emplace_back(folder.program(), arguments, folder.path());
}

std::string MarlowinTest::autorunData() const {
    // Built up in steps: GCC 12 warns falsely (-Wrestrict) on a literal plus a temporary string.
    std::string data(1, '"');
    data += utf8Of(folder.program());
    data += '"';
    return data;
}

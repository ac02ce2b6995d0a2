#include "global_atom.h"

#include "platform/win32/wide_text.h"

#include <windows.h>

#include <stdexcept>

namespace e2e {

bool globalAtomExists(const std::string& name) {
    return GlobalFindAtomW(win32::toWide(name).c_str()) != 0;
}

void addGlobalAtom(const std::string& name) {
    if (!GlobalAddAtomW(win32::toWide(name).c_str()))
        throw std::runtime_error("GlobalAddAtom(\"" + name + "\") failed");
}

void removeGlobalAtom(const std::string& name) {
    const std::wstring wide = win32::toWide(name);
    // An atom counts its additions; a bound keeps a table that refuses deletion from looping.
    for (int i = 0; i < 1000; ++i) {
        const ATOM atom = GlobalFindAtomW(wide.c_str());
        if (!atom) return;
        GlobalDeleteAtom(atom);
    }
    throw std::runtime_error("the global atom \"" + name + "\" cannot be deleted");
}

} // namespace e2e

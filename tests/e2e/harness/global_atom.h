#pragma once

#include <string>

namespace e2e {

// The session's global atom table, which programs use as a mark that outlives their process.
bool globalAtomExists(const std::string& name);
void addGlobalAtom(const std::string& name);
// Deletes every reference to the atom, however often it was added.
void removeGlobalAtom(const std::string& name);

} // namespace e2e

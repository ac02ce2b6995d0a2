#pragma once

#include <string>
#include <string_view>

// Letter case as the user sees it: ASCII, Latin-1, Greek and Cyrillic letters fold to lower case,
// so "Скин" and "СКИН" are the same title. Invalid UTF-8 bytes compare as themselves.
std::string foldCase(std::string_view utf8);
bool caseBlindEqual(std::string_view a, std::string_view b);
bool caseBlindLess(std::string_view a, std::string_view b);

#pragma once

#include <string>

// A ready-made launch target.
struct Applet {
    std::string title;
    std::string iconSource;
    std::string target;
    std::string workDir;
    std::string arguments;
};

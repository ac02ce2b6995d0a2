// Draws the pictures that ship with the launcher.
//   make_skins builtin <skin.bmp> <skin.cpp>   the built-in 16-colour skin and its embedding source
//   make_skins skin <style> <height> <file>    a skin (wood, graphite or snow), .jpg or .bmp
//   make_skins icon <file.ico>                 the default key icon
#include "bmp_writer.h"
#include "classic_skin.h"
#include "computer_icon.h"
#include "cpp_array_source.h"
#include "ico_writer.h"
#include "jpeg_writer.h"
#include "styled_skins.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

int usage() {
    std::fputs("usage: make_skins builtin <skin.bmp> <skin.cpp>\n"
               "       make_skins skin <wood|graphite|snow> <height> <file.jpg|file.bmp>\n"
               "       make_skins icon <file.ico>\n",
               stderr);
    return 2;
}

void writeBuiltin(const std::string& bmpPath, const std::string& cppPath) {
    const Bytes bmp = encodeBmp16Colours(paintClassicSkin());
    writeFile(bmpPath, bmp);
    const std::string source =
        cppArraySource(bmp, "keyboard/builtin_skin.h", "std::span<const unsigned char> builtInSkinBmp()");
    writeFile(cppPath, Bytes(source.begin(), source.end()));
}

bool endsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

void writeSkin(const std::string& style, int height, const std::string& path) {
    const Raster skin = paintStyledSkin(skinStyleNamed(style), height);
    writeFile(path, endsWith(path, ".bmp") ? encodeBmp24(skin) : encodeJpeg(skin));
}

void writeIcon(const std::string& path) {
    std::vector<Raster> images;
    for (int size : {16, 32, 48, 256})
        images.push_back(paintComputerIcon(size));
    writeFile(path, encodeIco(images));
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 3 && args[0] == "builtin") {
            writeBuiltin(args[1], args[2]);
        } else if (args.size() == 4 && args[0] == "skin") {
            writeSkin(args[1], std::stoi(args[2]), args[3]);
        } else if (args.size() == 2 && args[0] == "icon") {
            writeIcon(args[1]);
        } else {
            return usage();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_skins: %s\n", e.what());
        return 1;
    }
    return 0;
}

#include "keyboard/layout.h"

#include <cmath>

const std::array<KeyInfo, layoutKeyCount> keyTable = {{
    {"Esc", 0x1B, false}, {"F1", 0x70, true},   {"F2", 0x71, true},    {"F3", 0x72, true},
    {"F4", 0x73, true},   {"F5", 0x74, true},   {"F6", 0x75, true},    {"F7", 0x76, true},
    {"F8", 0x77, true},   {"F9", 0x78, true},   {"F10", 0x79, true},   {"F11", 0x7A, true},
    {"F12", 0x7B, true},  {"PrtSc", 0x00, false}, {"ScrLk", 0x91, false}, {"Pause", 0x13, false},
    {"`", 0xC0, true},    {"1", 0x31, true},    {"2", 0x32, true},     {"3", 0x33, true},
    {"4", 0x34, true},    {"5", 0x35, true},    {"6", 0x36, true},     {"7", 0x37, true},
    {"8", 0x38, true},    {"9", 0x39, true},    {"0", 0x30, true},     {"-", 0xBD, true},
    {"=", 0xBB, true},    {"Backspace", 0x08, true}, {"Tab", 0x00, true}, {"Q", 0x51, true},
    {"W", 0x57, true},    {"E", 0x45, true},    {"R", 0x52, true},     {"T", 0x54, true},
    {"Y", 0x59, true},    {"U", 0x55, true},    {"I", 0x49, true},     {"O", 0x4F, true},
    {"P", 0x50, true},    {"[", 0xDB, true},    {"]", 0xDD, true},     {"\\", 0xDC, true},
    {"Caps", 0x14, false}, {"A", 0x41, true},   {"S", 0x53, true},     {"D", 0x44, true},
    {"F", 0x46, true},    {"G", 0x47, true},    {"H", 0x48, true},     {"J", 0x4A, true},
    {"K", 0x4B, true},    {"L", 0x4C, true},    {";", 0xBA, true},     {"'", 0xDE, true},
    {"Enter", 0x0D, true}, {"Shift", 0x10, true}, {"Z", 0x5A, true},   {"X", 0x58, true},
    {"C", 0x43, true},    {"V", 0x56, true},    {"B", 0x42, true},     {"N", 0x4E, true},
    {"M", 0x4D, true},    {",", 0xBC, true},    {".", 0xBE, true},     {"/", 0xBF, true},
    {"Shift", 0x10, true}, {"Ctrl", 0x11, true}, {"Win", 0x5B, false}, {"Alt", 0x12, true},
    {"", 0x20, true},     {"Alt", 0x12, true},  {"Win", 0x5B, false},  {"Menu", 0x5D, false},
    {"Ctrl", 0x11, true}, {"Ins", 0x2D, false}, {"Home", 0x24, false}, {"PgUp", 0x21, false},
    {"Del", 0x2E, false}, {"End", 0x23, false}, {"PgDn", 0x22, false}, {"Up", 0x26, true},
    {"Left", 0x25, true}, {"Down", 0x28, true}, {"Right", 0x27, true}, {"Num", 0x90, true},
    {"/", 0x6F, true},    {"*", 0x6A, true},    {"-", 0x6D, true},     {"7", 0x67, true},
    {"8", 0x68, true},    {"9", 0x69, true},    {"+", 0x6B, true},     {"4", 0x64, true},
    {"5", 0x65, true},    {"6", 0x66, true},    {"1", 0x61, true},     {"2", 0x62, true},
    {"3", 0x63, true},    {"Enter", 0x00, true}, {"0", 0x60, true},    {".", 0x6E, true},
}};

KeySize keySizeFor(int skinHeight) {
    const int key = skinHeight / 7;
    return {key, key - 2 * (key / 10)};
}

namespace {

// Rounds half to even, as the layout's 1.5 and 2.5 key widths need.
int roundEven(double v) { return int(std::nearbyint(v)); }

struct RowBuilder {
    std::array<Rect, layoutKeyCount>& keys;
    int height;
    void put(int index, int x, int y, int w) { putTall(index, x, y, w, height); }
    void putTall(int index, int x, int y, int w, int h) { keys[std::size_t(index)] = {x, y, x + w, y + h}; }
};

}  // namespace

std::array<Rect, layoutKeyCount> layoutKeys(int skinHeight) {
    std::array<Rect, layoutKeyCount> keys{};
    const int W = keySizeFor(skinHeight).key, H = W;
    const int gx = W / 10, gy = H / 10, p = W + gx;
    const int w15 = roundEven(1.5 * W), w25 = roundEven(2.5 * W);
    const int y1 = 4 * gy, y2 = y1 + H + 3 * gy, y3 = y2 + H + gy, y4 = y3 + H + gy, y5 = y4 + H + gy,
              y6 = y5 + H + gy;
    const int x0 = 4 * gx;
    RowBuilder row{keys, H};

    row.put(0, x0, y1, W);
    for (int f = 0, x = x0 + W + 14 * gx; f < 12; ++f, x += p) {
        if (f == 4 || f == 8) x += 5 * gx;
        row.put(1 + f, x, y1, W);
    }

    for (int j = 0; j < 13; ++j) row.put(16 + j, x0 + j * p, y2, W);
    row.put(29, x0 + 13 * p, y2, gx + 2 * W);

    row.put(30, x0, y3, gx + w15);
    const int qx = x0 + gx + w15 + gx;
    for (int j = 0; j < 12; ++j) row.put(31 + j, qx + j * p, y3, W);
    row.put(43, qx + 12 * p, y3, w15);

    row.put(44, x0, y4, gx + 2 * W);
    const int ax = x0 + gx + 2 * W + gx;
    for (int j = 0; j < 11; ++j) row.put(45 + j, ax + j * p, y4, W);
    row.put(56, ax + 11 * p, y4, gx + 2 * W);

    row.put(57, x0, y5, gx + w25);
    const int zx = x0 + gx + w25 + gx;
    for (int j = 0; j < 10; ++j) row.put(58 + j, zx + j * p, y5, W);
    row.put(68, zx + 10 * p, y5, 2 * gx + w25);

    const int bottomWidths[8] = {gx + w15, W, gx + w15, 6 * W + 3 * gx, gx + w15, W, W, gx + w15};
    for (int j = 0, x = x0; j < 8; ++j) {
        row.put(69 + j, x, y6, bottomWidths[j]);
        x += bottomWidths[j] + gx;
    }

    const int nx = keys[76].right + 2 * gx;
    for (int j = 0; j < 3; ++j) {
        row.put(13 + j, nx + j * p, y1, W);
        row.put(77 + j, nx + j * p, y2, W);
        row.put(80 + j, nx + j * p, y3, W);
        row.put(84 + j, nx + j * p, y6, W);
    }
    row.put(83, nx + p, y5, W);

    const int kx = nx + 3 * p + gx;
    for (int j = 0; j < 4; ++j) row.put(87 + j, kx + j * p, y2, W);
    for (int j = 0; j < 3; ++j) {
        row.put(91 + j, kx + j * p, y3, W);
        row.put(95 + j, kx + j * p, y4, W);
        row.put(98 + j, kx + j * p, y5, W);
    }
    row.putTall(94, kx + 3 * p, y3, W, 2 * H + gy);
    row.putTall(101, kx + 3 * p, y5, W, 2 * H + gy);
    row.put(102, kx, y6, 2 * W + gx);
    row.put(103, kx + 2 * p, y6, W);
    return keys;
}

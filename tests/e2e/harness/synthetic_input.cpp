#include "synthetic_input.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace e2e {

namespace {

void send(INPUT input) {
    if (SendInput(1, &input, sizeof input) != 1)
        throw std::runtime_error("SendInput refused the input: error " + std::to_string(GetLastError()));
}

bool isExtended(WORD virtualKey) {
    switch (virtualKey) {
    case VK_RCONTROL:
    case VK_RMENU:
    case VK_LWIN:
    case VK_RWIN:
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

INPUT keyInput(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = WORD(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (isExtended(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

INPUT mouseInput(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// Absolute mouse coordinates run from 0 to 65535 over the primary screen; the system takes
// floor(value * size / 65536), so rounding up lands on the pixel itself.
LONG normalised(int pixel, int screenSize) {
    return LONG((std::int64_t(pixel) * 65536 + screenSize - 1) / screenSize);
}

} // namespace

void keyDown(WORD virtualKey) {
    send(keyInput(virtualKey, false));
}

void keyUp(WORD virtualKey) {
    send(keyInput(virtualKey, true));
}

void tapKey(WORD virtualKey) {
    keyDown(virtualKey);
    keyUp(virtualKey);
}

void movePointerTo(Point screen) {
    INPUT input = mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    input.mi.dx = normalised(screen.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = normalised(screen.y, GetSystemMetrics(SM_CYSCREEN));
    send(input);
}

void leftButtonDown() {
    send(mouseInput(MOUSEEVENTF_LEFTDOWN));
}

void leftButtonUp() {
    send(mouseInput(MOUSEEVENTF_LEFTUP));
}

void leftClickAt(Point screen) {
    movePointerTo(screen);
    leftButtonDown();
    leftButtonUp();
}

} // namespace e2e

#include "key_label.h"

#include "keyboard/layout.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

constexpr float lineGapCells = 3;

float snapped(float v, float scale) {
    return scale == 1 ? std::floor(v) : v;
}

std::vector<std::string> brokenBeforeInnerCapital(const std::string& label) {
    for (std::size_t i = 1; i < label.size(); ++i)
        if (std::isupper(static_cast<unsigned char>(label[i])) &&
            std::islower(static_cast<unsigned char>(label[i - 1])))
            return {label.substr(0, i), label.substr(i)};
    return {label};
}

float blockHeight(std::size_t lineCount, float scale) {
    return (float(lineCount) * pixel_font::capHeight + float(lineCount - 1) * lineGapCells) * scale;
}

std::vector<LabelLine> centred(const std::vector<std::string>& lines, Box area, float scaleX, float scaleY) {
    float top = snapped((area.top + area.bottom - blockHeight(lines.size(), scaleY)) / 2, scaleY);
    std::vector<LabelLine> placed;
    for (const std::string& text : lines) {
        const float width = float(pixel_font::lineWidth(text)) * scaleX;
        placed.push_back(
            {text, {snapped((area.left + area.right - width) / 2, scaleX), top, scaleX, scaleY}});
        top += (pixel_font::capHeight + lineGapCells) * scaleY;
    }
    return placed;
}

float widestLine(const std::vector<std::string>& lines) {
    int widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, pixel_font::lineWidth(line));
    return float(widest);
}

} // namespace

std::string printedLabel(int keyIndex) {
    const std::string label = keyTable[std::size_t(keyIndex)].label;
    if (label == "Up") return {pixel_font::upArrow};
    if (label == "Down") return {pixel_font::downArrow};
    if (label == "Left") return {pixel_font::leftArrow};
    if (label == "Right") return {pixel_font::rightArrow};
    return label;
}

std::vector<LabelLine> fitLabel(const std::string& label, Box area, float scale) {
    if (label.empty()) return {};
    const std::vector<std::string> oneLine{label};
    if (widestLine(oneLine) * scale <= area.width()) return centred(oneLine, area, scale, scale);
    const std::vector<std::string> twoLines = brokenBeforeInnerCapital(label);
    if (twoLines.size() == 2 && widestLine(twoLines) * scale <= area.width() &&
        blockHeight(2, scale) <= area.height())
        return centred(twoLines, area, scale, scale);
    const float shrunk = std::max(1.f, area.width() / widestLine(oneLine));
    if (shrunk < scale) return centred(oneLine, area, shrunk, shrunk);
    return centred(oneLine, area, area.width() / widestLine(oneLine), scale);
}

void drawLabel(Raster& raster, const std::vector<LabelLine>& lines, Rgba colour) {
    for (const LabelLine& line : lines)
        pixel_font::drawLine(raster, line.text, line.where, colour);
}

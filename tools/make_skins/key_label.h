#pragma once

#include "pixel_font.h"
#include "shapes.h"

#include <string>
#include <vector>

struct LabelLine {
    std::string text;
    pixel_font::Placement where;
};

// The text a skin prints on a key: the key table's label, with arrows for the arrow keys.
std::string printedLabel(int keyIndex);

// Sets a label inside `area` at `scale`: on one line if it fits, else broken before an inner
// capital ("PrtSc" as "Prt" over "Sc") if that fits, else smaller (down to scale 1), else
// narrowed to the area's width.
// Whole-pixel positions at scale 1, so a 1:1 label stays crisp.
std::vector<LabelLine> fitLabel(const std::string& label, Box area, float scale);

void drawLabel(Raster& raster, const std::vector<LabelLine>& lines, Rgba colour);

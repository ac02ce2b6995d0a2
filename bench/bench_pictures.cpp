#include "bench_pictures.h"

#include <cmath>
#include <random>

namespace {

Color rgb(int r, int g, int b) {
    return Color(b) << 16 | Color(g) << 8 | Color(r);
}

int component(double v) {
    return int(std::lround(std::fmin(std::fmax(v, 0), 255)));
}

} // namespace

Bitmap noisePicture(int width, int height, unsigned seed) {
    Bitmap picture(width, height);
    std::mt19937 random(seed);
    for (Color& c : picture.pixels())
        c = random() & 0xFFFFFF;
    return picture;
}

Bitmap photoPicture(int width, int height, unsigned seed) {
    Bitmap picture(width, height);
    std::mt19937 random(seed);
    std::normal_distribution<double> grain(0, 4);
    for (int y = 0; y < height; ++y) {
        Color* row = picture.row(y);
        for (int x = 0; x < width; ++x) {
            const double u = x / double(width), v = y / double(height);
            const double r = 120 + 90 * std::sin(6 * u + 2 * v), g = 110 + 70 * std::cos(5 * v - 3 * u);
            const double b = 100 + 60 * std::sin(9 * u * v + 1);
            row[x] =
                rgb(component(r + grain(random)), component(g + grain(random)), component(b + grain(random)));
        }
    }
    return picture;
}

#pragma once

#include <cstdint>
#include <vector>

// A colour with straight (not premultiplied) alpha, every channel 0..1.
struct Rgba {
    float r = 0, g = 0, b = 0, a = 1;
};

// 0xRRGGBB as written in a colour picker.
constexpr Rgba rgb(std::uint32_t hex, float alpha = 1) {
    return {float((hex >> 16) & 0xFF) / 255, float((hex >> 8) & 0xFF) / 255, float(hex & 0xFF) / 255, alpha};
}

Rgba mix(Rgba a, Rgba b, float t);
Rgba scaled(Rgba c, float factor);
std::uint8_t toByte(float channel);

// The picture every generator paints into, rows top to bottom.
class Raster {
  public:
    Raster(int width, int height, Rgba fill = {0, 0, 0, 0});

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Rgba at(int x, int y) const { return pixels_[index(x, y)]; }
    void set(int x, int y, Rgba c) { pixels_[index(x, y)] = c; }
    // Paints c over the pixel with the given share of the pixel covered; outside pixels are ignored.
    void blend(int x, int y, Rgba c, float coverage = 1);

  private:
    std::size_t index(int x, int y) const { return std::size_t(y) * std::size_t(width_) + std::size_t(x); }
    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

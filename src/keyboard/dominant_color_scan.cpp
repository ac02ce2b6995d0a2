#include "keyboard/dominant_color.h"
#include "keyboard/hot_key.h"

#include <cstdlib>
#include <vector>

Color dominantColorByScan(const Bitmap& picture) {
    struct Cluster {
        int count;
        Rgb rgb;
    };
    std::vector<Cluster> clusters;
    clusters.reserve(6000);
    int best = -1;
    Color result = 0;
    for (int x = 0; x < picture.width(); ++x) {
        for (int y = 0; y < picture.height(); ++y) {
            const Color c = picture.pixel(x, y);
            if (c == 0) continue;
            const Rgb rgb = splitColor(c);
            Cluster* found = nullptr;
            for (auto& cluster : clusters) {
                if (std::abs(cluster.rgb.red - rgb.red) <= 4 && std::abs(cluster.rgb.green - rgb.green) <= 4 &&
                    std::abs(cluster.rgb.blue - rgb.blue) <= 4) {
                    found = &cluster;
                    break;
                }
            }
            if (!found) {
                if (clusters.size() >= 6000) continue;
                clusters.push_back({0, rgb});
                found = &clusters.back();
            }
            if (++found->count > best) {
                best = found->count;
                result = Color(rgb.blue) << 16 | Color(rgb.green) << 8 | Color(rgb.red);
            }
        }
    }
    return result;
}

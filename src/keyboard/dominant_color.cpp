#include "keyboard/dominant_color.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

// The same colour as the plain scan, found without comparing each pixel with every cluster.
//
// Only the opening of clusters depends on the scan order. A colour belongs, for good, to the
// first cluster within reach at its first appearance: clusters never move, later ones only
// come after it, and once the table is full no new one opens. So a pixel's cluster is simply
// the lowest-numbered one of the final table within reach, or none. Hence three steps:
//  1. open the clusters in scan order (column by column), which ends as soon as the table is full;
//  2. count every cluster in whatever order the memory likes: rows, red value by red value;
//  3. the winner's result is the colour of its last pixel in scan order, searched from the
//     right edge; among clusters of equal count the one whose last pixel comes first won.

namespace {

constexpr int maxClusters = 6000;
constexpr int reach = 4;
constexpr std::uint16_t noCluster = maxClusters;

struct Rgb8 {
    int red, green, blue;
};

Rgb8 componentsOf(Color c) {
    return {int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF)};
}

bool withinReach(const Rgb8& a, const Rgb8& b) {
    return std::abs(a.red - b.red) <= reach && std::abs(a.green - b.green) <= reach &&
           std::abs(a.blue - b.blue) <= reach;
}

int low(int v) {
    return std::max(v - reach, 0);
}
int high(int v) {
    return std::min(v + reach, 255);
}

// Every colour within reach of an open cluster, one bit per colour.
class Coverage {
  public:
    Coverage() : bits_(std::size_t(1) << 18) {}
    bool covers(Color c) const { return bits_[c >> 6] >> (c & 63) & 1; }
    void add(const Rgb8& centre) {
        for (int b = low(centre.blue); b <= high(centre.blue); ++b)
            for (int g = low(centre.green); g <= high(centre.green); ++g) {
                const std::uint32_t base = std::uint32_t(b) << 16 | std::uint32_t(g) << 8;
                for (int r = low(centre.red); r <= high(centre.red); ++r)
                    set(base | std::uint32_t(r));
            }
    }

  private:
    void set(std::uint32_t c) { bits_[c >> 6] |= std::uint64_t(1) << (c & 63); }
    std::vector<std::uint64_t> bits_;
};

struct Clusters {
    std::vector<Rgb8> centres;
    Coverage coverage;
};

void openClusters(const Bitmap& picture, Clusters& clusters) {
    const int width = picture.width(), height = picture.height();
    const Color* pixels = picture.pixels().data();
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            const Color c = pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
            if (c == 0 || clusters.coverage.covers(c)) continue;
            clusters.centres.push_back(componentsOf(c));
            clusters.coverage.add(clusters.centres.back());
            if (clusters.centres.size() == maxClusters) return;
        }
}

// The picture's pixels grouped by their red value, each kept as its green and blue (c >> 8).
// Black is left out.
class RedBuckets {
  public:
    explicit RedBuckets(const Bitmap& picture)
        : pool_(std::make_unique_for_overwrite<std::uint16_t[]>(poolSize(picture))) {
        std::array<std::uint16_t*, 256> cursor{}, end{};
        for (const Color c : picture.pixels()) {
            if (c == 0) continue;
            const unsigned red = c & 0xFF;
            if (cursor[red] == end[red]) {
                closeBlock(red, cursor[red]);
                cursor[red] = openBlock(red);
                end[red] = cursor[red] + blockSize;
            }
            *cursor[red]++ = std::uint16_t(c >> 8);
        }
        for (unsigned red = 0; red < 256; ++red)
            closeBlock(red, cursor[red]);
    }

    template <class Visit> void forEach(unsigned red, Visit visit) const {
        for (const auto& block : blocks_[red])
            for (const std::uint16_t* v = pool_.get() + block.start; v != pool_.get() + block.end; ++v)
                visit(*v);
    }

  private:
    static constexpr std::size_t blockSize = 4096;
    struct Block {
        std::size_t start, end;
    };

    static std::size_t poolSize(const Bitmap& picture) {
        return (picture.pixels().size() / blockSize + 256 + 1) * blockSize;
    }
    std::uint16_t* openBlock(unsigned red) {
        blocks_[red].push_back({used_, used_});
        used_ += blockSize;
        return pool_.get() + blocks_[red].back().start;
    }
    void closeBlock(unsigned red, const std::uint16_t* cursor) {
        if (cursor) blocks_[red].back().end = std::size_t(cursor - pool_.get());
    }

    std::unique_ptr<std::uint16_t[]> pool_;
    std::size_t used_ = 0;
    std::array<std::vector<Block>, 256> blocks_;
};

// For one red value, the cluster of every green and blue: the lowest id within reach.
class Slab {
  public:
    Slab() : ids_(65536, noCluster) {}
    std::uint16_t at(std::uint16_t greenBlue) const { return ids_[greenBlue]; }
    // Painted from the highest id down, so that the lowest one stays where cubes overlap.
    void paint(const std::vector<std::uint16_t>& idsDescending, const std::vector<Rgb8>& centres) {
        for (const auto id : idsDescending)
            fill(centres[id], id);
    }
    void erase(const std::vector<std::uint16_t>& ids, const std::vector<Rgb8>& centres) {
        for (const auto id : ids)
            fill(centres[id], noCluster);
    }

  private:
    void fill(const Rgb8& centre, std::uint16_t value) {
        for (int b = low(centre.blue); b <= high(centre.blue); ++b) {
            std::uint16_t* row = ids_.data() + (b << 8);
            std::fill(row + low(centre.green), row + high(centre.green) + 1, value);
        }
    }
    std::vector<std::uint16_t> ids_;
};

// Clusters whose red lies within reach of each red value, highest id first.
std::array<std::vector<std::uint16_t>, 256> clustersByRed(const std::vector<Rgb8>& centres) {
    std::array<std::vector<std::uint16_t>, 256> byRed;
    for (int id = int(centres.size()) - 1; id >= 0; --id)
        for (int r = low(centres[id].red); r <= high(centres[id].red); ++r)
            byRed[r].push_back(std::uint16_t(id));
    return byRed;
}

std::vector<std::uint32_t> countClusters(const Bitmap& picture, const std::vector<Rgb8>& centres) {
    const RedBuckets buckets(picture);
    const auto byRed = clustersByRed(centres);
    // Two tallies, alternating, so that a run of one cluster is not one long chain of increments.
    std::vector<std::uint32_t> even(maxClusters + 1), odd(maxClusters + 1);
    Slab slab;
    for (unsigned red = 0; red < 256; ++red) {
        if (byRed[red].empty()) continue;
        slab.paint(byRed[red], centres);
        bool flip = false;
        buckets.forEach(red, [&](std::uint16_t greenBlue) {
            ++(flip ? odd : even)[slab.at(greenBlue)];
            flip = !flip;
        });
        slab.erase(byRed[red], centres);
    }
    std::vector<std::uint32_t> counts(centres.size());
    for (std::size_t id = 0; id < counts.size(); ++id)
        counts[id] = even[id] + odd[id];
    return counts;
}

// Finds the cluster of any colour by looking only at the clusters that reach its cell.
class ClusterGrid {
  public:
    explicit ClusterGrid(const std::vector<Rgb8>& centres) : centres_(centres), start_(cells + 1) {
        forEachCellOf([&](std::size_t cell, std::uint16_t) { ++start_[cell + 1]; });
        for (std::size_t cell = 0; cell < cells; ++cell)
            start_[cell + 1] += start_[cell];
        ids_.resize(start_[cells]);
        std::vector<std::uint32_t> next(start_.begin(), start_.end() - 1);
        forEachCellOf([&](std::size_t cell, std::uint16_t id) { ids_[next[cell]++] = id; });
    }

    std::uint16_t find(Color c) const {
        const Rgb8 rgb = componentsOf(c);
        const std::size_t cell = cellOf(rgb.red, rgb.green, rgb.blue);
        for (std::uint32_t i = start_[cell]; i < start_[cell + 1]; ++i)
            if (withinReach(centres_[ids_[i]], rgb)) return ids_[i];
        return noCluster;
    }

  private:
    static constexpr int cellBits = 3;
    static constexpr int cellsPerSide = 256 >> cellBits;
    static constexpr std::size_t cells = std::size_t(cellsPerSide) * cellsPerSide * cellsPerSide;
    static std::size_t cellOf(int red, int green, int blue) {
        return std::size_t(red >> cellBits) + std::size_t(green >> cellBits) * cellsPerSide +
               std::size_t(blue >> cellBits) * cellsPerSide * cellsPerSide;
    }
    // Every cell a cluster's reach touches, clusters in id order.
    template <class Visit> void forEachCellOf(Visit visit) const {
        for (std::size_t id = 0; id < centres_.size(); ++id) {
            const Rgb8& c = centres_[id];
            for (int b = low(c.blue) >> cellBits; b <= high(c.blue) >> cellBits; ++b)
                for (int g = low(c.green) >> cellBits; g <= high(c.green) >> cellBits; ++g)
                    for (int r = low(c.red) >> cellBits; r <= high(c.red) >> cellBits; ++r)
                        visit(cellOf(r << cellBits, g << cellBits, b << cellBits), std::uint16_t(id));
        }
    }

    const std::vector<Rgb8>& centres_;
    std::vector<std::uint32_t> start_;
    std::vector<std::uint16_t> ids_;
};

// Of the clusters with the highest count, the one whose last pixel in scan order comes first;
// the colour of that pixel. Searched in strips from the right edge, since last pixels lie there.
Color colourOfWinner(const Bitmap& picture, const Clusters& clusters,
                     const std::vector<std::uint32_t>& counts) {
    const std::uint32_t best = *std::max_element(counts.begin(), counts.end());
    std::vector<bool> leading(maxClusters + 1);
    std::size_t unseen = 0;
    for (std::size_t id = 0; id < counts.size(); ++id)
        if (counts[id] == best) leading[id] = true, ++unseen;

    const ClusterGrid grid(clusters.centres);
    constexpr std::uint64_t none = ~std::uint64_t(0);
    std::vector<std::uint64_t> lastAt(counts.size(), none); // scan position x * height + y
    const int width = picture.width(), height = picture.height();
    constexpr int stripWidth = 16;
    for (int stripEnd = width; stripEnd > 0 && unseen > 0; stripEnd -= stripWidth) {
        const int stripStart = std::max(stripEnd - stripWidth, 0);
        std::size_t seenHere = 0;
        for (int y = 0; y < height; ++y) {
            const Color* row = picture.row(y);
            for (int x = stripStart; x < stripEnd; ++x) {
                const Color c = row[x];
                if (c == 0 || !clusters.coverage.covers(c)) continue;
                const std::uint16_t id = grid.find(c);
                if (!leading[id]) continue;
                const std::uint64_t at = std::uint64_t(x) * std::uint64_t(height) + std::uint64_t(y);
                if (lastAt[id] == none) ++seenHere;
                if (lastAt[id] == none || at > lastAt[id]) lastAt[id] = at;
            }
        }
        unseen -= seenHere;
    }
    const auto first = std::min_element(lastAt.begin(), lastAt.end());
    const int x = int(*first / std::uint64_t(height)), y = int(*first % std::uint64_t(height));
    return picture.pixel(x, y);
}

} // namespace

Color dominantColor(const Bitmap& picture) {
    Clusters clusters;
    openClusters(picture, clusters);
    if (clusters.centres.empty()) return 0;
    return colourOfWinner(picture, clusters, countClusters(picture, clusters.centres));
}

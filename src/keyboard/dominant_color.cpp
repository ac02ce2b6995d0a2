#include "keyboard/dominant_color.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
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
        const int left = low(centre.red), right = high(centre.red);
        for (int b = low(centre.blue); b <= high(centre.blue); ++b)
            for (int g = low(centre.green); g <= high(centre.green); ++g)
                setRun(std::uint32_t(b) << 16 | std::uint32_t(g) << 8, left, right);
    }

  private:
    // Reds left..right of one green and blue: 9 bits at most, in one or two words.
    void setRun(std::uint32_t base, int left, int right) {
        const std::uint32_t first = base | std::uint32_t(left), last = base | std::uint32_t(right);
        const std::uint64_t all = ~std::uint64_t(0);
        if (first >> 6 == last >> 6) {
            bits_[first >> 6] |= (all >> (63 - (last & 63))) & (all << (first & 63));
        } else {
            bits_[first >> 6] |= all << (first & 63);
            bits_[last >> 6] |= all >> (63 - (last & 63));
        }
    }
    std::vector<std::uint64_t> bits_;
};

class Clusters {
  public:
    bool full() const { return centres.size() == maxClusters; }
    // A pixel in scan order opens a cluster unless one reaches it already.
    void offer(Color c) {
        if (c == 0 || coverage.covers(c)) return;
        centres.push_back(componentsOf(c));
        coverage.add(centres.back());
    }

    std::vector<Rgb8> centres;
    Coverage coverage;
};

// Walking down one column of a row-major picture misses the cache at every row, so a strip of
// columns is read a row at a time, with the rows ahead asked for early, and turned on its side.
void readStripOnItsSide(const Bitmap& picture, int left, int columns, std::vector<Color>& strip) {
    constexpr int rowsAhead = 32;
    const int height = picture.height();
    for (int y = 0; y < height; ++y) {
        if (y + rowsAhead < height)
            for (int i = 0; i < columns; i += 16)
                __builtin_prefetch(picture.row(y + rowsAhead) + left + i);
        const Color* row = picture.row(y) + left;
        for (int i = 0; i < columns; ++i)
            strip[std::size_t(i) * std::size_t(height) + std::size_t(y)] = row[i];
    }
}

// Column by column, top to bottom, until the table is full.
void openClusters(const Bitmap& picture, Clusters& clusters) {
    const int width = picture.width(), height = picture.height();
    constexpr std::size_t stripPixels = std::size_t(1) << 22;
    const int stripWidth =
        int(std::clamp<std::size_t>(stripPixels / std::size_t(std::max(height, 1)), 1, 64));
    if (stripWidth == 1) { // too tall for strips; such a picture has few columns
        for (int x = 0; x < width && !clusters.full(); ++x)
            for (int y = 0; y < height && !clusters.full(); ++y)
                clusters.offer(picture.pixel(x, y));
        return;
    }
    std::vector<Color> strip(std::size_t(std::min(stripWidth, width)) * std::size_t(height));
    for (int left = 0; left < width; left += stripWidth) {
        const int columns = std::min(stripWidth, width - left);
        readStripOnItsSide(picture, left, columns, strip);
        for (std::size_t i = 0; i < std::size_t(columns) * std::size_t(height); ++i) {
            clusters.offer(strip[i]);
            if (clusters.full()) return;
        }
    }
}

// The picture's pixels grouped by their red value, each kept as its green and blue (c >> 8).
// Black pixels are among those of red 0, as green and blue 0.
class RedBuckets {
  public:
    explicit RedBuckets(const Bitmap& picture)
        : values_(std::make_unique_for_overwrite<std::uint16_t[]>(picture.pixels().size())) {
        const auto pixels = picture.pixels();
        countReds(pixels);
        std::array<std::uint32_t, 256> next;
        std::copy(start_.begin(), start_.end() - 1, next.begin());
        for (const Color c : pixels)
            values_[next[c & 0xFF]++] = std::uint16_t(c >> 8);
    }

    std::span<const std::uint16_t> ofRed(unsigned red) const {
        return {values_.get() + start_[red], values_.get() + start_[red + 1]};
    }

  private:
    void countReds(std::span<const Color> pixels) {
        // Four tallies, so that equal neighbours do not wait for each other's increment.
        std::array<std::array<std::uint32_t, 256>, 4> tallies{};
        std::size_t i = 0;
        for (; i + 4 <= pixels.size(); i += 4)
            for (int k = 0; k < 4; ++k)
                ++tallies[k][pixels[i + k] & 0xFF];
        for (; i < pixels.size(); ++i)
            ++tallies[0][pixels[i] & 0xFF];
        start_[0] = 0;
        for (unsigned red = 0; red < 256; ++red)
            start_[red + 1] =
                start_[red] + tallies[0][red] + tallies[1][red] + tallies[2][red] + tallies[3][red];
    }

    std::unique_ptr<std::uint16_t[]> values_;
    std::array<std::uint32_t, 257> start_;
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
    // Four tallies again; the last slot of each takes the pixels of no cluster.
    std::array<std::vector<std::uint32_t>, 4> tallies;
    for (auto& tally : tallies)
        tally.assign(maxClusters + 1, 0);
    Slab slab;
    for (unsigned red = 0; red < 256; ++red) {
        if (byRed[red].empty()) continue;
        slab.paint(byRed[red], centres);
        const auto values = buckets.ofRed(red);
        std::size_t i = 0;
        for (; i + 4 <= values.size(); i += 4)
            for (int k = 0; k < 4; ++k)
                ++tallies[k][slab.at(values[i + k])];
        for (; i < values.size(); ++i)
            ++tallies[0][slab.at(values[i])];
        // Black was counted where red, green and blue are 0: take it back out.
        if (red == 0) tallies[0][slab.at(0)] -= std::uint32_t(std::count(values.begin(), values.end(), 0));
        slab.erase(byRed[red], centres);
    }
    std::vector<std::uint32_t> counts(centres.size());
    for (std::size_t id = 0; id < counts.size(); ++id)
        counts[id] = tallies[0][id] + tallies[1][id] + tallies[2][id] + tallies[3][id];
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

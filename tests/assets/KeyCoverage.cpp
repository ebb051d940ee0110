#include "KeyCoverage.h"

#include <vector>

KeyCoverage keyCoverage(const Bitmap& bitmap, Rgb key) {
    const int w = bitmap.width, h = bitmap.height;
    std::vector<bool> reached(bitmap.pixels.size(), false);
    std::vector<int> pending;
    const auto reach = [&](int x, int y) {
        const int i = y * w + x;
        if (!reached[static_cast<std::size_t>(i)] && bitmap.at(x, y) == key) {
            reached[static_cast<std::size_t>(i)] = true;
            pending.push_back(i);
        }
    };
    for (int x = 0; x < w; ++x) {
        reach(x, 0);
        reach(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        reach(0, y);
        reach(w - 1, y);
    }
    int fromEdge = 0;
    while (!pending.empty()) {
        const int i = pending.back();
        pending.pop_back();
        ++fromEdge;
        const int x = i % w, y = i / w;
        if (x > 0) {
            reach(x - 1, y);
        }
        if (x + 1 < w) {
            reach(x + 1, y);
        }
        if (y > 0) {
            reach(x, y - 1);
        }
        if (y + 1 < h) {
            reach(x, y + 1);
        }
    }
    int total = 0;
    for (const Rgb& pixel : bitmap.pixels) {
        total += pixel == key ? 1 : 0;
    }
    return {static_cast<double>(total) / static_cast<double>(bitmap.pixels.size()),
            total - fromEdge};
}

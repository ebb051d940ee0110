#include "TwinComparison.h"

#include <array>
#include <cstdlib>

namespace {

int channelDifference(const std::array<Rgb, 4>& block, const Rgb& designed) {
    const auto difference = [&](auto channel) {
        int sum = 0;
        for (const Rgb& pixel : block) {
            sum += channel(pixel);
        }
        return std::abs(sum - 4 * channel(designed)); // four times the mean's difference
    };
    return difference([](const Rgb& c) { return int{c.red}; }) +
           difference([](const Rgb& c) { return int{c.green}; }) +
           difference([](const Rgb& c) { return int{c.blue}; });
}

} // namespace

TwinComparison compareTwins(const Bitmap& designed, const Bitmap& doubled, std::optional<Rgb> key) {
    long long difference = 0;
    int decided = 0, agreeing = 0, finer = 0;
    for (int y = 0; y < designed.height; ++y) {
        for (int x = 0; x < designed.width; ++x) {
            const std::array<Rgb, 4> block{doubled.at(2 * x, 2 * y), doubled.at(2 * x + 1, 2 * y),
                                           doubled.at(2 * x, 2 * y + 1),
                                           doubled.at(2 * x + 1, 2 * y + 1)};
            const Rgb pixel = designed.at(x, y);
            difference += channelDifference(block, pixel);
            finer += block[0] == block[1] && block[0] == block[2] && block[0] == block[3] ? 0 : 1;
            if (!key) {
                continue;
            }
            int keyed = 0;
            for (const Rgb& device : block) {
                keyed += device == *key ? 1 : 0;
            }
            // A block on the content's edge may go either way.
            if (keyed == 0 || keyed == 4) {
                ++decided;
                agreeing += (keyed == 4) == (pixel == *key) ? 1 : 0;
            }
        }
    }
    const double pixels = static_cast<double>(designed.width) * designed.height;
    return {static_cast<double>(difference) / (4.0 * 3.0 * pixels),
            decided > 0 ? static_cast<double>(agreeing) / decided : 1.0, finer / pixels};
}

#include "theme/ColorScales.h"

namespace {

struct RampRule {
    std::array<int, 3> step;       // added to red, green, blue before each swatch
    std::array<bool, 3> main;      // the component(s) whose passing 255 turns the ramp
    std::array<int, 3> stepAfter;  // the step once it has turned
};

constexpr RampRule kRamps[kColorRampCount] = {
    {{32, 0, 0}, {true, false, false}, {0, 32, 32}},   // red
    {{32, 32, 0}, {true, true, false}, {0, 0, 32}},    // yellow
    {{0, 32, 0}, {false, true, false}, {32, 0, 32}},   // green
    {{0, 32, 32}, {false, true, true}, {32, 0, 0}},    // cyan
    {{0, 0, 32}, {false, false, true}, {32, 32, 0}},   // blue
    {{32, 0, 32}, {true, false, true}, {0, 32, 0}},    // magenta
    {{16, 16, 16}, {true, true, true}, {0, 0, 0}},     // grey
};

ColorRamp FillRamp(const RampRule& rule)
{
    std::array<int, 3> value{0, 0, 0};
    std::array<int, 3> step = rule.step;
    ColorRamp ramp{};
    for (OleColor& swatch : ramp) {
        bool turned = false;
        for (int c = 0; c < 3; ++c) {
            value[c] += step[c];
            turned = turned || (rule.main[c] && value[c] > 255);
        }
        // The swatch at which the main colour passes 255 shows it pure; the others climb from the next.
        if (turned) {
            for (int c = 0; c < 3; ++c) {
                if (rule.main[c])
                    value[c] = 255;
            }
            step = rule.stepAfter;
        }
        for (int c = 0; c < 3; ++c) {
            if (!rule.main[c] && value[c] > 255) {
                value[c] = 255;
                step[c] = 0;
            }
        }
        swatch = RgbColor(value[0], value[1], value[2]);
    }
    return ramp;
}

} // namespace

std::array<ColorRamp, kColorRampCount> FillColorScales()
{
    std::array<ColorRamp, kColorRampCount> ramps{};
    for (int row = 0; row < kColorRampCount; ++row)
        ramps[row] = FillRamp(kRamps[row]);
    return ramps;
}

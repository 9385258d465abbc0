// The colour picker's drawing and arithmetic, each against a peer or a limit in the same run:
//   one drag move's redraw (hue: two bars at step 16, the field at step 8)
//        vs the release's full redraw (both bars and the field at step 1); "of_frame" = the move
//           against one 60 Hz frame (must stay well below 1)
//   RgbToHsl + HslToRgb over 32,768 colours vs QColor's own toHsl() and back on the same colours
// Counters: "ratio" = ours / peer.

#include "dialogs/PickerDrawing.h"
#include "theme/ColorSpace.h"

#include <QColor>
#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

void BM_DragMoveVsRelease(benchmark::State& state)
{
    QImage luminance(512, 20, QImage::Format_RGB32);
    QImage saturation(512, 20, QImage::Format_RGB32);
    QImage field(129, 129, QImage::Format_RGB32);
    double ours = 0, peer = 0;
    int hue = 0;
    for (auto _ : state) {
        const HslTriple hsl{hue = (hue + 37) % 256, 153, 80};
        auto start = Clock::now();
        DrawLuminanceBar(luminance, hsl, 16);
        DrawSaturationBar(saturation, hsl, 16);
        DrawGradient(field, hsl.Hue, 8);
        const double t = Seconds(start);
        ours += t;
        state.SetIterationTime(t);

        start = Clock::now();
        DrawGradient(field, hsl.Hue, 1);
        DrawLuminanceBar(luminance, hsl, 1);
        DrawSaturationBar(saturation, hsl, 1);
        peer += Seconds(start);
    }
    state.counters["ratio"] = ours / peer;
    state.counters["of_frame"] = ours / double(state.iterations()) * 60.0;
}

void BM_ConversionsVsQColor(benchmark::State& state)
{
    std::vector<RgbTriple> colours;
    for (int r = 0; r < 256; r += 8) {
        for (int g = 0; g < 256; g += 8) {
            for (int b = 0; b < 256; b += 8)
                colours.push_back({r, g, b});
        }
    }
    double ours = 0, peer = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        int sum = 0;
        for (const RgbTriple& c : colours)
            sum += HslToRgb(RgbToHsl(c)).Red;
        const double t = Seconds(start);
        ours += t;
        state.SetIterationTime(t);
        benchmark::DoNotOptimize(sum);

        start = Clock::now();
        for (const RgbTriple& c : colours)
            sum += QColor(c.Red, c.Green, c.Blue).toHsl().toRgb().red();
        peer += Seconds(start);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["ratio"] = ours / peer;
}

} // namespace

BENCHMARK(BM_DragMoveVsRelease)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ConversionsVsQColor)->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

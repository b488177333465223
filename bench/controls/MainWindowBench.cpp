#include "skin/SkinPaths.h"
#include "skin/UIWnd.h"
#include "skin/UiFile.h"

#include <QApplication>
#include <QPixmap>
#include <benchmark/benchmark.h>

namespace corvane {
namespace {

class MainSkinWindow : public UIWnd {
protected:
    int designatedSkinNumber() const override { return 1000; }
};

// Section, images, mask and controls, then one paint of the window and all
// its children.
void CreateAndPaint(benchmark::State& state, bool coldFile) {
    if (SetUIPath(CORVANE_DEFAULT_SKIN_DIR "/the.ui") != 0) {
        state.SkipWithError("the default skin is not built");
        return;
    }
    for (auto _ : state) {
        if (coldFile)
            UiFile::clearCache();
        MainSkinWindow window;
        if (!window.createSkin()) {
            state.SkipWithError("the main window's skin does not load");
            return;
        }
        const QPixmap painted = window.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
        state.counters["controls"] = double(window.controls().size());
    }
}

void BM_MainWindowFirstPaint(benchmark::State& state) {
    CreateAndPaint(state, false);
}
BENCHMARK(BM_MainWindowFirstPaint)->Unit(benchmark::kMillisecond);

// The same with the UI file read afresh, as at program start.
void BM_MainWindowFirstPaintColdFile(benchmark::State& state) {
    CreateAndPaint(state, true);
}
BENCHMARK(BM_MainWindowFirstPaintColdFile)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvane

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Reading a whole window's control descriptions from a UI file of the size a
// full skin has: eight windows, the measured one with 200 controls of about
// 30 keys each, and a Resource.h with one definition per control.
#include "skin/ControlReader.h"
#include "skin/LogFont.h"
#include "skin/UiFile.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace corvane {
namespace {

constexpr int kWindows = 8;
constexpr int kControlsPerWindow = 200;

std::string FontValue(int height) {
    LOGFONTA font;
    font.lfHeight = -height;
    font.lfWeight = 400;
    const std::string face = "DejaVu Sans";
    std::copy(face.begin(), face.end(), font.lfFaceName.begin());
    return UiFile::formatStruct(font.encode());
}

// A check box section: the keys the reader asks for, most of them present.
std::string ControlSection(const std::string& window, int n, int id) {
    std::string s = "[" + window + "_" + std::to_string(n) + "]\n";
    s += n % 5 == 0 ? "Type=STATIC\n" : "Type=CHECK\n";
    s += "Rect=" + std::to_string(10 + n) + ",20," + std::to_string(80 + n) + ",40\n";
    s += "IDs=IDC_" + window + "_" + std::to_string(id) + "\n";
    s += "Caption=Control " + std::to_string(n) + "\n";
    s += "IsVisible=1\nIsDisabled=0\nIsTabStop=1\nIsMultiline=0\n";
    s += "BKCN=check_n.bmp\nBKCH=check_h.bmp\nBKCS=check_s.bmp\nBKCD=check_d.bmp\nMaskBmp=mask."
         "bmp\n";
    s += "FontN=" + FontValue(12) + "\nIsHSameNFont=0\nFontH=" + FontValue(13) + "\n";
    s += "IsSSameNFont=1\nIsDSameNFont=1\n";
    s += "ColorN=16777215\nIsHSameNColor=0\nColorH=65535\nIsSSameNColor=1\nIsDSameNColor=1\n";
    s += "HorAlig=2\nVerAlig=0\nHorAlignMode=LEFT\nVerAlignMode=CENTER\n";
    s += "UseToolTip=1\nToolTips=Tip for control " + std::to_string(n) + "\n";
    return s;
}

struct BenchSkin {
    std::filesystem::path folder;
    SkinFiles files;

    BenchSkin() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "corvane-bench-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        std::ofstream ui(folder / "the.ui");
        std::ofstream header(folder / "Resource.h");
        int id = 1000;
        for (int w = 0; w < kWindows; ++w) {
            const std::string window = "IDD_WINDOW" + std::to_string(w);
            header << "#define " << window << " " << id++ << "\n";
            ui << "[" << window
               << "]\nBKN=bk_n.bmp\nBKNO=bk_no.bmp\nBKH=bk_h.bmp\nBKS=bk_s.bmp\nBKD=bk_d.bmp\n";
            for (int n = 0; n < kControlsPerWindow; ++n) {
                header << "#define IDC_" << window << "_" << id << " " << id << "\n";
                ui << ControlSection(window, n, id++);
            }
        }
        ui.close();
        header.close();
        // Files just written are read afresh each time; these are settled.
        for (const char* name : {"the.ui", "Resource.h"}) {
            const auto path = folder / name;
            std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) -
                                                       std::chrono::hours(1));
        }
        files = SkinFiles::forUiFile((folder / "the.ui").string());
    }
    ~BenchSkin() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

BenchSkin& Skin() {
    static BenchSkin skin;
    return skin;
}

// The usual case: the parsed file is reused while it does not change.
void BM_ReadWindowControls(benchmark::State& state) {
    BenchSkin& skin = Skin();
    for (auto _ : state) {
        auto controls = ReadControlDescriptions(skin.files, "IDD_WINDOW7");
        benchmark::DoNotOptimize(controls);
    }
    state.counters["ui_bytes"] =
        static_cast<double>(std::filesystem::file_size(skin.folder / "the.ui"));
}
BENCHMARK(BM_ReadWindowControls)->Unit(benchmark::kMillisecond);

// The first window after start-up (or after the file changed): one parse.
void BM_ReadWindowControlsColdFile(benchmark::State& state) {
    BenchSkin& skin = Skin();
    for (auto _ : state) {
        UiFile::clearCache();
        auto controls = ReadControlDescriptions(skin.files, "IDD_WINDOW7");
        benchmark::DoNotOptimize(controls);
    }
}
BENCHMARK(BM_ReadWindowControlsColdFile)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvane

// Timings of the main window, offscreen, on a synthetic 1 MiB ROM. Each step is
// followed by the posted repaints, so a figure includes painting the view.
#include "ui/UiHarness.h"

#include "core/ui/ScrollBar.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::size_t RomSize = 1 << 20;
constexpr std::int16_t CityMap = 1;  // Big City, 20 x 18
constexpr std::int16_t HugeMap = 8;  // Huge, 255 x 255
constexpr int PaintedCell = 16 * 9;  // first cell of view slot (row 2, column 2)

// Started once in main: the start-up road costs far more than any step measured here.
UiHarness *Harness = nullptr;

void Flush() { QCoreApplication::processEvents(); }

// The synthetic game's maps all lie in its first 128 KiB; the rest carries on the pattern.
void EnlargeRom(UiHarness &h)
{
    std::vector<std::uint8_t> &rom = h.game.rom;
    const std::size_t old = rom.size();
    if (old >= RomSize)
        return;
    const std::vector<std::uint8_t> pattern = TestFiles::PatternRom(RomSize);
    rom.resize(RomSize);
    std::copy(pattern.begin() + std::ptrdiff_t(old), pattern.end(), rom.begin() + std::ptrdiff_t(old));
    h.folder->writeBytes("game.gb", rom);
}

bool Load(benchmark::State &state, std::int16_t map)
{
    Defines::CurMap = map;
    if (Harness->main().LoadMap()) {
        Flush();
        return true;
    }
    state.SkipWithError("the map was refused");
    return false;
}

void BM_LoadMap(benchmark::State &state, std::int16_t map)
{
    for (auto _ : state)
        if (!Load(state, map))
            break;
}
BENCHMARK_CAPTURE(BM_LoadMap, 20x18, CityMap)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadMap, 255x255, HugeMap)->Unit(benchmark::kMillisecond);

// Two blocks in turn, so that every paint changes the cell's pictures.
std::int16_t OtherBlock(int n) { return std::int16_t(n & 1 ? 3 : 4); }

void BM_PaintHandler(benchmark::State &state)
{
    MainForm &m = Harness->main();
    if (!Load(state, CityMap))
        return;
    int n = 0;
    for (auto _ : state) {
        m.SelBlock = OtherBlock(n++);
        m.MapTile_MouseDown(PaintedCell, 1, 0, 0, 0);
        Flush();
    }
}
BENCHMARK(BM_PaintHandler)->Unit(benchmark::kMicrosecond);

// The same through a real press and release on the grid.
void BM_PaintPress(benchmark::State &state)
{
    MainForm &m = Harness->main();
    if (!Load(state, CityMap))
        return;
    int n = 0;
    for (auto _ : state) {
        m.SelBlock = OtherBlock(n++);
        UiHarness::pressCell(m.MapTile, PaintedCell);
        Flush();
    }
    if (Defines::MapBlocks[2][2] != OtherBlock(n - 1))
        state.SkipWithError("the press did not paint");
}
BENCHMARK(BM_PaintPress)->Unit(benchmark::kMicrosecond);

void BM_ScrollStep(benchmark::State &state)
{
    MainForm &m = Harness->main();
    if (!Load(state, CityMap))
        return;
    int n = 0;
    for (auto _ : state) {
        m.VScroll->setValue(n++ & 1 ? 1 : 2);
        Flush();
    }
}
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMicrosecond);

// The paint before each undo is left out of the figure.
void BM_Undo(benchmark::State &state)
{
    MainForm &m = Harness->main();
    if (!Load(state, CityMap))
        return;
    m.SelBlock = std::int16_t((Defines::MapBlocks[2][2] + 1) % (Defines::LastBlock + 1));
    for (auto _ : state) {
        state.PauseTiming();
        m.MapTile_MouseDown(PaintedCell, 1, 0, 0, 0);
        Flush();
        state.ResumeTiming();
        m.mnuUndo_Click();
        Flush();
    }
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMicrosecond);

// Save with "No" to the backup question; the confirmation is checked, then dropped.
void BM_Save(benchmark::State &state)
{
    MainForm &m = Harness->main();
    ScriptedDialogs &dialogs = Harness->dialogs;
    if (!Load(state, CityMap))
        return;
    dialogs.clear();
    for (auto _ : state) {
        dialogs.answerNo();
        m.mnuSave_Click();
        Flush();
        if (dialogs.unexpected() || dialogs.asked().size() != 2
            || dialogs.asked().back().kind != ScriptedDialogs::Kind::Information) {
            state.SkipWithError("the save did not confirm");
            break;
        }
        dialogs.clear();
    }
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    UiHarness h;
    EnlargeRom(h);
    if (!h.start()) {
        std::fprintf(stderr, "The main window did not open on the synthetic game.\n");
        return 1;
    }
    Harness = &h;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Harness = nullptr;
    return 0;
}

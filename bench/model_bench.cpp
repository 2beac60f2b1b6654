#include "core/Defines.h"
#include "core/MapData.h"
#include "mainwindow/model/UndoList.h"
#include "mainwindow/model/ViewFrame.h"
#include "support/TestFiles.h"

#include <benchmark/benchmark.h>

namespace {

constexpr std::size_t RomSize = 1 << 20;
constexpr std::int64_t BlocksetPos = 0x10001;
constexpr std::int64_t BorderPos = 0x20001;
constexpr std::int64_t SmallMapPos = 0x30001;
constexpr std::int64_t LargeMapPos = 0x40001;  // 255 x 255 bytes end well inside 1 MiB

constexpr std::int16_t SmallMap = 0;  // 20 wide, 18 high
constexpr std::int16_t LargeMap = 1;  // 255 x 255

void SetMapRow(int map, std::int64_t blocks, int height, int width)
{
    auto &row = Defines::MapTable[map];
    row[2] = Cell::number(blocks);
    row[3] = Cell::number(BorderPos);
    row[5] = Cell::number(height);
    row[7] = Cell::number(width);
    row[8] = Cell::number(0);
}

// A synthetic ROM and the table rows that point into it; made once for the whole run.
struct SyntheticRom
{
    TempFolder folder;
    std::string path;

    SyntheticRom()
    {
        path = folder.writeBytes("bench.gb", TestFiles::PatternRom(RomSize));
        Defines::Reset();
        Defines::RomPath = path;
        auto &tileset = Defines::TilesetTable[0];
        tileset[3] = Cell::number(0);
        tileset[4] = Cell::number(127);
        tileset[5] = Cell::number(BlocksetPos);
        tileset[6] = Cell::number(0);
        SetMapRow(SmallMap, SmallMapPos, 18, 20);
        SetMapRow(LargeMap, LargeMapPos, 255, 255);
    }
};

const SyntheticRom &Rom()
{
    static SyntheticRom rom;
    return rom;
}

void BM_LoadMap(benchmark::State &state, std::int16_t map)
{
    Rom();
    for (auto _ : state) {
        MapData::Loaded loaded = MapData::LoadMap(map);
        benchmark::DoNotOptimize(loaded);
        benchmark::DoNotOptimize(Defines::MapBlocks);
    }
    const auto bytes = 16 * 128 + 1 + std::int64_t(Defines::MapHeight) * Defines::MapWidth;
    state.SetItemsProcessed(state.iterations() * bytes);
}
BENCHMARK_CAPTURE(BM_LoadMap, 20x18, SmallMap);
BENCHMARK_CAPTURE(BM_LoadMap, 255x255, LargeMap);

// Steady painting on a full list: every push drops the oldest record.
void BM_UndoPushFull(benchmark::State &state)
{
    UndoList list;
    for (int n = 0; n < UndoList::Capacity; ++n)
        list.Push(1, 1, 0);
    std::int16_t n = 0;
    for (auto _ : state) {
        list.Push(n, n, n);
        ++n;
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_UndoPushFull);

// A hundred paints, then a hundred undos.
void BM_UndoFillAndEmpty(benchmark::State &state)
{
    UndoList list;
    for (auto _ : state) {
        for (int n = 0; n < UndoList::Capacity; ++n)
            list.Push(std::int16_t(n), std::int16_t(n), std::int16_t(n));
        int sum = 0;
        while (!list.empty())
            sum += list.Pop().Previous;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 2 * UndoList::Capacity);
}
BENCHMARK(BM_UndoFillAndEmpty);

// A map load's frame and gridline fit, over every size class.
void BM_ViewFrameFit(benchmark::State &state)
{
    ViewFrame frame = ViewFrame::Design();
    int size = 0;
    for (auto _ : state) {
        frame.ShowAllLines();
        frame.Fit(size % 10 + 1, size % 8 + 1);
        ++size;
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_ViewFrameFit);

} // namespace

BENCHMARK_MAIN();

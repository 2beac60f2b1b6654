// Damaged copies of the shipped data files, fed to their readers and to the steps that
// use what the readers accept, against a small made-up ROM. Every copy must either load
// or be refused with a readable data-file message; nothing may crash, hang or throw
// anything else. The damage is drawn with a fixed seed, so a failure repeats.

#include "core/DataFileError.h"
#include "core/Defines.h"
#include "core/MapData.h"
#include "core/MessageText.h"
#include "core/RomExtent.h"
#include "core/RomFile.h"
#include "core/TableReaders.h"
#include "pictures/TilePictures.h"
#include "pictures/TileStore.h"
#include "support/TestFiles.h"
#ifdef TOVRANE_WITH_WARPS
#include "warps/model/WarpRecords.h"
#endif
#ifdef TOVRANE_WITH_EVENTS
#include "events/model/EventRecords.h"
#include "events/model/EventTables.h"
#endif
#ifdef TOVRANE_WITH_WILD
#include "wild/model/PokemonList.h"
#include "wild/model/WildSlots.h"
#endif

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <random>
#include <sstream>
#include <vector>

namespace {

constexpr int CasesPerFile = 300;
constexpr double SecondsPerCase = 2.0;

std::string ShippedText(const std::string &name)
{
    const std::vector<std::uint8_t> bytes = TestFiles::ReadBytes(std::string(TOVRANE_DATA_DIR) + "/" + name);
    return std::string(bytes.begin(), bytes.end());
}

// Damage of the kinds hand edits and broken transfers leave behind.
class Mutator
{
public:
    explicit Mutator(std::uint64_t seed) : m_rng(seed) {}

    std::string damage(std::string text, std::string &how)
    {
        const int rounds = 1 + int(pick(3));
        for (int i = 0; i < rounds; ++i)
            text = damageOnce(std::move(text), how);
        return text;
    }

private:
    std::size_t pick(std::size_t n) { return n == 0 ? 0 : std::size_t(m_rng() % n); }

    static std::vector<std::string> Lines(const std::string &text)
    {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    static std::string Join(const std::vector<std::string> &lines)
    {
        std::string out;
        for (const std::string &l : lines)
            out += l + "\n";
        return out;
    }

    std::string damageOnce(std::string text, std::string &how)
    {
        static const char *const Numbers[] = {"9223372036854775807", "-9223372036854775808", "99999999999999999999",
                                              "8388609", "-8388609", "2147483648", "-1", "0", "65536", "256"};
        std::vector<std::string> lines = Lines(text);
        // Numbers feed the arithmetic, so they are damaged most often.
        const std::size_t draw = pick(14);
        const std::size_t kind = draw >= 10 ? 0 : draw;
        how += " #" + std::to_string(kind);
        switch (kind) {
        case 0: { // a number made huge, negative or zero
            std::vector<std::size_t> starts;
            for (std::size_t i = 0; i < text.size(); ++i)
                if (std::isdigit(static_cast<unsigned char>(text[i])) && (i == 0 || !std::isdigit(static_cast<unsigned char>(text[i - 1]))))
                    starts.push_back(i);
            if (starts.empty())
                return text;
            const std::size_t at = starts[pick(starts.size())];
            std::size_t end = at;
            while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
                ++end;
            return text.replace(at, end - at, Numbers[pick(std::size(Numbers))]);
        }
        case 1:
        case 2: { // a field dropped or repeated
            if (lines.empty())
                return text;
            std::string &line = lines[pick(lines.size())];
            const std::size_t comma = line.find(',', pick(line.size() + 1));
            if (comma == std::string::npos)
                return text;
            const std::size_t next = line.find(',', comma + 1);
            const std::string field = line.substr(comma, next == std::string::npos ? std::string::npos : next - comma);
            if (kind == 1)
                line.erase(comma, field.size());
            else
                line.insert(comma, field);
            return Join(lines);
        }
        case 3: // a line dropped
            if (!lines.empty())
                lines.erase(lines.begin() + std::ptrdiff_t(pick(lines.size())));
            return Join(lines);
        case 4: // a line repeated
            if (!lines.empty()) {
                const std::size_t i = pick(lines.size());
                lines.insert(lines.begin() + std::ptrdiff_t(i), lines[i]);
            }
            return Join(lines);
        case 5: // two lines swapped
            if (lines.size() > 1)
                std::swap(lines[pick(lines.size())], lines[pick(lines.size())]);
            return Join(lines);
        case 6: // the file cut
            return text.substr(0, pick(text.size() + 1));
        case 7: { // stray bytes
            static const char Stray[] = {'\0', '"', ',', '\r', '\n', '\xFF', '\xC3', '#', '-', '7', 'x', ' '};
            std::string bytes;
            for (std::size_t n = 1 + pick(8); n > 0; --n)
                bytes += Stray[pick(sizeof Stray)];
            return text.insert(pick(text.size() + 1), bytes);
        }
        case 8: // old Mac line ends
            for (char &c : text)
                if (c == '\n')
                    c = '\r';
            return text;
        default: // a huge field
            return text.insert(pick(text.size() + 1), std::string(100000, pick(2) ? '9' : 'Q'));
        }
    }

    std::mt19937_64 m_rng;
};

// Every shipped file in a folder of its own, the program's folder of the run, and a
// ROM image as long as the shipped tables need.
class DataMutationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *name : {"TilesetsR.tvr", "TilesetsB.tvr", "MapsR.tvr", "MapsB.tvr", "EventTypes.tvr",
                                 "EventsR.tvr", "EventsB.tvr", "Pokemon.tvr"})
            folder.writeText(name, ShippedText(name));
        rom = folder.writeBytes("game.gb", TestFiles::PatternRom(512 * 1024));
    }

    void ResetState()
    {
        Defines::Reset();
        Defines::ProgramFolder = folder.path();
        Defines::RomPath = rom;
    }

    // Each damaged copy of `name` goes through `use`, which reads it and uses the result.
    void Run(const std::string &name, std::uint64_t seed, const std::function<void()> &use)
    {
        const std::string shipped = ShippedText(name);
        ASSERT_FALSE(shipped.empty()) << name;
        Mutator mutator(seed);
        int loaded = 0, refused = 0, faults = 0;
        for (int n = 0; n < CasesPerFile; ++n) {
            std::string how;
            const std::string path = folder.writeText(name, mutator.damage(shipped, how));
            const auto start = std::chrono::steady_clock::now();
            std::string fault;
            try {
                use();
                ++loaded;
            } catch (const DataFileError &e) {
                const std::string message = e.what();
                ++refused;
                if (message.rfind("The data file " + path, 0) != 0 || message.size() > path.size() + 400
                    || MessageText::Readable(message) != message)
                    fault = "unreadable refusal (" + std::to_string(message.size()) + " bytes): "
                            + message.substr(0, 400);
            } catch (const MapDataError &) {
                ++loaded; // the table was read; the map says why it cannot be shown
            } catch (const RomError &) {
                ++loaded;
#ifdef TOVRANE_WITH_WARPS
            } catch (const WarpDataError &) {
                ++loaded;
#endif
#ifdef TOVRANE_WITH_WILD
            } catch (const WildSlots::PositionError &) {
                ++loaded;
#endif
            } catch (const std::exception &e) {
                fault = std::string("unexpected exception: ") + e.what();
            }
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (fault.empty() && seconds > SecondsPerCase)
                fault = "took " + std::to_string(seconds) + " s";
            if (!fault.empty() && ++faults <= 5)
                ADD_FAILURE() << name << ", copy " << n << " (damage" << how << "): " << fault;
        }
        folder.writeText(name, shipped);
        EXPECT_EQ(faults, 0) << name;
        // Both outcomes must occur, or the damage misses what the readers check.
        EXPECT_GT(loaded, 0) << name;
        EXPECT_GT(refused, 0) << name;
    }

    // What opening a map does with the map and tileset tables.
    static void LoadMaps(const std::vector<int> &maps)
    {
        TileStore::instance().Reload();
        RomExtent::NeededByTables();
        for (int m : maps) {
            try {
                MapData::LoadMap(std::int16_t(m));
            } catch (const MapDataError &) {
                continue;
            }
            for (int t = 0; t < 16; ++t)
                TilePictures::BlockTile(Defines::LastBlock, t);
            MapData::BlockOffset();
#ifdef TOVRANE_WITH_WARPS
            for (auto mode : {WarpRecords::Mode::Warps, WarpRecords::Mode::WarpTo})
                try {
                    WarpRecords::ReadRecords(Defines::RomPath, WarpRecords::ReadMapRow(std::int16_t(m), mode), mode);
                } catch (const WarpDataError &) {
                }
#endif
#ifdef TOVRANE_WITH_WILD
            try {
                WildSlots::Read(Defines::RomPath, WildSlots::SlotPosition(std::int16_t(m)));
            } catch (const std::runtime_error &) {
            }
#endif
        }
    }

    // Map 0 and the first maps whose rows the damage changed, 12 at most.
    static std::vector<int> ChangedMaps(const std::vector<std::vector<Cell>> &before)
    {
        const std::vector<std::vector<Cell>> after = MapRows();
        std::vector<int> maps;
        for (int m = 0; m < Defines::TableRows && maps.size() < 12; ++m)
            if (m == 0 || after[std::size_t(m)] != before[std::size_t(m)])
                maps.push_back(m);
        return maps;
    }

    static std::vector<std::vector<Cell>> MapRows()
    {
        std::vector<std::vector<Cell>> rows;
        for (auto &row : Defines::MapTable)
            rows.emplace_back(row, row + Defines::MapColumns);
        return rows;
    }

    TempFolder folder;
    std::string rom;
};

TEST_F(DataMutationTest, TilesetTables)
{
    for (const std::string letter : {"R", "B"})
        Run("Tilesets" + letter + ".tvr", letter == "R" ? 1 : 2, [&] {
            ResetState();
            TableReaders::ReadMapTable("Maps" + letter + ".tvr");
            TableReaders::ReadTilesetTable("Tilesets" + letter + ".tvr");
            // One map of each of the first tilesets is enough to use every tileset column.
            std::vector<int> maps;
            for (int m = 0; m < Defines::TableRows && maps.size() < 12; ++m)
                if (Defines::MapTable[m][8].num() == std::int64_t(maps.size()))
                    maps.push_back(m);
            LoadMaps(maps);
        });
}

TEST_F(DataMutationTest, MapTables)
{
    for (const std::string letter : {"R", "B"}) {
        ResetState();
        TableReaders::ReadMapTable("Maps" + letter + ".tvr");
        const auto shipped = MapRows();
        Run("Maps" + letter + ".tvr", letter == "R" ? 3 : 4, [&] {
            ResetState();
            TableReaders::ReadTilesetTable("Tilesets" + letter + ".tvr");
            TableReaders::ReadMapTable("Maps" + letter + ".tvr");
            LoadMaps(ChangedMaps(shipped));
        });
    }
}

#ifdef TOVRANE_WITH_EVENTS
// What the event editor does with both event tables on every map.
void LoadEvents()
{
    for (int m = 0; m < EventTables::MapRows; ++m)
        for (int t = 0; t <= EventTables::EventTypeLast; ++t) {
            if (EventTables::CountProblem(m, t))
                continue;
            const EventTables::TypeLayout type = EventTables::Layout(t);
            const int count = EventTables::RecordCount(m, t);
            EventRecords::DataTable data{};
            try {
                EventRecords::Store(data,
                                    EventRecords::ReadTable(Defines::RomPath, EventTables::TablePosition(m, t),
                                                            count, type.RecordLength),
                                    type, {});
            } catch (const RomError &) {
                continue; // records past the end of the ROM: the editor says so
            }
            for (int r = 0; r < count; ++r)
                EventRecords::SquareOf(data, r, type);
        }
}

TEST_F(DataMutationTest, EventTables)
{
    Run("EventTypes.tvr", 5, [&] {
        ResetState();
        EventTables::Reset();
        EventTables::ReadEventTypes("EventTypes.tvr");
        EventTables::ReadMapEvents("EventsR.tvr");
        LoadEvents();
    });
    for (const std::string letter : {"R", "B"})
        Run("Events" + letter + ".tvr", letter == "R" ? 6 : 7, [&] {
            ResetState();
            EventTables::Reset();
            EventTables::ReadEventTypes("EventTypes.tvr");
            EventTables::ReadMapEvents("Events" + letter + ".tvr");
            LoadEvents();
        });
}
#endif

#ifdef TOVRANE_WITH_WILD
TEST_F(DataMutationTest, SpeciesList)
{
    Run("Pokemon.tvr", 8, [&] {
        ResetState();
        PokemonList list;
        list.Read("Pokemon.tvr");
        for (int v = 0; v < 256; ++v) {
            list.EntryOf(v);
            list.NameOf(v);
        }
    });
}
#endif

} // namespace

// Writes the tests' synthetic game (data files and a ROM image "game.gb") into a folder,
// for looking at the real program without any game file. Besides the tables of the
// tests' game, map 0 (Pallet Town, 10 x 9 blocks) gets warps, warp-to points, events of
// every type and wild slots, with the data files that locate them, so that every editor
// window opens on it with something to show.
#include "support/SyntheticGame.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Free ROM space past the tests' largest map (which ends below 0x18000).
constexpr std::int64_t BorderPos = 0x18001; // border byte, then the warp count and the warps
constexpr std::int64_t WarpToPos = 0x18101;
constexpr std::int64_t SignsPos = 0x18201;
constexpr std::int64_t PeoplePos = 0x18301;
constexpr std::int64_t ItemsPos = 0x18401;
constexpr std::int64_t TrainersPos = 0x18501;
constexpr std::int64_t WildPos = 0x18601;

struct Record
{
    std::int64_t pos;
    std::vector<int> bytes;
};

// A warp-to point's placement bytes, as the warp editor computes them for a map W blocks wide.
std::vector<int> WarpTo(int width, int y, int x)
{
    const int value = 0xC6EF + width + x / 2 + (y / 2) * (width + 6);
    return {value & 0xFF, value >> 8, y, x};
}

std::string EventTypesText()
{
    return "Event types of the synthetic game: id, name, events column, record length, y offset, x offset, y byte, "
           "x byte, text string byte, picture byte, movement 1 byte, movement 2 byte, item byte, Pokemon set byte, "
           "trainer type byte\n"
           "Bytes are numbered from 1; 0 = the type has no such field\n"
           "0,\"Signs\",1,3,0,0,1,2,3,0,0,0,0,0,0\n"
           "1,\"People\",3,6,4,4,2,3,6,1,4,5,0,0,0\n"
           "2,\"Items\",5,7,4,4,2,3,6,1,4,5,7,0,0\n"
           "3,\"Trainers\",7,8,4,4,2,3,6,1,4,5,0,8,7\n";
}

std::string EventsText(int signs, int people, int items, int trainers)
{
    std::ostringstream out;
    out << "Event positions of the synthetic game: map number, signs position, signs, people position, people, "
           "items position, items, trainers position, trainers, 0\n"
           "Only map 0 has events\n"
        << "0," << SignsPos << ',' << signs << ',' << PeoplePos << ',' << people << ',' << ItemsPos << ',' << items
        << ',' << TrainersPos << ',' << trainers << ",0\n";
    return out.str();
}

std::string PokemonText()
{
    // Species value (hex), name, list number; the names are as long as real ones get.
    return "8\n"
           "00,\"(none)\",8\n"
           "01,\"Rhydon\",5\n"
           "02,\"Kangaskhan\",3\n"
           "03,\"Nidoran\xE2\x99\x82\",4\n"
           "24,\"Pidgey\",6\n"
           "A5,\"Rattata\",7\n"
           "70,\"Weepinbell\",2\n"
           "54,\"Caterpie\",1\n";
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    SyntheticGame game;
    SyntheticMap &pallet = game.categories[0].maps[0];
    pallet.borderPos = BorderPos;
    pallet.wildPos = WildPos;
    const int width = pallet.width;

    const std::vector<std::vector<int>> warps = {{5, 5, 0, 1}, {5, 14, 1, 2}, {11, 9, 0, 3}};
    const std::vector<std::vector<int>> warpTos = {WarpTo(width, 6, 5), WarpTo(width, 6, 14), WarpTo(width, 10, 9)};
    std::vector<Record> records;
    std::vector<int> warpBytes = {game.borderBlockOf(0) + game.tilesetOf(0).offset, int(warps.size())};
    for (const auto &w : warps)
        warpBytes.insert(warpBytes.end(), w.begin(), w.end());
    records.push_back({BorderPos, warpBytes});
    std::vector<int> warpToBytes;
    for (const auto &w : warpTos)
        warpToBytes.insert(warpToBytes.end(), w.begin(), w.end());
    records.push_back({WarpToPos, warpToBytes});
    // Signs (y, x, text); people (picture, y + 4, x + 4, movement 1, movement 2, text);
    // an item (as a person, plus the item); a trainer (as a person, plus set and type).
    records.push_back({SignsPos, {3, 2, 1, 9, 12, 2, 10, 3, 3}});
    records.push_back({PeoplePos, {1, 8, 10, 0xFE, 0, 4, 2, 12, 16, 0xFF, 1, 5, 3, 14, 7, 0xFE, 2, 6}});
    records.push_back({ItemsPos, {4, 10, 19, 0xFF, 0, 7, 20}});
    records.push_back({TrainersPos, {5, 15, 12, 0xFF, 2, 8, 200, 1}});
    // Ten slots of level and species value; the last one's species is not in the list.
    records.push_back({WildPos, {3, 0x24, 4, 0xA5, 5, 0x24, 3, 0xA5, 6, 0x54, 7, 0x70, 5, 0x03, 8, 0x02, 12, 0x01, 255, 0x99}});
    for (const Record &r : records)
        for (size_t i = 0; i < r.bytes.size(); ++i)
            game.rom[size_t(r.pos - 1) + i] = std::uint8_t(r.bytes[i]);

    // Map 0's line ends in columns 10..17 after its quoted comment.
    std::istringstream in(game.mapTableText());
    std::string maps, line;
    while (std::getline(in, line)) {
        if (line.rfind("0,\"", 0) == 0) {
            std::ostringstream tail;
            tail << ',' << WarpToPos << ",0,#TRUE#," << warpTos.size() << ",0,0," << WildPos << ",#TRUE#";
            line = line.substr(0, line.rfind('"') + 1) + tail.str();
        }
        maps += line + '\n';
    }

    auto write = [&folder](const char *name, const std::string &text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    };
    write("TilesetsR.tvr", game.tilesetTableText());
    write("TilesetsB.tvr", game.tilesetTableText());
    write("MapsR.tvr", maps);
    write("MapsB.tvr", maps);
    write("EventTypes.tvr", EventTypesText());
    write("EventsR.tvr", EventsText(3, 3, 1, 1));
    write("EventsB.tvr", EventsText(3, 3, 1, 1));
    write("Pokemon.tvr", PokemonText());
    std::ofstream rom(folder / "game.gb", std::ios::binary);
    rom.write(reinterpret_cast<const char *>(game.rom.data()), std::streamsize(game.rom.size()));
    return rom ? 0 : 1;
}

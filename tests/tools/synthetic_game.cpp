// Writes the tests' synthetic game (data files and a ROM image "game.gb") into a folder,
// for looking at the real program without any game file.
#include "support/SyntheticGame.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    const SyntheticGame game;
    auto write = [&folder](const char *name, const std::string &text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    };
    write("TilesetsR.tvr", game.tilesetTableText());
    write("TilesetsB.tvr", game.tilesetTableText());
    write("MapsR.tvr", game.mapTableText());
    write("MapsB.tvr", game.mapTableText());
    std::ofstream rom(folder / "game.gb", std::ios::binary);
    rom.write(reinterpret_cast<const char *>(game.rom.data()), std::streamsize(game.rom.size()));
    return rom ? 0 : 1;
}

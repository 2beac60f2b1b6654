#include "TileStore.h"

#include "core/Defines.h"
#include "core/RomFile.h"

#include <algorithm>
#include <unordered_map>

TileStore &TileStore::instance()
{
    static TileStore store;
    return store;
}

const std::array<QRgb, 4> &TileStore::Shades()
{
    static const std::array<QRgb, 4> shades = {qRgb(255, 248, 255), qRgb(192, 199, 192),
                                               qRgb(128, 128, 128), qRgb(0, 0, 0)};
    return shades;
}

std::array<std::uint8_t, 64> TileStore::DecodeTile(const std::uint8_t *bytes)
{
    std::array<std::uint8_t, 64> shades{};
    for (int row = 0; row < 8; ++row) {
        const unsigned low = bytes[2 * row];
        const unsigned high = bytes[2 * row + 1];
        for (int x = 0; x < 8; ++x) {
            const int bit = 7 - x;
            shades[8 * row + x] = std::uint8_t((((high >> bit) & 1u) << 1) | ((low >> bit) & 1u));
        }
    }
    return shades;
}

QImage TileStore::RenderTile(const std::uint8_t *bytes)
{
    const auto shades = DecodeTile(bytes);
    const auto &colours = Shades();
    QImage image(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < 16; ++x)
            line[x] = colours[shades[8 * (y / 2) + x / 2]];
    }
    return image;
}

QImage TileStore::EmptyPicture()
{
    static const QImage empty = [] {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Shades()[0]);
        return image;
    }();
    return empty;
}

const QImage &TileStore::Tile(int index)
{
    Load();
    if (index < 0 || index >= int(m_pictures.size()))
        return m_empty;
    return m_pictures[std::size_t(index)];
}

namespace {

std::vector<std::uint8_t> readWholeFile(const std::string &path)
{
    if (path.empty())
        return {};
    try {
        return RomFiles::ReadAll(path);
    } catch (const RomError &) {
        return {}; // pictures stay empty; the map load reports the ROM itself
    }
}

bool numberCell(const Cell &cell, std::int64_t &value)
{
    if (cell.kind() != Cell::Kind::Number)
        return false;
    value = cell.num();
    return true;
}

} // namespace

void TileStore::Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_empty = EmptyPicture();

    struct Placement
    {
        std::int64_t position; // 1-based ROM position of tile 0
        std::int64_t first;    // picture of tile 0
    };
    std::vector<Placement> placements;
    std::int64_t size = MinimumSize;
    for (int row = 0; row < Defines::TableRows; ++row) {
        std::int64_t position = 0, first = 0;
        if (!numberCell(Defines::TilesetTable[row][1], position) || !numberCell(Defines::TilesetTable[row][3], first))
            continue;
        if (position <= 1 || first < 0 || first >= MaximumSize)
            continue;
        placements.push_back({position, first});
        size = std::max(size, std::min<std::int64_t>(first + TilesPerTileset, MaximumSize));
    }
    m_pictures.assign(std::size_t(size), m_empty);

    const std::vector<std::uint8_t> rom = readWholeFile(Defines::RomPath);
    if (rom.empty())
        return; // no graphics to draw from: every picture stays empty

    // Tilesets that share graphics share the very same pictures.
    std::unordered_map<std::int64_t, QImage> rendered;
    for (const Placement &p : placements) {
        for (int t = 0; t < TilesPerTileset && p.first + t < size; ++t) {
            const std::int64_t offset = p.position - 1 + 16 * std::int64_t(t);
            auto found = rendered.find(offset);
            if (found == rendered.end()) {
                std::uint8_t bytes[16] = {};
                for (int i = 0; i < 16; ++i) {
                    const std::int64_t at = offset + i;
                    if (at >= 0 && at < std::int64_t(rom.size()))
                        bytes[i] = rom[std::size_t(at)];
                }
                found = rendered.emplace(offset, RenderTile(bytes)).first;
            }
            m_pictures[std::size_t(p.first + t)] = found->second;
        }
    }
}

void TileStore::Reload()
{
    m_loaded = false;
    m_pictures.clear();
    Load();
}

void TileStore::ResetForTests()
{
    m_loaded = false;
    m_pictures.clear();
}

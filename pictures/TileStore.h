#pragma once

#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

// The tile picture store: every tile the program draws is one of its pictures,
// a 16 x 16 image of an 8 x 8 Game Boy tile at double size in four grey shades.
// It is loaded at the first request, and again from each ROM image the start-up road
// opens (Reload); every caller gets the same picture for the same index, and an index
// outside the store gives an empty picture (the lightest shade).
//
// The pictures are rendered from the tile graphics of the ROM image at
// Defines::RomPath, as the tileset table places them: column 1 of a row is the
// 1-based position of the tileset's graphics (1 = none), column 3 the index of its
// tile 0; tile t (0..95) is rendered from the 16 bytes at column 1 + 16 t.
class TileStore
{
public:
    static constexpr int MinimumSize = 520;
    static constexpr int TilesPerTileset = 96;
    // Callers add tile numbers as 16-bit integers, so no index past this is ever asked for.
    static constexpr int MaximumSize = 32768;

    static TileStore &instance();

    // The picture of index i (Tile(i)); loads the store at the first request.
    const QImage &Tile(int index);
    // Loads the store when it is not loaded; a loaded store is left alone.
    void Load();
    // Renders every picture anew from the ROM at Defines::RomPath and the tileset table
    // now read: each opened ROM (and version) is drawn from its own graphics.
    void Reload();
    bool Loaded() const { return m_loaded; }
    int size() const { return int(m_pictures.size()); }

    // Forget the pictures (tests only).
    void ResetForTests();

    // The four shades, lightest first.
    static const std::array<QRgb, 4> &Shades();
    // Shade (0..3) of each of the 64 pixels of a 16-byte Game Boy tile, row by row.
    static std::array<std::uint8_t, 64> DecodeTile(const std::uint8_t *bytes);
    // The 16 x 16 picture of a 16-byte tile.
    static QImage RenderTile(const std::uint8_t *bytes);
    static QImage EmptyPicture();

private:
    TileStore() = default;
    bool m_loaded = false;
    std::vector<QImage> m_pictures;
    QImage m_empty;
};

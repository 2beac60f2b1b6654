#include "TilePictures.h"

#include "core/Defines.h"
#include "pictures/TileStore.h"

namespace TilePictures {

const QImage &TilesetTile(int t)
{
    // The index is a 16-bit sum; one outside the store gives the empty picture.
    const long long first = Defines::TilesetTable[Defines::CurTileset][3].num();
    const long long index = first + t;
    if (index < -32768 || index > 32767)
        return TileStore::instance().Tile(-1);
    return TileStore::instance().Tile(int(index));
}

const QImage &BlockTile(int b, int j)
{
    if (b < 0 || b > 255)
        return TileStore::instance().Tile(-1);
    return TilesetTile(Defines::BlockTiles[b][j]);
}

} // namespace TilePictures

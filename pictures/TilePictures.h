#pragma once

#include <QImage>

// The one way every window turns a tile of a block into a store picture.
namespace TilePictures {

// Picture of tile position j (0..15) of block b of the current tileset:
// store picture TilesetTable(CurTileset, 3) + BlockTiles(b, j). A block number outside
// 0..255 has no row in BlockTiles and is drawn as an empty block (lightest shade).
const QImage &BlockTile(int b, int j);

// Picture of tile t of the current tileset (TilesetTable(CurTileset, 3) + t).
const QImage &TilesetTile(int t);

} // namespace TilePictures

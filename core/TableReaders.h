#pragma once

#include <string>

// Readers of the comma-separated data files beside the program. Both fill the
// tables of Defines, row by row, without clearing rows the file does not reach.
// Any failure throws DataFileError naming the file, the line and the problem.
namespace TableReaders {

// Fills Defines::TilesetTable from the file `fileName` in the program's folder.
void ReadTilesetTable(const std::string &fileName);

// Fills Defines::CategoryTable, Defines::MapTable and Defines::LastCategory from
// the map table file `fileName` in the program's folder.
void ReadMapTable(const std::string &fileName);

} // namespace TableReaders

#pragma once

#include <string>

// Readers of the comma-separated data files beside the program. Both fill the
// tables of Defines, row by row, without clearing rows the file does not reach.
// Any failure throws DataFileError naming the file, the line and the problem; the
// tables are filled only once the whole file has been read, so a failed reading
// leaves them as they were.
//
// Field syntax: a text in double quotes (commas allowed inside, no line end), a
// decimal number with an optional leading minus (at most 8 MiB either way, the size of
// the largest Game Boy ROM), #TRUE# or #FALSE#, or nothing (an empty cell). Spaces
// around fields are ignored; lines may end in LF, CRLF or CR.
// Records run on over line ends, but the last field of a record must end its line.
namespace TableReaders {

// Fills Defines::TilesetTable from the file `fileName` in the program's folder:
// a header line, then 7-field tileset lines until the end of the file (at least one).
void ReadTilesetTable(const std::string &fileName);

// Fills Defines::CategoryTable, Defines::MapTable and Defines::LastCategory from
// the map table file `fileName` in the program's folder: a header line, then for
// each category a separator line, a 3-field category line (name, first map number,
// map count) and that many 18-field map lines.
void ReadMapTable(const std::string &fileName);

} // namespace TableReaders

#pragma once

#include "core/Cell.h"

#include <string>

// The species list "Pokemon.tvr": N, then N records of (species value in hex, name,
// list number). Failures throw DataFileError naming the file, the line and the problem.
class PokemonList
{
public:
    // PokeTab(v, 1..3): value, name, list number, by species value 0..255.
    Cell PokeTab[256][4];
    // PokeList(n, 1..2): species value, name, by list number 0..255.
    Cell PokeList[256][3];
    int Count = 0; // N

    // Reads the file `fileName` from the program's folder into the tables (rows no
    // record fills keep what they held).
    //
    // The count stands alone on the first line that holds anything and lies in 0..255
    // (the drop-down list shows list numbers 1 to N). Each record is one line of three
    // fields; blank lines are skipped and whatever follows the N-th record is not read.
    // A malformed file changes nothing: the tables and Count stay as they were.
    void Read(const std::string &fileName);

    // The drop-down entry (list number - 1) of species value v, or -1 when the list
    // does not hold v or its list number has no entry among the N shown.
    int EntryOf(int v) const;
    // The name of species value v (the later record's when two share it); empty when
    // the list does not hold v.
    std::string NameOf(int v) const;
};

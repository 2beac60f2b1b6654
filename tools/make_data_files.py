#!/usr/bin/env python3
"""Writes Tovrane's data tables for Pokémon Red and Blue.

    python3 tools/make_data_files.py FACTS_FOLDER OUTPUT_FOLDER

FACTS_FOLDER holds README.md (which documents the record layouts) and red/ and
blue/ with maps.tsv, tilesets.tsv, warpto.tsv, wild.tsv, objects.tsv and
species.tsv: the positions, sizes and names found in the two ROM images. Every
number written comes from there; this script only arranges them and first checks
every fact it relies on, stopping with a message at the first one that does not
hold.

Written: TilesetsR.tvr, TilesetsB.tvr, MapsR.tvr, MapsB.tvr, EventTypes.tvr,
EventsR.tvr, EventsB.tvr and Pokemon.tvr (UTF-8, one record a line, no empty line
at the end).

The steps live in the datagen package beside this file.
"""

import sys

from datagen.facts import FactError
from datagen.main import main

if __name__ == '__main__':
    try:
        sys.exit(main(sys.argv))
    except FactError as e:
        sys.stderr.write('make_data_files: %s\n' % e)
        sys.exit(1)

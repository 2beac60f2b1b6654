"""The whole run: read and check both versions, make every table, check that the
versions agree, and only then write the files."""

import os
import sys

from .categories import CATEGORIES, check_categories
from .checks import check_maps, check_tilesets, check_versions_agree
from .events import check_events_agree, event_lines, event_tables, event_type_lines
from .facts import TILES_LOADED, VERSIONS, Version, check
from .mapcomments import block_sharing
from .maptable import map_lines, strip_positions
from .records import check_object_records, record_layouts
from .pokemon import species_lines, species_names
from .tilesets import first_pictures, tileset_lines
from .writing import write_lines


def main(argv):
    if len(argv) != 3:
        sys.stderr.write('usage: %s FACTS_FOLDER OUTPUT_FOLDER\n' % argv[0])
        return 2
    facts, out = argv[1], argv[2]
    versions = []
    for folder, letter, title in VERSIONS:
        v = Version(facts, folder)
        v.letter, v.title = letter, title
        check_tilesets(v)
        check_maps(v)
        check_categories(v)
        versions.append(v)
    check_versions_agree(*versions)

    written = {}
    pictures = []
    for v in versions:
        pictures.append(first_pictures(v))
        written[v.letter] = (tileset_lines(v, pictures[-1]), map_lines(v))
    check(pictures[0] == pictures[1], 'the versions number their tile pictures differently')
    check(strip_positions(written['R'][1]) == strip_positions(written['B'][1]),
          'the map tables differ in more than positions')

    with open(os.path.join(facts, 'README.md'), encoding='utf-8') as f:
        layouts = record_layouts(f.read())
    events = {}
    for v in versions:
        check_object_records(v, layouts)
        events[v.letter] = event_tables(v, layouts)
    check_events_agree(events['R'], events['B'])
    species = [species_names(v) for v in versions]
    check(species[0] == species[1], 'the versions name their species differently')

    os.makedirs(out, exist_ok=True)
    for letter, (tilesets, maps) in written.items():
        write_lines(os.path.join(out, 'Tilesets%s.tvr' % letter), tilesets)
        write_lines(os.path.join(out, 'Maps%s.tvr' % letter), maps)
    write_lines(os.path.join(out, 'EventTypes.tvr'), event_type_lines(layouts))
    for v in versions:
        write_lines(os.path.join(out, 'Events%s.tvr' % v.letter), event_lines(v, events[v.letter]))
    write_lines(os.path.join(out, 'Pokemon.tvr'), species_lines(species[0]))

    red = versions[0]
    shared, partial = block_sharing(red)
    groups = {tuple(sorted([c] + others)) for c, others in shared.items()}
    print('%d maps in %d categories; %d tile pictures; %d groups share blocks; '
          '%d maps with events; %d species values'
          % (len(red.used), len(CATEGORIES), max(pictures[0]) + TILES_LOADED, len(groups),
             len(events['R']), len(species[0])))
    return 0

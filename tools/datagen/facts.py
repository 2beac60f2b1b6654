"""Reading the facts folder: the sizes of the games' records, the tab-separated
fact tables of one version, and the parsers every other step checks them with."""

import csv
import os
import re
from collections import defaultdict

ROM_SIZE = 1 << 20            # both games are 1 MiB images
TILESET_COUNT = 24
TILES_LOADED = 96             # the game always loads 96 tiles of a tileset
TILE_BYTES = 16
BLOCK_BYTES = 16              # 4 x 4 tile numbers
WILD_SLOT_BYTES = 20          # 10 level/species pairs
WARP_BYTES = 4
SIGN_BYTES = 3
WARP_TO_BYTES = 4
MAX_TABLE_ROWS = 256
OBJECT_LENGTHS = {'person': 6, 'item': 7, 'trainer': 8}
KIND_LETTERS = {'P': 'person', 'I': 'item', 'T': 'trainer'}

VERSIONS = (('red', 'R', 'Pokémon Red'), ('blue', 'B', 'Pokémon Blue'))


class FactError(Exception):
    pass


def check(condition, message):
    if not condition:
        raise FactError(message)


def read_tsv(path):
    with open(path, encoding='utf-8', newline='') as f:
        return list(csv.DictReader(f, delimiter='\t'))


def number(row, column):
    value = row[column]
    check(re.fullmatch(r'-?\d+', value or ''), '%s: column %s is not a number: %r'
          % (row.get('constant') or row.get('map_label') or row, column, value))
    return int(value)


def at(row, column, expected):
    """A position column holds `expected`; an empty cell is allowed where the facts
    give no position because there is nothing there (count 0)."""
    return row[column] == '' or number(row, column) == expected


def hex_byte(text):
    check(re.fullmatch(r'\$[0-9A-Fa-f]{2}', text), 'not a $xx byte: %r' % text)
    return int(text[1:], 16)


def within_rom(first, last, what):
    check(1 <= first <= last <= ROM_SIZE,
          '%s: positions %d..%d do not lie within a 1 MiB image' % (what, first, last))


class Version:
    def __init__(self, folder, name):
        self.name = name
        self.maps = read_tsv(os.path.join(folder, name, 'maps.tsv'))
        self.tilesets = read_tsv(os.path.join(folder, name, 'tilesets.tsv'))
        self.warpto = read_tsv(os.path.join(folder, name, 'warpto.tsv'))
        self.wild = read_tsv(os.path.join(folder, name, 'wild.tsv'))
        self.objects = read_tsv(os.path.join(folder, name, 'objects.tsv'))
        self.species = read_tsv(os.path.join(folder, name, 'species.tsv'))
        self.by_constant = {m['constant']: m for m in self.maps}
        self.used = [m for m in self.maps if m['status'] == 'used']


def rows_by_map(rows):
    """{map id: [rows of that map, in file order]}. Grouped only when a step needs
    it, so that a bad map id is reported by the step that reads it."""
    grouped = defaultdict(list)
    for row in rows:
        grouped[number(row, 'map_id')].append(row)
    return grouped


def in_index_order(objects):
    """A map's object rows in the order of their object numbers."""
    return sorted(objects, key=lambda o: number(o, 'index'))


def object_runs(text):
    """'P1 T3 I3 P1' -> [('person', 1), ('trainer', 3), ...]"""
    runs = []
    for part in text.split():
        m = re.fullmatch(r'([PIT])(\d+)', part)
        check(m, 'unreadable object kinds %r' % text)
        runs.append((KIND_LETTERS[m.group(1)], int(m.group(2))))
    return runs


def reachable_object_runs(runs):
    """For each kind, the run the event editor reaches: the event tables locate one
    table of records per kind and map, so a kind split into several runs is reached
    only in its longest run (the first of equally long ones). Returns
    {kind: (first object number, count)} with objects numbered from 1."""
    best = {}
    first = 1
    for kind, count in runs:
        if kind not in best or count > best[kind][1]:
            best[kind] = (first, count)
        first += count
    return best


def unreachable_objects(runs):
    """{kind: [object numbers outside the reachable run]} for kinds that interleave."""
    best = reachable_object_runs(runs)
    lost = defaultdict(list)
    first = 1
    for kind, count in runs:
        if (first, count) != best[kind]:
            lost[kind].extend(range(first, first + count))
        first += count
    return dict(lost)

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
"""

import csv
import os
import re
import sys
from collections import OrderedDict, defaultdict

ROM_SIZE = 1 << 20            # both games are 1 MiB images
TILESET_COUNT = 24
TILES_LOADED = 96             # the game always loads 96 tiles of a tileset
TILE_BYTES = 16
BLOCK_BYTES = 16              # 4 x 4 tile numbers
WILD_SLOT_BYTES = 20          # 10 level/species pairs
WARP_BYTES = 4
SIGN_BYTES = 3
WARP_TO_BYTES = 4
WARP_EDITOR_SYMBOLS = 16      # records the warp editor can show at once
MAX_TABLE_ROWS = 256
OBJECT_LENGTHS = {'person': 6, 'item': 7, 'trainer': 8}
KIND_LETTERS = {'P': 'person', 'I': 'item', 'T': 'trainer'}
KIND_PLURALS = {'person': 'persons', 'item': 'items', 'trainer': 'trainers'}

VERSIONS = (('red', 'R', 'Pokémon Red'), ('blue', 'B', 'Pokémon Blue'))

# The map list: categories in list order, each with its maps in list order
# (the games' own map constants). Pallet Town comes first, as map 0.
CATEGORIES = [
    ('Pallet Town', [
        'PALLET_TOWN', 'REDS_HOUSE_1F', 'REDS_HOUSE_2F', 'BLUES_HOUSE', 'OAKS_LAB']),
    ('Viridian City', [
        'VIRIDIAN_CITY', 'VIRIDIAN_POKECENTER', 'VIRIDIAN_MART', 'VIRIDIAN_SCHOOL_HOUSE',
        'VIRIDIAN_NICKNAME_HOUSE', 'VIRIDIAN_GYM']),
    ('Pewter City', [
        'PEWTER_CITY', 'PEWTER_POKECENTER', 'PEWTER_MART', 'PEWTER_GYM', 'MUSEUM_1F',
        'MUSEUM_2F', 'PEWTER_NIDORAN_HOUSE', 'PEWTER_SPEECH_HOUSE']),
    ('Cerulean City', [
        'CERULEAN_CITY', 'CERULEAN_POKECENTER', 'CERULEAN_MART', 'CERULEAN_GYM',
        'BIKE_SHOP', 'CERULEAN_TRASHED_HOUSE', 'CERULEAN_TRADE_HOUSE',
        'CERULEAN_BADGE_HOUSE']),
    ('Vermilion City', [
        'VERMILION_CITY', 'VERMILION_POKECENTER', 'VERMILION_MART', 'VERMILION_GYM',
        'POKEMON_FAN_CLUB', 'VERMILION_PIDGEY_HOUSE', 'VERMILION_OLD_ROD_HOUSE',
        'VERMILION_TRADE_HOUSE']),
    ('S.S. Anne', [
        'VERMILION_DOCK', 'SS_ANNE_1F', 'SS_ANNE_2F', 'SS_ANNE_3F', 'SS_ANNE_B1F',
        'SS_ANNE_BOW', 'SS_ANNE_KITCHEN', 'SS_ANNE_CAPTAINS_ROOM', 'SS_ANNE_1F_ROOMS',
        'SS_ANNE_2F_ROOMS', 'SS_ANNE_B1F_ROOMS']),
    ('Lavender Town', [
        'LAVENDER_TOWN', 'LAVENDER_POKECENTER', 'LAVENDER_MART', 'MR_FUJIS_HOUSE',
        'LAVENDER_CUBONE_HOUSE', 'NAME_RATERS_HOUSE']),
    ('Celadon City', [
        'CELADON_CITY', 'CELADON_POKECENTER', 'CELADON_GYM', 'CELADON_MART_1F',
        'CELADON_MART_2F', 'CELADON_MART_3F', 'CELADON_MART_4F', 'CELADON_MART_5F',
        'CELADON_MART_ROOF', 'CELADON_MART_ELEVATOR', 'CELADON_MANSION_1F',
        'CELADON_MANSION_2F', 'CELADON_MANSION_3F', 'CELADON_MANSION_ROOF',
        'CELADON_MANSION_ROOF_HOUSE', 'GAME_CORNER', 'GAME_CORNER_PRIZE_ROOM',
        'CELADON_DINER', 'CELADON_CHIEF_HOUSE', 'CELADON_HOTEL']),
    ('Fuchsia City', [
        'FUCHSIA_CITY', 'FUCHSIA_POKECENTER', 'FUCHSIA_MART', 'FUCHSIA_GYM',
        'WARDENS_HOUSE', 'FUCHSIA_MEETING_ROOM', 'FUCHSIA_BILLS_GRANDPAS_HOUSE',
        'FUCHSIA_GOOD_ROD_HOUSE']),
    ('Saffron City', [
        'SAFFRON_CITY', 'SAFFRON_POKECENTER', 'SAFFRON_MART', 'SAFFRON_GYM',
        'FIGHTING_DOJO', 'COPYCATS_HOUSE_1F', 'COPYCATS_HOUSE_2F', 'SAFFRON_PIDGEY_HOUSE',
        'MR_PSYCHICS_HOUSE']),
    ('Cinnabar Island', [
        'CINNABAR_ISLAND', 'CINNABAR_POKECENTER', 'CINNABAR_MART', 'CINNABAR_GYM',
        'CINNABAR_LAB', 'CINNABAR_LAB_TRADE_ROOM', 'CINNABAR_LAB_METRONOME_ROOM',
        'CINNABAR_LAB_FOSSIL_ROOM']),
    ('Indigo Plateau', [
        'INDIGO_PLATEAU', 'INDIGO_PLATEAU_LOBBY', 'LORELEIS_ROOM', 'BRUNOS_ROOM',
        'AGATHAS_ROOM', 'LANCES_ROOM', 'CHAMPIONS_ROOM', 'HALL_OF_FAME']),
    ('Routes', ['ROUTE_%d' % n for n in range(1, 26)]),
    ('Route Houses', [
        'ROUTE_2_TRADE_HOUSE', 'DAYCARE', 'ROUTE_12_SUPER_ROD_HOUSE', 'ROUTE_16_FLY_HOUSE',
        'BILLS_HOUSE']),
    ('Route Gates', [
        'ROUTE_2_GATE', 'ROUTE_5_GATE', 'ROUTE_6_GATE', 'ROUTE_7_GATE', 'ROUTE_8_GATE',
        'ROUTE_11_GATE_1F', 'ROUTE_11_GATE_2F', 'ROUTE_12_GATE_1F', 'ROUTE_12_GATE_2F',
        'ROUTE_15_GATE_1F', 'ROUTE_15_GATE_2F', 'ROUTE_16_GATE_1F', 'ROUTE_16_GATE_2F',
        'ROUTE_18_GATE_1F', 'ROUTE_18_GATE_2F', 'ROUTE_22_GATE']),
    ('Viridian Forest', [
        'VIRIDIAN_FOREST_SOUTH_GATE', 'VIRIDIAN_FOREST', 'VIRIDIAN_FOREST_NORTH_GATE']),
    ('Mt. Moon', ['MT_MOON_1F', 'MT_MOON_B1F', 'MT_MOON_B2F', 'MT_MOON_POKECENTER']),
    ("Diglett's Cave", ['DIGLETTS_CAVE_ROUTE_2', 'DIGLETTS_CAVE', 'DIGLETTS_CAVE_ROUTE_11']),
    ('Rock Tunnel', ['ROCK_TUNNEL_1F', 'ROCK_TUNNEL_B1F', 'ROCK_TUNNEL_POKECENTER']),
    ('Power Plant', ['POWER_PLANT']),
    ('Pokémon Tower', ['POKEMON_TOWER_%dF' % n for n in range(1, 8)]),
    ('Rocket Hideout', [
        'ROCKET_HIDEOUT_B1F', 'ROCKET_HIDEOUT_B2F', 'ROCKET_HIDEOUT_B3F',
        'ROCKET_HIDEOUT_B4F', 'ROCKET_HIDEOUT_ELEVATOR']),
    ('Underground Path', [
        'UNDERGROUND_PATH_ROUTE_5', 'UNDERGROUND_PATH_NORTH_SOUTH', 'UNDERGROUND_PATH_ROUTE_6',
        'UNDERGROUND_PATH_ROUTE_7', 'UNDERGROUND_PATH_ROUTE_7_COPY',
        'UNDERGROUND_PATH_WEST_EAST', 'UNDERGROUND_PATH_ROUTE_8']),
    ('Silph Co.', ['SILPH_CO_%dF' % n for n in range(1, 12)] + ['SILPH_CO_ELEVATOR']),
    ('Safari Zone', [
        'SAFARI_ZONE_GATE', 'SAFARI_ZONE_CENTER', 'SAFARI_ZONE_EAST', 'SAFARI_ZONE_NORTH',
        'SAFARI_ZONE_WEST', 'SAFARI_ZONE_CENTER_REST_HOUSE', 'SAFARI_ZONE_EAST_REST_HOUSE',
        'SAFARI_ZONE_NORTH_REST_HOUSE', 'SAFARI_ZONE_WEST_REST_HOUSE',
        'SAFARI_ZONE_SECRET_HOUSE']),
    ('Seafoam Islands', ['SEAFOAM_ISLANDS_1F'] +
        ['SEAFOAM_ISLANDS_B%dF' % n for n in range(1, 5)]),
    ('Pokémon Mansion', [
        'POKEMON_MANSION_1F', 'POKEMON_MANSION_2F', 'POKEMON_MANSION_3F',
        'POKEMON_MANSION_B1F']),
    ('Victory Road', ['VICTORY_ROAD_1F', 'VICTORY_ROAD_2F', 'VICTORY_ROAD_3F']),
    ('Cerulean Cave', ['CERULEAN_CAVE_1F', 'CERULEAN_CAVE_2F', 'CERULEAN_CAVE_B1F']),
    ('Link Rooms', ['TRADE_CENTER', 'COLOSSEUM']),
]

LIST_ORDER = {c: i for i, c in enumerate(c for _, maps in CATEGORIES for c in maps)}

# Notes of used maps that this script understands; any other note stops it, so
# that nothing odd the facts report goes unread.
KNOWN_NOTES = [
    re.compile(r'^$'),
    re.compile(r'^\d+ extra warp-to entr(y|ies) after the \d+ counted ones'),
    re.compile(r'^maps/\S+\.blk is \d+ bytes but width\*height = \d+; the game reads \d+ bytes$'),
    re.compile(r'^header uses (\w+) for its size; def_warps_to uses (\w+) \(width (\d+)\); '
               r'header width (\d+)$'),
]


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


# --- reading and checking one version -------------------------------------------

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


def check_tilesets(v):
    check(len(v.tilesets) == TILESET_COUNT, '%s: %d tilesets, not %d'
          % (v.name, len(v.tilesets), TILESET_COUNT))
    by_gfx = defaultdict(set)
    for i, t in enumerate(v.tilesets):
        what = '%s tileset %s' % (v.name, t['constant'])
        check(number(t, 'tileset_id') == i, '%s: tileset ids are not 0..%d in order'
              % (v.name, TILESET_COUNT - 1))
        gfx = number(t, 'gfx_pos')
        within_rom(gfx, gfx + TILES_LOADED * TILE_BYTES - 1, what + ' graphics')
        check(number(t, 'gfx_bytes') == number(t, 'gfx_tiles') * TILE_BYTES,
              what + ': graphics length is not 16 bytes a tile')
        blocks = number(t, 'blockset_blocks')
        check(1 <= blocks <= 256, what + ': block count outside 1..256')
        check(number(t, 'blockset_bytes') == blocks * BLOCK_BYTES,
              what + ': block table length is not 16 bytes a block')
        blockset = number(t, 'blockset_pos')
        within_rom(blockset, blockset + blocks * BLOCK_BYTES - 1, what + ' block table')
        by_gfx[gfx].add(t['gfx_file'])
    for gfx, files in by_gfx.items():
        check(len(files) == 1, '%s: graphics at %d come from several files' % (v.name, gfx))
    # The sharing the facts name is exactly the sharing of positions.
    for t in v.tilesets:
        sharers = {u['constant'] for u in v.tilesets
                   if u is not t and u['gfx_pos'] == t['gfx_pos']}
        check(sharers == set(t['shares_gfx_with'].split()),
              '%s tileset %s: graphics sharing does not match its positions'
              % (v.name, t['constant']))


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


def placement(width, x, y):
    """The event placement of a warp-to point: the game's map buffer address of the
    block row and column that hold square (x, y) of a map `width` blocks wide."""
    return 0xC6E8 + 7 + width + (width + 6) * (y // 2) + (x // 2)


def check_maps(v):
    ids = [number(m, 'map_id') for m in v.maps]
    check(ids == list(range(len(ids))), '%s: map ids are not 0..n-1 in order' % v.name)
    check(len(v.used) <= MAX_TABLE_ROWS, '%s: more used maps than table rows' % v.name)
    for m in v.maps:
        if m['status'] == 'unused':
            check(m['blocks_pos'] == '' and m['object_pos'] == '',
                  '%s: unused map %s has data' % (v.name, m['constant']))
        elif m['status'] == 'copy':
            owner = re.search(r'with map [0-9A-F]{2} (\w+);', m['notes'])
            check(owner, '%s: copy %s names no owner' % (v.name, m['constant']))
            o = v.by_constant[owner.group(1)]
            for column in ('blocks_pos', 'object_pos', 'height_blocks', 'width_blocks',
                           'tileset_id', 'warpto_pos', 'warpto_count'):
                check(m[column] == o[column], '%s: copy %s differs from %s in %s'
                      % (v.name, m['constant'], o['constant'], column))
        else:
            check(m['status'] == 'used', '%s: unknown status %r' % (v.name, m['status']))

    objects = defaultdict(list)
    for o in v.objects:
        objects[number(o, 'map_id')].append(o)
    warpto = defaultdict(list)
    for w in v.warpto:
        warpto[number(w, 'map_id')].append(w)
    wild = defaultdict(dict)
    for w in v.wild:
        wild[number(w, 'map_id')][w['kind']] = w

    for m in v.used:
        mid = number(m, 'map_id')
        what = '%s map %s' % (v.name, m['constant'])
        check(any(p.match(m['notes']) for p in KNOWN_NOTES), what + ': unknown note: '
              + m['notes'])
        h, w = number(m, 'height_blocks'), number(m, 'width_blocks')
        check(1 <= h <= 255 and 1 <= w <= 255, what + ': size outside 1..255 blocks')
        borrowed = KNOWN_NOTES[3].match(m['notes'])
        if borrowed:
            # Its header takes the size of another map: harmless only when the widths
            # agree, since warp-to placements depend on the width.
            check(int(borrowed.group(3)) == int(borrowed.group(4)) == w,
                  what + ': the widths named in its note differ from its own')
        tileset = number(m, 'tileset_id')
        check(0 <= tileset < TILESET_COUNT
              and v.tilesets[tileset]['constant'] == m['tileset_constant'],
              what + ': tileset id and name do not agree')

        blocks = number(m, 'blocks_pos')
        within_rom(blocks, blocks + h * w - 1, what + ' blocks')
        short = re.match(r'^maps/\S+\.blk is (\d+) bytes but width\*height = (\d+); '
                         r'the game reads (\d+) bytes$', m['notes'])
        if short:
            check(int(short.group(2)) == h * w and int(short.group(3)) == h * w
                  and int(short.group(1)) == number(m, 'blk_file_bytes'),
                  what + ': note on its block file does not match its size')
        else:
            check(number(m, 'blk_file_bytes') == h * w, what + ': block bytes != height x width')

        # Object data: border block byte, warp count, warps, sign count, signs,
        # object count, objects, then the warp-to records.
        obj = number(m, 'object_pos')
        hex_byte(m['border_block_byte'])   # the first byte of the object data
        warps = number(m, 'warp_count')
        check(at(m, 'warps_pos', obj + 2) and (m['warps_pos'] or not warps),
              what + ': warps do not follow the border block and warp count bytes')
        signs_count_pos = obj + 2 + WARP_BYTES * warps
        signs = number(m, 'bg_count')
        check(at(m, 'bg_pos', signs_count_pos + 1) and (m['bg_pos'] or not signs),
              what + ': signs misplaced')
        objects_count_pos = signs_count_pos + 1 + SIGN_BYTES * signs
        check(at(m, 'objects_pos', objects_count_pos + 1)
              and (m['objects_pos'] or not number(m, 'object_count')),
              what + ': objects misplaced')
        runs = object_runs(m['object_kinds_runs'])
        records = sorted(objects[mid], key=lambda o: number(o, 'index'))
        check(len(records) == number(m, 'object_count') == sum(c for _, c in runs),
              what + ': object counts disagree')
        kinds = [k for k, c in runs for _ in range(c)]
        position = objects_count_pos + 1
        for i, (o, kind) in enumerate(zip(records, kinds)):
            check(number(o, 'index') == i + 1 and o['kind'] == kind
                  and number(o, 'position') == position
                  and number(o, 'length') == OBJECT_LENGTHS[kind],
                  what + ': object %d does not follow its kind runs' % (i + 1))
            position += OBJECT_LENGTHS[kind]
        interleaved = len({k for k, _ in runs}) != len(runs)
        check(interleaved == (m['objects_interleaved'] == 'yes'),
              what + ': interleaving flag disagrees with its kind runs')
        within_rom(obj, max(position, obj + 1) - 1, what + ' object data')

        # Warp-to records: one per warp, right after the objects, each placed by the
        # formula with the map's own width (so no map needs a placement adjustment).
        check(number(m, 'warpto_count') == warps, what + ': warp-to records != warps')
        wt = position
        check(at(m, 'warpto_pos', wt) and (m['warpto_pos'] or not warps),
              what + ': warp-to records do not follow the objects')
        counted = [r for r in warpto[mid] if re.fullmatch(r'\d+', r['warp_index'])]
        extra = [r for r in warpto[mid] if r['warp_index'].startswith('extra')]
        check(len(counted) + len(extra) == len(warpto[mid]), what + ': odd warp-to rows')
        check(len(counted) == warps, what + ': warp-to rows != warp count')
        for i, r in enumerate(sorted(counted, key=lambda r: int(r['warp_index']))):
            low, high, y, x = (int(b, 16) for b in r['bytes_hex'].split())
            check(int(r['warp_index']) == i and number(r, 'position') == wt + WARP_TO_BYTES * i,
                  what + ': warp-to record %d misplaced' % i)
            check(number(r, 'width_used') == w, what + ': warp-to %d uses another width' % i)
            check((x, y) == (number(r, 'warp_x'), number(r, 'warp_y')),
                  what + ': warp-to %d square disagrees with its bytes' % i)
            check(high * 256 + low == placement(w, x, y),
                  what + ': warp-to %d does not follow the placement formula' % i)
        check(len(extra) == number(m, 'warpto_extra_count'), what + ': extra warp-to count')
        for i, r in enumerate(sorted(extra, key=lambda r: int(r['warp_index'][5:]))):
            check(number(r, 'position') == wt + WARP_TO_BYTES * (warps + i),
                  what + ': extra warp-to record %d misplaced' % i)
        if warps or extra:
            within_rom(wt, wt + WARP_TO_BYTES * (warps + len(extra)) - 1, what + ' warp-to')
        check(number(m, 'object_data_end_pos') == wt + WARP_TO_BYTES * (warps + len(extra)),
              what + ': object data does not end after its warp-to records')

        # Wild data: grass rate [+ 20 slot bytes], water rate [+ 20 slot bytes].
        base = number(m, 'wild_pos')
        grass_rate, water_rate = number(m, 'grass_rate'), number(m, 'water_rate')
        grass = base + 1 if grass_rate else None
        water_rate_pos = base + 1 + (WILD_SLOT_BYTES if grass_rate else 0)
        water = water_rate_pos + 1 if water_rate else None
        for kind, pos, rate, column in (('grass', grass, grass_rate, 'grass_slots_pos'),
                                        ('water', water, water_rate, 'water_slots_pos')):
            if pos is None:
                check(m[column] == '' and kind not in wild[mid],
                      what + ': %s slots without a %s rate' % (kind, kind))
                continue
            check(number(m, column) == pos, what + ': %s slots misplaced' % kind)
            row = wild[mid].get(kind)
            check(row is not None and number(row, 'slots_pos') == pos
                  and number(row, 'rate') == rate,
                  what + ': %s slots disagree with the wild tables' % kind)
            within_rom(pos, pos + WILD_SLOT_BYTES - 1, what + ' %s slots' % kind)


def check_versions_agree(red, blue):
    """Both versions have the same maps and tilesets; only positions may differ."""
    check(len(red.maps) == len(blue.maps), 'the versions have different map lists')
    for r, b in zip(red.maps, blue.maps):
        for column in ('map_id', 'constant', 'name', 'status', 'height_blocks',
                       'width_blocks', 'tileset_id', 'warp_count', 'bg_count',
                       'object_count', 'object_kinds_runs', 'warpto_count',
                       'warpto_extra_count', 'border_block_byte', 'notes'):
            check(r[column] == b[column], 'map %s: versions differ in %s'
                  % (r['constant'], column))
    for r, b in zip(red.tilesets, blue.tilesets):
        for column in ('constant', 'gfx_tiles', 'blockset_blocks', 'gfx_file',
                       'blockset_file'):
            check(r[column] == b[column], 'tileset %s: versions differ in %s'
                  % (r['constant'], column))
    partition = lambda v: sorted(sorted(number(t, 'tileset_id') for t in v.tilesets
                                        if t['gfx_pos'] == g)
                                 for g in {t['gfx_pos'] for t in v.tilesets})
    check(partition(red) == partition(blue), 'the versions share graphics differently')


# --- what the tables hold -------------------------------------------------------

def first_pictures(v):
    """Tile picture runs: each distinct set of graphics gets 96 pictures, in the
    order of the first tileset that uses it; tilesets with the same graphics share."""
    runs = OrderedDict()
    for t in v.tilesets:
        runs.setdefault(number(t, 'gfx_pos'), len(runs) * TILES_LOADED)
    return [runs[number(t, 'gfx_pos')] for t in v.tilesets]


def block_range(m):
    first = number(m, 'blocks_pos')
    return first, first + number(m, 'height_blocks') * number(m, 'width_blocks') - 1


def block_sharing(v):
    """Maps with one block array ({constant: [other constants]}) and maps whose
    block bytes partly overlap another's ({constant: [(other, first, last)]},
    the overlap as 1-based positions)."""
    same = defaultdict(list)
    for m in v.used:
        same[m['blocks_pos']].append(m)
    shared = {}
    for group in same.values():
        sizes = {(m['height_blocks'], m['width_blocks']) for m in group}
        check(len(sizes) == 1, '%s: maps %s share blocks but differ in size'
              % (v.name, ', '.join(m['constant'] for m in group)))
        blocksets = {v.tilesets[number(m, 'tileset_id')]['blockset_pos'] for m in group}
        check(len(blocksets) == 1, '%s: maps %s share blocks but not block tables'
              % (v.name, ', '.join(m['constant'] for m in group)))
        if len(group) > 1:
            for m in group:
                shared[m['constant']] = [o['constant'] for o in group if o is not m]
    partial = defaultdict(list)
    for a in v.used:
        for b in v.used:
            if a is b or a['blocks_pos'] == b['blocks_pos']:
                continue
            (a1, a2), (b1, b2) = block_range(a), block_range(b)
            if a1 <= b2 and b1 <= a2:
                partial[a['constant']].append((b['constant'], max(a1, b1), min(a2, b2)))
    return shared, dict(partial)


def describe_overlap(m, first, last, owner):
    """Where the bytes first..last lie in map m, e.g. 'the last row' or 'blocks 1-4
    of its top row' (owner: 'its' or 'the'); and whether that names one row."""
    w = number(m, 'width_blocks')
    h = number(m, 'height_blocks')
    start = first - number(m, 'blocks_pos')
    end = last - number(m, 'blocks_pos')
    r1, c1, r2, c2 = start // w + 1, start % w + 1, end // w + 1, end % w + 1

    def row_name(r):
        return 'top row' if r == 1 else ('last row' if r == h else 'row %d' % r)

    if c1 == 1 and c2 == w:
        if r1 == r2:
            return '%s %s' % (owner, row_name(r1)), True
        return '%s rows %d-%d' % (owner, r1, r2), False
    check(r1 == r2, 'map %s: overlap spans parts of several rows' % m['constant'])
    return 'blocks %d-%d of %s %s' % (c1, c2, owner, row_name(r1)), False


def overlap_text(m, other, first, last):
    own, one_row = describe_overlap(m, first, last, 'its')
    theirs, _ = describe_overlap(other, first, last, 'the')
    return '%s %s %s of %s.' % (own[0].upper() + own[1:], 'is' if one_row else 'are',
                                theirs, other['name'])


def game_id(m):
    mid = number(m, 'map_id')
    return 'Game map %d ($%02X).' % (mid, mid)


def join_names(names):
    return names[0] if len(names) == 1 else ', '.join(names[:-1]) + ' and ' + names[-1]


def plural(count, word, words):
    return '%d %s' % (count, word if count == 1 else words)


def compact_names(names):
    """Map names with the words they all begin and end with said once:
    ['Route 15 Gate 2F', 'Route 16 Gate 2F'] -> 'Route 15 and 16 Gate 2F'.
    Every name keeps at least one word of its own. Names that share no first word
    are joined whole unless each differs from the others in one word only, so that
    'Vermilion Old Rod House' never reads as 'Vermilion Old and ... Rod House'."""
    if len(names) == 1:
        return names[0]
    words = [n.split() for n in names]
    keep = min(len(w) for w in words) - 1   # words that may be said once
    head = 0
    while head < keep and all(w[head] == words[0][head] for w in words):
        head += 1
    tail = 0
    while head + tail < keep and all(w[-1 - tail] == words[0][-1 - tail] for w in words):
        tail += 1
    middles = [' '.join(w[head:len(w) - tail]) for w in words]
    if head == 0 and any(' ' in m for m in middles):
        return join_names(names)
    return ' '.join(words[0][:head] + [join_names(middles)]
                    + words[0][len(words[0]) - tail:])


# Longest sharing sentence that still names the maps; longer lists give a count.
SHARED_TEXT_LIMIT = 80


def shared_blocks_text(others):
    names = [o['name'] for o in others]
    text = 'Blocks shared with %s.' % compact_names(names)
    if len(text) > SHARED_TEXT_LIMIT:
        last_words = {n.split()[-1] for n in names}
        word = last_words.pop() if len(last_words) == 1 else 'Map'
        if not word.isalpha():
            word = 'Map'
        text = 'Blocks shared with %d other %ss (see README).' % (len(names), word.lower())
    return text


def map_comment(v, m, shared, partial, wild_sharers):
    """The map's comment: its game id, then what saving it touches beyond the map
    and which of its records the editors cannot reach."""
    parts = [game_id(m)]
    c = m['constant']
    if c in shared:
        others = sorted(shared[c], key=LIST_ORDER.get)
        parts.append(shared_blocks_text([v.by_constant[o] for o in others]))
    for other, first, last in partial.get(c, []):
        parts.append(overlap_text(m, v.by_constant[other], first, last))
    lost = unreachable_objects(object_runs(m['object_kinds_runs']))
    if lost:
        items = []
        for kind in ('person', 'trainer', 'item'):
            if kind in lost:
                numbers = lost[kind]
                word = kind if len(numbers) == 1 else KIND_PLURALS[kind]
                items.append('%s %s' % (word, ', '.join(str(n) for n in numbers)))
        count = sum(len(n) for n in lost.values())
        parts.append('Kinds interleave: %s %s not editable.'
                     % (join_names(items), 'is' if count == 1 else 'are'))
    warps = number(m, 'warp_count')
    extra = number(m, 'warpto_extra_count')
    if extra and not warps:
        parts.append('%s but no warps: not editable.'
                     % plural(extra, 'warp-to record', 'warp-to records'))
    elif extra:
        parts.append('%s past its %d warps: not editable.'
                     % (plural(extra, 'extra warp-to record', 'extra warp-to records'), warps))
    if warps > WARP_EDITOR_SYMBOLS:
        parts.append('%d warps: the warp editor shows only %d.' % (warps, WARP_EDITOR_SYMBOLS))
    if number(m, 'grass_rate') and number(m, 'water_rate'):
        parts.append('Only its grass slots can be edited, not its water slots.')
    others = wild_sharers.get(c)
    if others:
        parts.append('Wild slots shared with %s.'
                     % join_names([v.by_constant[o]['name'] for o in others]))
    text = ' '.join(parts)
    check('"' not in text, 'comment of %s holds a double quote' % c)
    return text


def wild_slots(m):
    if number(m, 'grass_rate'):
        return number(m, 'grass_slots_pos')
    if number(m, 'water_rate'):
        return number(m, 'water_slots_pos')
    return 1


def wild_sharing(v):
    by_pos = defaultdict(list)
    for m in v.used:
        pos = wild_slots(m)
        if pos != 1:
            by_pos[pos].append(m['constant'])
    return {c: [o for o in group if o != c]
            for group in by_pos.values() if len(group) > 1 for c in group}


def check_categories(v):
    listed = [c for _, maps in CATEGORIES for c in maps]
    check(len(listed) == len(set(listed)), 'a map is listed twice in the categories')
    used = {m['constant'] for m in v.used}
    check(set(listed) == used, 'categories miss %s and list unknown %s'
          % (sorted(used - set(listed)), sorted(set(listed) - used)))
    check(listed[0] == 'PALLET_TOWN', 'Pallet Town must be map 0')
    check(len(CATEGORIES) <= MAX_TABLE_ROWS and len(listed) <= MAX_TABLE_ROWS,
          'too many categories or maps for the tables')


# --- writing ----------------------------------------------------------------------

def text_field(s):
    check('"' not in s and '\n' not in s, 'text field cannot hold %r' % s)
    return '"%s"' % s


def truth(b):
    return '#TRUE#' if b else '#FALSE#'


def tileset_name(constant):
    words = constant.split('_')
    name = ' '.join(w.capitalize() for w in words)
    return name.replace('Reds ', "Red's ")


def tileset_lines(v, pictures):
    lines = ['Tileset table, %s: name, graphics position, last tile, first picture, '
             'last block, block table position, block offset' % v.title]
    for t, first in zip(v.tilesets, pictures):
        lines.append(','.join([
            text_field(tileset_name(t['constant'])),
            str(number(t, 'gfx_pos')),
            str(TILES_LOADED - 1),
            str(first),
            str(number(t, 'blockset_blocks') - 1),
            str(number(t, 'blockset_pos')),
            '0',
        ]))
    return lines


def map_lines(v):
    shared, partial = block_sharing(v)
    wild_sharers = wild_sharing(v)
    lines = ['Map table, %s: game map id, name, blocks, border block and warps, -, height, '
             '-, width, tileset, comment, warp-to records, placement adjustment, warps, '
             'warp-to count, x offset, y offset, wild slots, events' % v.title]
    number_of_map = 0
    for category, constants in CATEGORIES:
        lines.append('-- %s --' % category)
        lines.append('%s,%d,%d' % (text_field(category), number_of_map, len(constants)))
        for c in constants:
            m = v.by_constant[c]
            warps = number(m, 'warp_count')
            lines.append(','.join([
                str(number(m, 'map_id')),
                text_field(m['name']),
                str(number(m, 'blocks_pos')),
                str(number(m, 'object_pos')),
                '0',
                str(number(m, 'height_blocks')),
                '0',
                str(number(m, 'width_blocks')),
                str(number(m, 'tileset_id')),
                text_field(map_comment(v, m, shared, partial, wild_sharers)),
                str(number(m, 'warpto_pos')) if warps else '1',
                '0',
                truth(warps > 0),
                str(warps),
                '0',
                '0',
                str(wild_slots(m)),
                truth(number(m, 'bg_count') + number(m, 'object_count') > 0),
            ]))
        number_of_map += len(constants)
    return lines


def strip_positions(lines):
    """Map lines without their ROM positions (columns 2, 3, 10, 16)."""
    out = []
    for line in lines:
        fields = next(csv.reader([line]))
        if len(fields) == 18:
            for i in (2, 3, 10, 16):
                fields[i] = ''
        out.append(fields)
    return out[1:]


def write_lines(path, lines):
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write('\n'.join(lines) + '\n')


# --- event records ----------------------------------------------------------------

MAX_EVENT_RECORDS = 32        # the event editor has 32 symbols
MAX_RECORD_BYTES = 16         # and holds 16 bytes of a record
EVENT_COLUMNS = 10            # map number, four position/count pairs, one spare
# A kind without records on a map: count 0 with position 1, the value the map
# tables also give for "no warp-to records" and "no wild slots", so that every
# position in the files is a usable 1-based one.
ABSENT_POSITION = 1

# The event types in the order of the type list: name, kind of record, column of
# the event position table that holds the table position (the count follows it).
# Column 0 holds the map number, so no type may use it.
EVENT_TYPES = [
    ('Signs', 'sign', 1),
    ('People', 'person', 3),
    ('Items', 'item', 5),
    ('Trainers', 'trainer', 7),
]

# Record fields the event editor edits, by the names the facts give them, as the
# index among the type table's seven property columns (text string, picture,
# movement 1, movement 2, item, Pokémon set, trainer type).
PROPERTY_COUNT = 7
FIELD_PROPERTY = {'text': 0, 'text id': 0, 'picture': 1, 'movement 1': 2,
                  'movement 2': 3, 'item': 4, 'Pokémon set': 5, 'trainer type': 6}
PICTURE, TEXT = 1, 0
# The game marks the text byte of items and trainers; the editor shows it as stored
# (the README says so), so the marks are checked to be these.
TEXT_MARKS = {'person': 0x00, 'trainer': 0x40, 'item': 0x80}


def layout_fields(readme):
    """The record layouts the facts document, {kind: (length, [field names])}:
    'sign' from the sign records of maps.tsv ('3-byte sign records: y, x, text id'),
    the object kinds from objects.tsv ('person 6 bytes: picture, y+4, ...; item 7
    bytes: the same plus the item; ...', where 'the same' is the first kind's)."""
    layouts = {}
    signs = re.findall(r'`bg_pos` \((\d+)-byte sign records: ([^)]*)\)', readme)
    check(len(signs) == 1, 'README.md: no single description of the sign records')
    layouts['sign'] = (int(signs[0][0]), signs[0][1].split(', '))
    objects = re.findall(r'`objects\.tsv`: every object record: [^(]*\(([^)]*)\)', readme)
    check(len(objects) == 1, 'README.md: no single description of the object records')
    first = None
    for part in objects[0].split('; '):
        m = re.fullmatch(r'(\w+) (\d+) bytes: (.+)', part)
        check(m, 'README.md: unreadable object layout %r' % part)
        body = m.group(3)
        if body.startswith('the same plus '):
            check(first is not None, 'README.md: %s records extend no layout' % m.group(1))
            extra = re.split(r', | and ', body[len('the same plus '):])
            fields = first + [re.sub(r'^the ', '', f) for f in extra]
        else:
            fields = body.split(', ')
            first = first or fields
        check(m.group(1) not in layouts, 'README.md: %s records described twice' % m.group(1))
        layouts[m.group(1)] = (int(m.group(2)), fields)
    return layouts


def record_layouts(readme):
    """{kind: {'length', 'y': (byte, offset), 'x': (byte, offset), 'properties':
    [byte number or 0 for each of the seven properties]}}, bytes numbered from 1."""
    layouts = {}
    for kind, (length, fields) in layout_fields(readme).items():
        what = 'README.md: %s records' % kind
        check(len(fields) == length, what + ': %d bytes but %d fields %s'
              % (length, len(fields), fields))
        check(1 <= length <= MAX_RECORD_BYTES, what + ': longer than the editor holds')
        layout = {'length': length, 'properties': [0] * PROPERTY_COUNT}
        for byte, field in enumerate(fields, 1):
            coordinate = re.fullmatch(r'([yx])(?:\+(\d+))?', field)
            if coordinate:
                axis = coordinate.group(1)
                check(axis not in layout, what + ': two %s bytes' % axis)
                layout[axis] = (byte, int(coordinate.group(2) or 0))
            else:
                check(field in FIELD_PROPERTY, what + ': unknown field %r' % field)
                p = FIELD_PROPERTY[field]
                check(layout['properties'][p] == 0, what + ': field %r twice' % field)
                layout['properties'][p] = byte
        check('y' in layout and 'x' in layout, what + ': no y or no x byte')
        check(layout['properties'][TEXT] != 0, what + ': no text byte')
        layouts[kind] = layout
    # The lengths the object data checks walk by are the documented ones.
    check(set(layouts) == {'sign'} | set(OBJECT_LENGTHS),
          'README.md: record kinds %s, not sign, person, item and trainer' % sorted(layouts))
    check(layouts['sign']['length'] == SIGN_BYTES, 'README.md: sign records are not %d bytes'
          % SIGN_BYTES)
    for kind, length in OBJECT_LENGTHS.items():
        check(layouts[kind]['length'] == length, 'README.md: %s records are not %d bytes'
              % (kind, length))
        check(layouts[kind]['properties'][PICTURE] != 0, 'README.md: %s records have no picture'
              % kind)
    return layouts


def record_bytes(o):
    text = o['bytes_hex']
    check(re.fullmatch(r'[0-9A-Fa-f]{2}( [0-9A-Fa-f]{2})*', text),
          '%s object %s: unreadable bytes %r' % (o['constant'], o['index'], text))
    return [int(b, 16) for b in text.split()]


def check_object_records(v, layouts):
    """Every object record read with its kind's layout: as long as the layout; its
    coordinate bytes are its square (src_x, src_y) plus the layout's offsets; the
    square lies on the map, whose squares are half a block as in the warp-to
    placements, and some lie beyond the block count, so the unit is not a block; the
    picture byte is one value per sprite and the text byte one value per text of
    the map, so both bytes are where the layout puts them; the text byte carries
    its kind's mark."""
    used = {number(m, 'map_id'): m for m in v.used}
    by_sprite, by_picture = defaultdict(set), defaultdict(set)
    by_text, by_text_byte = defaultdict(set), defaultdict(set)
    beyond_blocks = False
    for o in v.objects:
        what = '%s map %s object %s' % (v.name, o['constant'], o['index'])
        mid = number(o, 'map_id')
        check(mid in used, what + ': its map is not a used map')
        check(o['kind'] in OBJECT_LENGTHS, what + ': unknown kind %r' % o['kind'])
        layout = layouts[o['kind']]
        record = record_bytes(o)
        check(len(record) == number(o, 'length') == layout['length'],
              what + ': not %d bytes long' % layout['length'])
        x, y = number(o, 'src_x'), number(o, 'src_y')
        (y_byte, y_offset), (x_byte, x_offset) = layout['y'], layout['x']
        check(record[y_byte - 1] == y + y_offset and record[x_byte - 1] == x + x_offset,
              what + ': its coordinate bytes are not square (%d, %d) plus (%d, %d)'
              % (x, y, x_offset, y_offset))
        w, h = number(used[mid], 'width_blocks'), number(used[mid], 'height_blocks')
        check(0 <= x < 2 * w and 0 <= y < 2 * h,
              what + ': square (%d, %d) is not on the map of %d x %d blocks' % (x, y, w, h))
        beyond_blocks = beyond_blocks or x >= w or y >= h
        picture = record[layout['properties'][PICTURE] - 1]
        by_sprite[o['src_sprite']].add(picture)
        by_picture[picture].add(o['src_sprite'])
        text = record[layout['properties'][TEXT] - 1]
        by_text[mid, o['src_text']].add(text)
        check(text & 0xC0 == TEXT_MARKS[o['kind']],
              what + ': its text byte $%02X is not marked as a %s' % (text, o['kind']))
        by_text_byte[mid, text].add(o['src_text'])
    for name, table in (('sprite', by_sprite), ('picture byte', by_picture),
                        ('text', by_text), ('text byte', by_text_byte)):
        for key, values in table.items():
            check(len(values) == 1, '%s: %s %s goes with %s' % (v.name, name, key, sorted(values)))
    check(beyond_blocks, '%s: no object lies beyond the block count of its map: are squares '
          'really half blocks?' % v.name)


def event_tables(v, layouts):
    """{map number: [(position, count) for each event type]} for the listed maps
    with any sign or object. An object kind split into several runs is given by the
    run the map comments call reachable; every record of a table is checked to lie
    at position + r x length."""
    objects = defaultdict(list)
    for o in v.objects:
        objects[number(o, 'map_id')].append(o)
    tables = OrderedDict()
    ranges = []
    for c, map_number in sorted(LIST_ORDER.items(), key=lambda item: item[1]):
        m = v.by_constant[c]
        what = '%s map %s' % (v.name, c)
        signs = number(m, 'bg_count')
        if signs + number(m, 'object_count') == 0:
            continue
        records = sorted(objects[number(m, 'map_id')], key=lambda o: number(o, 'index'))
        reached = reachable_object_runs(object_runs(m['object_kinds_runs']))
        row = []
        for name, kind, _ in EVENT_TYPES:
            length = layouts[kind]['length']
            if kind == 'sign':
                table = (number(m, 'bg_pos'), signs) if signs else None
            elif kind in reached:
                first, count = reached[kind]
                run = records[first - 1:first - 1 + count]
                check(len(run) == count and all(o['kind'] == kind for o in run),
                      what + ': objects %d..%d are not its %s run' % (first, first + count - 1, kind))
                start = number(run[0], 'position')
                for r, o in enumerate(run):
                    check(number(o, 'position') == start + r * length,
                          what + ': %s %s does not lie at %d + %d x %d'
                          % (kind, o['index'], start, r, length))
                table = (start, count)
            else:
                table = None
            if table is None:
                row.append((ABSENT_POSITION, 0))
                continue
            start, count = table
            check(1 <= count <= MAX_EVENT_RECORDS,
                  what + ': %d %s, more than the event editor shows' % (count, name.lower()))
            last = start + count * length - 1
            within_rom(start, last, what + ' ' + name.lower())
            ranges.append((start, last, what + ' ' + name.lower()))
            row.append(table)
        tables[map_number] = row
    # No Save of one table may touch another.
    ranges.sort()
    for a, b in zip(ranges, ranges[1:]):
        check(a[1] < b[0], '%s and %s overlap' % (a[2], b[2]))
    return tables


def event_type_lines(layouts):
    lines = ['Event types, Pokémon Red and Blue: id, name, events column, record length, '
             'y offset, x offset, y byte, x byte, text string byte, picture byte, '
             'movement 1 byte, movement 2 byte, item byte, Pokémon set byte, '
             'trainer type byte',
             'A record on square (x, y) holds x + x offset and y + y offset; bytes are '
             'numbered from 1, 0 = the type has no such field']
    columns = [column for _, _, column in EVENT_TYPES]
    check(len(set(columns)) == len(columns)
          and all(1 <= c and c + 1 < EVENT_COLUMNS - 1 for c in columns)
          and all(abs(a - b) >= 2 for a in columns for b in columns if a != b),
          'event types share or overrun position table columns')
    for t, (name, kind, column) in enumerate(EVENT_TYPES):
        layout = layouts[kind]
        (y_byte, y_offset), (x_byte, x_offset) = layout['y'], layout['x']
        fields = [t, text_field(name), column, layout['length'], y_offset, x_offset,
                  y_byte, x_byte] + layout['properties']
        check(all(0 <= f <= layout['length'] for f in fields[6:]),
              '%s: a byte number lies outside the record' % name)
        lines.append(','.join(str(f) for f in fields))
    return lines


def event_lines(v, tables):
    lines = ['Event positions, %s: map number, signs position, signs, people position, '
             'people, items position, items, trainers position, trainers, 0' % v.title,
             'Map numbers are those of Maps%s.tvr; a kind without records on a map has '
             'position %d and count 0; a kind split into several runs is given by its '
             'longest run' % (v.letter, ABSENT_POSITION)]
    for map_number, row in tables.items():
        fields = [0] * EVENT_COLUMNS
        fields[0] = map_number
        for (_, _, column), (position, count) in zip(EVENT_TYPES, row):
            fields[column], fields[column + 1] = position, count
        lines.append(','.join(str(f) for f in fields))
    return lines


def check_events_agree(red_tables, blue_tables):
    """Both versions list the same maps with the same counts; only positions differ."""
    counts = lambda tables: [(m, [c for _, c in row]) for m, row in tables.items()]
    check(counts(red_tables) == counts(blue_tables),
          'the versions differ in which maps have events or how many')


# --- species -----------------------------------------------------------------------

SPECIES_VALUES = 0xBF         # the game's species values 0x00..0xBE
DEX_SPECIES = 151
NO_SPECIES_NAME = '(none)'    # value 0x00, the game's "no species"
UNUSED_ROM_NAME = 'MISSINGNO.'


def species_names(v):
    """[(value, name, Pokédex number or None)] for every species value, checked."""
    check(len(v.species) == SPECIES_VALUES, '%s: %d species values, not %d'
          % (v.name, len(v.species), SPECIES_VALUES))
    out = []
    for value, s in enumerate(v.species):
        what = '%s species %d' % (v.name, value)
        check(number(s, 'index_dec') == value and s['index_hex'] == '0x%02X' % value,
              what + ': values are not 0x00..0x%02X in order' % (SPECIES_VALUES - 1))
        if value == 0:
            check(s['constant'] == 'NO_MON' and s['dex_number'] == '' and s['display_name'] == '',
                  what + ': value 0 is not the empty NO_MON')
            name, dex = NO_SPECIES_NAME, None
        elif s['dex_number'] == '':
            # Unused values, and the three with a special use (the fossils and the
            # ghost shown in the tower), which the game names alike.
            check(s['rom_name'] == UNUSED_ROM_NAME,
                  what + ': a value without a species is not named %s' % UNUSED_ROM_NAME)
            name, dex = s['display_name'], None
        else:
            check(s['constant'] != '', what + ': a species without a constant')
            dex = number(s, 'dex_number')
            name = s['display_name']
        check(name.strip() == name != '' and '"' not in name and ',' not in name,
              what + ': unusable name %r' % name)
        out.append((value, name, dex, s['constant']))
    dex = sorted(d for _, _, d, _ in out if d is not None)
    check(dex == list(range(1, DEX_SPECIES + 1)),
          '%s: Pokédex numbers are not 1..%d once each' % (v.name, DEX_SPECIES))
    names = [n for _, n, d, _ in out if d is not None]
    check(len(set(names)) == len(names), '%s: two species with one name' % v.name)
    # Every wild slot holds a species the list names.
    known = {c for _, _, d, c in out if d is not None}
    for w in v.wild:
        for k in range(1, 11):
            slot = w['slot%d_level:species' % k]
            check(re.fullmatch(r'\d+:\w+', slot) and slot.split(':')[1] in known,
                  '%s wild %s %s slot %d: unknown species %r'
                  % (v.name, w['constant'], w['kind'], k, slot))
    return out


def species_lines(species):
    """N, then one record a species value in value order: value in hex, name, list
    number. The list runs by Pokédex number, then the values without a species in
    value order (0x00 first, then the unused ones)."""
    order = sorted(species, key=lambda s: (s[2] is None, s[2] or 0, s[0]))
    list_number = {s[0]: i + 1 for i, s in enumerate(order)}
    lines = [str(len(species))]
    for value, name, _, _ in species:
        check(0 <= value <= 255 and 1 <= list_number[value] <= 255,
              'species %d does not fit the list' % value)
        lines.append('%02X,%s,%d' % (value, text_field(name), list_number[value]))
    return lines


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
    for v in versions:
        pictures = first_pictures(v)
        written[v.letter] = (tileset_lines(v, pictures), map_lines(v))
    pictures = [first_pictures(v) for v in versions]
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


if __name__ == '__main__':
    try:
        sys.exit(main(sys.argv))
    except FactError as e:
        sys.stderr.write('make_data_files: %s\n' % e)
        sys.exit(1)

"""Checks of the facts of each version and of the two versions against each
other: every fact the tables rely on, stopping at the first that does not hold."""

import re
from collections import defaultdict

from .facts import (BLOCK_BYTES, MAX_TABLE_ROWS, OBJECT_LENGTHS, SIGN_BYTES, TILE_BYTES,
                    TILES_LOADED, TILESET_COUNT, WARP_BYTES, WARP_TO_BYTES, WILD_SLOT_BYTES,
                    at, check, hex_byte, in_index_order, number, object_runs, rows_by_map,
                    within_rom)

# A block file longer than the map: the game reads only width x height bytes.
BLOCK_FILE_NOTE = re.compile(r'^maps/\S+\.blk is (\d+) bytes but width\*height = (\d+); '
                             r'the game reads (\d+) bytes$')
# A header that takes its size from another map.
BORROWED_SIZE_NOTE = re.compile(r'^header uses (\w+) for its size; def_warps_to uses (\w+) '
                                r'\(width (\d+)\); header width (\d+)$')

# Notes of used maps that this script understands; any other note stops it, so
# that nothing odd the facts report goes unread.
KNOWN_NOTES = [
    re.compile(r'^$'),
    re.compile(r'^\d+ extra warp-to entr(y|ies) after the \d+ counted ones'),
    BLOCK_FILE_NOTE,
    BORROWED_SIZE_NOTE,
]


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

    objects = rows_by_map(v.objects)
    warpto = rows_by_map(v.warpto)
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
        borrowed = BORROWED_SIZE_NOTE.match(m['notes'])
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
        short = BLOCK_FILE_NOTE.match(m['notes'])
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
        records = in_index_order(objects[mid])
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

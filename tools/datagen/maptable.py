"""The map tables, MapsR.tvr and MapsB.tvr: one heading record a category, then
one record a map, in list order."""

import csv

from .categories import CATEGORIES
from .facts import number
from .mapcomments import block_sharing, map_comment, wild_sharing, wild_slots
from .writing import text_field, truth


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

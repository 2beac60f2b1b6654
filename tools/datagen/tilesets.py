"""The tileset tables, TilesetsR.tvr and TilesetsB.tvr, and the numbering of the
tile pictures they point into."""

from collections import OrderedDict

from .facts import TILES_LOADED, number
from .writing import text_field


def first_pictures(v):
    """Tile picture runs: each distinct set of graphics gets 96 pictures, in the
    order of the first tileset that uses it; tilesets with the same graphics share."""
    runs = OrderedDict()
    for t in v.tilesets:
        runs.setdefault(number(t, 'gfx_pos'), len(runs) * TILES_LOADED)
    return [runs[number(t, 'gfx_pos')] for t in v.tilesets]


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

"""The layouts of sign and object records, read from the facts' README.md, and the
check of every object record of a version against its kind's layout."""

import re
from collections import defaultdict

from .facts import OBJECT_LENGTHS, SIGN_BYTES, check, number

MAX_RECORD_BYTES = 16         # the event editor holds 16 bytes of a record

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

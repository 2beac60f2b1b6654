"""The event tables: EventTypes.tvr (the layout of each event type) and EventsR.tvr
and EventsB.tvr (where each listed map's signs, people, items and trainers lie)."""

from collections import OrderedDict

from .categories import LIST_ORDER
from .facts import (check, in_index_order, number, object_runs, reachable_object_runs,
                    rows_by_map, within_rom)
from .writing import record_line, text_field

MAX_EVENT_RECORDS = 32        # the event editor has 32 symbols
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


def event_tables(v, layouts):
    """{map number: [(position, count) for each event type]} for the listed maps
    with any sign or object. An object kind split into several runs is given by the
    run the map comments call reachable; every record of a table is checked to lie
    at position + r x length."""
    objects = rows_by_map(v.objects)
    tables = OrderedDict()
    ranges = []
    for c, map_number in sorted(LIST_ORDER.items(), key=lambda item: item[1]):
        m = v.by_constant[c]
        what = '%s map %s' % (v.name, c)
        signs = number(m, 'bg_count')
        if signs + number(m, 'object_count') == 0:
            continue
        records = in_index_order(objects[number(m, 'map_id')])
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
        lines.append(record_line(fields))
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
        lines.append(record_line(fields))
    return lines


def check_events_agree(red_tables, blue_tables):
    """Both versions list the same maps with the same counts; only positions differ."""
    counts = lambda tables: [(m, [c for _, c in row]) for m, row in tables.items()]
    check(counts(red_tables) == counts(blue_tables),
          'the versions differ in which maps have events or how many')

"""The comment of each map in the map tables: its game id, what saving it touches
beyond the map (shared or overlapping blocks, shared wild slots) and which of its
records the editors cannot reach."""

from collections import defaultdict

from .categories import LIST_ORDER
from .facts import check, number, object_runs, unreachable_objects

WARP_EDITOR_SYMBOLS = 16      # records the warp editor can show at once
KIND_PLURALS = {'person': 'persons', 'item': 'items', 'trainer': 'trainers'}


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

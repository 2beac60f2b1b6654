"""The species list, Pokemon.tvr: every species value of the games with its name
and its place in the list, checked against the wild slots."""

import re

from .facts import check, number
from .writing import text_field

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

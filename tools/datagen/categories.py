"""The map list of both games: its categories in list order, each with its maps
(by the games' map constants), and the check that it lists every used map once."""

from .facts import MAX_TABLE_ROWS, check


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


def check_categories(v):
    listed = [c for _, maps in CATEGORIES for c in maps]
    check(len(listed) == len(set(listed)), 'a map is listed twice in the categories')
    used = {m['constant'] for m in v.used}
    check(set(listed) == used, 'categories miss %s and list unknown %s'
          % (sorted(used - set(listed)), sorted(set(listed) - used)))
    check(listed[0] == 'PALLET_TOWN', 'Pallet Town must be map 0')
    check(len(CATEGORIES) <= MAX_TABLE_ROWS and len(listed) <= MAX_TABLE_ROWS,
          'too many categories or maps for the tables')

"""Makes Tovrane's data tables for Pokémon Red and Blue from the ROM facts.

make_data_files.py beside this package is the command; main.py runs the steps.
Each module holds one topic: facts.py reads the facts, checks.py checks them,
categories.py, mapcomments.py and maptable.py make the map tables, tilesets.py
the tileset tables, records.py and events.py the event tables, pokemon.py the
species list, and writing.py turns records into lines and files.
"""

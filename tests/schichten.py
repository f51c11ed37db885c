#!/usr/bin/env python3
"""The program's folders include each other in one direction only.

Reads every #include "folder/file.h" of the program's sources, prints which
folder uses which, and the folders from the lowest to the highest. Exits 1
and names the circle when two folders reach each other.
    python3 tests/schichten.py [root]
"""
import os, re, sys

WERKZEUGE = {"tests", "bench", "fuzz", "build", "debian", "packaging", "cmake", "resources"}
root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
kanten = {}
for ordner in sorted(os.listdir(root)):
    pfad = os.path.join(root, ordner)
    if not os.path.isdir(pfad) or ordner.startswith((".", "build")) or ordner in WERKZEUGE:
        continue
    kanten.setdefault(ordner, set())
    for dp, _, dateien in os.walk(pfad):
        for d in dateien:
            if d.endswith((".cpp", ".h")):
                for ziel in re.findall(r'^\s*#\s*include\s+"([^"/]+)/', open(os.path.join(dp, d), encoding="utf-8").read(), re.M):
                    if ziel != ordner:
                        kanten[ordner].add(ziel)
for ordner, ziele in sorted(kanten.items()):
    print(f"{ordner:11} -> {' '.join(sorted(ziele)) or '-'}")

reihe, zustand = [], {}
def besuchen(o, weg):
    if zustand.get(o) == "fertig":
        return
    if zustand.get(o) == "offen":
        sys.exit("circle: " + " -> ".join(weg[weg.index(o):] + [o]))
    zustand[o] = "offen"
    for z in sorted(kanten.get(o, ())):
        besuchen(z, weg + [o])
    zustand[o] = "fertig"
    reihe.append(o)
for o in sorted(kanten):
    besuchen(o, [])
stufe = {}
for o in reihe:  # every folder after the folders it uses
    stufe[o] = 1 + max((stufe[z] for z in kanten.get(o, ()) if z in stufe), default=-1)
print("layers, lowest first:", " <- ".join(
    ", ".join(o for o in reihe if stufe[o] == s) for s in range(max(stufe.values()) + 1)))

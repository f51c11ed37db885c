#!/usr/bin/env python3
"""Prints which program folder includes which, then the layers; fails naming a circle. Args: [root]"""
import os, re, sys

WERKZEUGE = {"tests", "bench", "fuzz", "debian", "packaging", "cmake", "resources"}
root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
kanten = {o: set() for o in sorted(os.listdir(root)) if os.path.isdir(os.path.join(root, o))
          and not o.startswith((".", "build")) and o not in WERKZEUGE}
for ordner in kanten:
    for dp, _, dateien in os.walk(os.path.join(root, ordner)):
        for d in (d for d in dateien if d.endswith((".cpp", ".h"))):
            text = open(os.path.join(dp, d), encoding="utf-8").read()
            kanten[ordner] |= {z for z in re.findall(r'^\s*#\s*include\s+"([^"/]+)/', text, re.M) if z != ordner}
for ordner, ziele in kanten.items():
    print(f"{ordner:11} -> {' '.join(sorted(ziele)) or '-'}")

stufe = {}
def besuchen(o, weg):
    if o in weg:
        sys.exit("circle: " + " -> ".join(weg[weg.index(o):] + [o]))
    if o not in stufe:
        stufe[o] = 1 + max((besuchen(z, weg + [o]) for z in kanten.get(o, ())), default=-1)
    return stufe[o]
for o in kanten:
    besuchen(o, [])
print("layers, lowest first:", " <- ".join(", ".join(o for o in kanten if stufe[o] == s) for s in range(max(stufe.values()) + 1)))

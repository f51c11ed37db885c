#!/usr/bin/python3
"""Makes the exercise fonts of Tippolo and its stand-in font from Andika.

    /usr/bin/python3 schriften.py [ZIELORDNER]

writes tpohalb.ttf, tpofenster.ttf, tpospiegel.ttf, Anlaut.ttf, Fibel.ttf
and Fibel-Fett.ttf into ZIELORDNER (default: the folder of this script).
Needs FontForge's Python module (Debian: python3-fontforge) and the base
fonts (fonts-sil-andika). The same input gives the same bytes on every run.

- tpohalb:    every glyph keeps only what lies above one cut line at half
              the x-height, as if a strip of paper covered the lower half.
- tpofenster: letters and digits with bites, chips and a crack broken out;
              about half to four fifths of the ink remains; dots and
              accents stay whole.
- tpospiegel: every glyph mirrored left-right in its own advance width.
- Anlaut:     every letter drawn as a picture of a thing whose name starts
              with that sound (table BILDWOERTER below).
- Fibel:      Andika Regular and Bold as they are, with Arial's line height:
              the stand-in for the sans-serif fonts the program names.
"""

import math
import os
import random
import sys
import unicodedata

# FontForge writes the creation time into the font; a fixed time keeps the
# output the same from run to run. Must be set before fontforge is loaded.
os.environ["SOURCE_DATE_EPOCH"] = "1767225600"  # 2026-01-01 00:00 UTC

import fontforge  # noqa: E402
import psMat  # noqa: E402

BASIS = "/usr/share/fonts/truetype/andika/Andika-Bold.ttf"
VERSION = "1.0"

# ---------------------------------------------------------------- characters


def zeichensatz():
    """Every printable character of Windows-1252, and the capital sharp s."""
    zeichen = set()
    for b in range(0x20, 0x100):
        try:
            zeichen.add(bytes([b]).decode("cp1252"))
        except UnicodeDecodeError:
            pass
    zeichen.add("\u1e9e")
    return sorted(ord(z) for z in zeichen if unicodedata.category(z) != "Cc")


def buchstabe(cp):
    return unicodedata.category(chr(cp)).startswith("L")


def grundbuchstabe(cp):
    """The plain capital A-Z under a letter (É -> E), or None."""
    zerlegt = unicodedata.normalize("NFD", chr(cp))[0].upper()
    return zerlegt if "A" <= zerlegt <= "Z" else None


# ---------------------------------------------------------------- outlines


def punkt(x, y, auf=True):
    return fontforge.point(round(x, 2), round(y, 2), auf)


def vieleck(punkte):
    c = fontforge.contour()
    c.is_quadratic = False
    for x, y in punkte:
        c += punkt(x, y)
    c.closed = True
    return c


def rechteck(x0, y0, x1, y1):
    return vieleck([(x0, y0), (x0, y1), (x1, y1), (x1, y0)])


def ellipse(cx, cy, rx, ry, winkel=0.0):
    """A closed cubic ellipse, turned by `winkel` degrees."""
    k = 0.5523
    c = fontforge.contour()
    c.is_quadratic = False
    roh = [(rx, 0), (rx, k * ry), (k * rx, ry), (0, ry), (-k * rx, ry), (-rx, k * ry),
           (-rx, 0), (-rx, -k * ry), (-k * rx, -ry), (0, -ry), (k * rx, -ry), (rx, -k * ry)]
    w = math.radians(winkel)
    for i, (x, y) in enumerate(roh):
        c += punkt(cx + x * math.cos(w) - y * math.sin(w), cy + x * math.sin(w) + y * math.cos(w), i % 3 == 0)
    c.closed = True
    return c


def kreis(cx, cy, r):
    return ellipse(cx, cy, r, r)


def strich(x0, y0, x1, y1, d):
    """A straight stroke of width d with square ends."""
    laenge = math.hypot(x1 - x0, y1 - y0) or 1.0
    nx, ny = -(y1 - y0) / laenge * d / 2, (x1 - x0) / laenge * d / 2
    return vieleck([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])


def linienzug(punkte, d):
    """A stroke along several points with round joints."""
    teile = [strich(*punkte[i], *punkte[i + 1], d) for i in range(len(punkte) - 1)]
    return teile + [kreis(x, y, d / 2) for x, y in punkte]


def bogen(cx, cy, r, von, bis, schritte=24):
    """Points on a circular arc, angles in degrees."""
    return [(cx + r * math.cos(math.radians(von + (bis - von) * i / schritte)),
             cy + r * math.sin(math.radians(von + (bis - von) * i / schritte))) for i in range(schritte + 1)]


def uhrzeigersinn(c, ja=True):
    c = c.dup()
    if c.isClockwise() != ja:
        c.reverseDirection()
    return c


def vereinigt(konturen):
    """The union of contours, as a layer with clockwise outer contours."""
    hilfe = fontforge.font().createChar(-1, "hilfe")
    hilfe.foreground = ebene(uhrzeigersinn(c) for c in konturen)
    hilfe.removeOverlap()
    return hilfe.foreground


def ebene(konturen=()):
    e = fontforge.layer()
    e.is_quadratic = False
    for c in konturen:
        e += c
    return e


def ausschneiden(glyphe, loecher):
    """Removes the area of the holes from the glyph: one intersection with a
    large box that carries the holes as counter-clockwise contours."""
    if not loecher:
        return
    e = glyphe.foreground
    e += uhrzeigersinn(rechteck(-20000, -20000, 20000, 20000))
    for c in vereinigt(loecher):
        e += uhrzeigersinn(c, False)
    glyphe.foreground = e
    glyphe.intersect()


def hinzufuegen(glyphe, konturen):
    e = glyphe.foreground
    for c in konturen:
        e += uhrzeigersinn(c)
    glyphe.foreground = e
    glyphe.removeOverlap()


def flaeche(e):
    """The inked area of a layer (cubic segments sampled)."""
    summe = 0.0
    for c in e:
        pts = list(c)
        n = len(pts)
        start = next(i for i, p in enumerate(pts) if p.on_curve)
        folge = pts[start:] + pts[:start]
        zug = []
        i = 0
        while i < n:
            p0 = folge[i]
            if i + 1 < n and not folge[(i + 1) % n].on_curve:
                p1, p2, p3 = folge[(i + 1) % n], folge[(i + 2) % n], folge[(i + 3) % n]
                for s in range(8):
                    t = s / 8.0
                    a, b, cc, d = (1 - t) ** 3, 3 * t * (1 - t) ** 2, 3 * t * t * (1 - t), t ** 3
                    zug.append((a * p0.x + b * p1.x + cc * p2.x + d * p3.x, a * p0.y + b * p1.y + cc * p2.y + d * p3.y))
                i += 3
            else:
                zug.append((p0.x, p0.y))
                i += 1
        summe += sum(zug[k][0] * zug[(k + 1) % len(zug)][1] - zug[(k + 1) % len(zug)][0] * zug[k][1]
                     for k in range(len(zug))) / 2.0
    return abs(summe)


def abschliessen(glyphe):
    glyphe.correctDirection()
    glyphe.round()
    glyphe.canonicalStart()
    glyphe.canonicalContours()


# ---------------------------------------------------------------- tpohalb


def halb(glyphe, schnitt):
    """Keeps only the ink above the cut line."""
    e = glyphe.foreground
    if len(e) == 0:
        return
    e += uhrzeigersinn(rechteck(-5000, schnitt, glyphe.width + 5000, 5000))
    glyphe.foreground = e
    glyphe.intersect()


# ---------------------------------------------------------------- tpofenster


def zeichen_oben(cp, basis):
    """The line above which a contour of this letter is an accent or a dot:
    the x-height for small letters, the cap height for the others."""
    return (basis.xHeight if chr(cp).islower() else basis.capHeight) + 20


def ruine(glyphe, cp, basis):
    """Breaks pieces out of a letter or digit: two bites at its outline, two
    chips and a crack, made smaller or larger until 50-80 % of the ink stays.
    Dots and accents (contours wholly above the letter's height) keep all
    their ink, so that "ä" never reads as "a". The pieces are drawn from a
    generator seeded with the code point."""
    linie = zeichen_oben(cp, basis)
    zeichen, original = ebene(), ebene()
    for c in glyphe.foreground:
        if buchstabe(cp) and c.boundingBox()[1] > linie:
            zeichen += c
        else:
            original += c
    ganz = flaeche(original)
    if ganz <= 0:
        return
    x0, y0, x1, y1 = original.boundingBox()
    hoehe = max(y1 - y0, 400.0)
    # Slightly beside the outline's points, so that no cut passes exactly
    # through one of them (FontForge's overlap removal trips over that).
    randpunkte = [(p.x + 0.37, p.y + 0.61) for c in original for p in c if p.on_curve]
    zufall = random.Random(cp)
    bissen = [zufall.choice(randpunkte) for _ in range(2)]
    splitter = [(zufall.choice(randpunkte), zufall.uniform(0, 2 * math.pi)) for _ in range(2)]
    riss_y = zufall.uniform(y0 + 0.3 * (y1 - y0), y0 + 0.7 * (y1 - y0))
    riss_neigung = zufall.uniform(-0.35, 0.35)
    faktor = 1.0
    for _ in range(12):
        loecher = [kreis(x, y, faktor * 0.16 * hoehe) for x, y in bissen]
        for (x, y), w in splitter:
            r = faktor * 0.14 * hoehe
            loecher.append(vieleck([(x, y), (x + r * math.cos(w), y + r * math.sin(w)),
                                    (x + r * math.cos(w + 1.2), y + r * math.sin(w + 1.2))]))
        breite = x1 - x0 + 200
        zacken = [(x0 - 100 + breite * i / 4, riss_y + riss_neigung * breite * (i / 4 - 0.5)
                   + (30 if i % 2 else -30) * faktor) for i in range(5)]
        loecher += linienzug(zacken, max(18.0, faktor * 0.035 * hoehe))
        glyphe.foreground = original.dup()
        ausschneiden(glyphe, loecher)
        anteil = flaeche(glyphe.foreground) / ganz
        if anteil > 0.8:
            faktor *= 1.25
        elif anteil < 0.5:
            faktor *= 0.8
        else:
            e = glyphe.foreground
            for c in zeichen:
                e += c
            glyphe.foreground = e
            return
    raise RuntimeError("Ruine für U+%04X nicht im Rahmen: %.2f" % (cp, anteil))


# ---------------------------------------------------------------- tpospiegel


def spiegeln(glyphe):
    glyphe.transform(psMat.compose(psMat.scale(-1, 1), psMat.translate(glyphe.width, 0)))


# ---------------------------------------------------------------- Anlaut

# Pictures are drawn on a grid of 100 x 100 (y upwards) that is placed on
# the font's units by RASTER: as tall as a line of the task display holds,
# from below the descenders to above the accents of the base font.
RASTER_MASS, RASTER_X, RASTER_Y = 30, 100, -600
BILD_BREITE = 100 * RASTER_MASS + 2 * RASTER_X
RASTER = psMat.compose(psMat.scale(RASTER_MASS), psMat.translate(RASTER_X, RASTER_Y))


def apfel(cx, cy, s):
    return [("+", [ellipse(cx, cy, 40 * s, 37 * s)]),
            ("-", [ellipse(cx, cy + 40 * s, 9 * s, 7 * s), ellipse(cx - 20 * s, cy + 12 * s, 5 * s, 10 * s, -25)]),
            ("+", [strich(cx, cy + 30 * s, cx + 4 * s, cy + 50 * s, 6 * s),
                   ellipse(cx + 17 * s, cy + 44 * s, 13 * s, 6 * s, 25)])]


def bild_apfel():
    return apfel(50, 44, 1.0)


def bild_aehre():
    koerner, grannen = [], []
    for k in range(5):
        y = 36 + 11 * k
        koerner += [ellipse(42, y, 6, 11, -30), ellipse(58, y, 6, 11, 30)]
        grannen += linienzug([(36, y + 8), (22, y + 30)], 2.5) + linienzug([(64, y + 8), (78, y + 30)], 2.5)
    koerner.append(ellipse(50, 90, 6, 10))
    grannen += linienzug([(50, 98), (50, 100)], 2.5)
    blatt = ellipse(36, 22, 17, 5, 40)
    return [("+", koerner + grannen + linienzug([(50, 0), (50, 84)], 5) + [blatt])]


def bild_ball():
    streifen = []
    for cx, cy, r, von, bis in [(-22, 46, 62, -50, 50), (122, 46, 62, 130, 230), (50, 150, 100, 240, 300)]:
        streifen += linienzug(bogen(cx, cy, r, von, bis), 5)
    return [("+", [kreis(50, 46, 44)]), ("-", streifen + [ellipse(32, 66, 5, 9, 40)])]


def bild_drachen():
    schwanz = [(50, 22), (42, 14), (54, 8), (44, 0)]
    schleifen = []
    for x, y in schwanz[1:3]:
        schleifen += [vieleck([(x, y), (x - 7, y + 4), (x - 7, y - 4)]), vieleck([(x, y), (x + 7, y + 4), (x + 7, y - 4)])]
    return [("+", [vieleck([(50, 98), (82, 64), (50, 22), (18, 64)])]),
            ("-", [strich(50, 92, 50, 28, 2.5), strich(24, 64, 76, 64, 2.5)]),
            ("+", linienzug(schwanz, 2.5) + schleifen)]


def bild_ente():
    return [("+", [ellipse(54, 30, 36, 20), kreis(28, 62, 14), vieleck([(20, 56), (36, 56), (46, 34), (28, 30)]),
                   vieleck([(16, 66), (0, 60), (16, 55)]), vieleck([(84, 34), (98, 52), (88, 24)])]),
            ("-", [kreis(25, 66, 3)] + linienzug(bogen(58, 40, 20, 200, 330, 10), 3))]


def bild_fisch():
    return [("+", [ellipse(42, 50, 34, 22), vieleck([(68, 50), (96, 74), (90, 50), (96, 26)])]),
            ("-", [kreis(22, 56, 4), vieleck([(7, 50), (16, 46), (16, 53)])] + linienzug(bogen(10, 50, 26, -35, 35, 8), 3)
             + linienzug(bogen(56, 50, 12, 100, 260, 8), 2.5))]


def bild_gabel():
    zinken = [rechteck(x, 64, x + 6, 98) for x in (28, 40, 52, 64)]
    return [("+", zinken + [rechteck(28, 52, 70, 66), vieleck([(32, 52), (66, 52), (56, 42), (42, 42)]),
                            rechteck(44, 6, 54, 44), kreis(49, 6, 5)])]


def bild_haus():
    return [("+", [rechteck(18, 0, 82, 56), vieleck([(6, 52), (50, 94), (94, 52)]), rechteck(66, 66, 76, 92)]),
            ("-", [rechteck(42, 0, 58, 30), rechteck(24, 32, 36, 44), rechteck(64, 32, 76, 44)])]


def bild_igel():
    stacheln = []
    for i in range(15):
        w = 8 + 164 * i / 14
        r = 44 if i % 2 == 0 else 34
        stacheln.append((58 + r * math.cos(math.radians(w)), 10 + 0.9 * r * math.sin(math.radians(w))))
    return [("+", [vieleck([(98, 10)] + stacheln + [(16, 10)]), ellipse(20, 18, 18, 12, -12), kreis(3, 15, 3.5),
                   rechteck(30, 0, 38, 12), rechteck(70, 0, 78, 12)]),
            ("-", [kreis(16, 23, 2.5)])]


def bild_jojo():
    return [("+", [kreis(50, 36, 32)]), ("-", [kreis(50, 36, 22)]), ("+", [kreis(50, 36, 13)]),
            ("-", [kreis(50, 36, 4)]), ("+", linienzug([(50, 68), (50, 90), (58, 98)], 3))]


def bild_katze():
    return [("+", [kreis(50, 40, 32), vieleck([(22, 58), (20, 94), (46, 70)]), vieleck([(54, 70), (80, 94), (78, 58)])]),
            ("-", [ellipse(38, 48, 5, 7), ellipse(62, 48, 5, 7), vieleck([(45, 35), (55, 35), (50, 29)])]
             + linienzug([(50, 30), (50, 24), (43, 19)], 2.5) + linienzug([(50, 24), (57, 19)], 2.5)
             + [strich(40, 30, 16, 34, 2), strich(40, 26, 16, 22, 2), strich(60, 30, 84, 34, 2), strich(60, 26, 84, 22, 2)])]


def bild_leiter():
    sprossen = [rechteck(30, y, 70, y + 6) for y in (8, 28, 48, 68, 86)]
    return [("+", sprossen + [rechteck(22, 0, 30, 100), rechteck(70, 0, 78, 100)])]


def bild_mond():
    return [("+", [kreis(46, 50, 44)]), ("-", [kreis(66, 62, 38)]),
            ("+", [vieleck([(80, 20), (83, 28), (92, 28), (85, 33), (88, 42), (80, 36), (72, 42), (75, 33),
                            (68, 28), (77, 28)])])]


def bild_nest():
    schale = vieleck([(50 + 46 * math.cos(math.radians(w)), 36 + 32 * math.sin(math.radians(w)))
                      for w in range(180, 361, 10)])
    rand = vieleck([(50 + 49 * math.cos(math.radians(w)), 36 + 35 * math.sin(math.radians(w)))
                    for w in range(180, 361, 10)] + [(50, 39)])
    return [("+", [ellipse(30, 46, 10, 13), ellipse(50, 52, 10, 13), ellipse(70, 46, 10, 13)]),
            ("-", [rand]), ("+", [schale]),
            ("-", [strich(14, 26, 40, 16, 2), strich(30, 12, 64, 20, 2), strich(56, 26, 86, 18, 2),
                   strich(20, 34, 48, 28, 2), strich(50, 32, 82, 30, 2)])]


def bild_ohr():
    return [("+", [kreis(56, 64, 32), ellipse(42, 24, 15, 22, -10), vieleck([(26, 64), (88, 64), (66, 26), (30, 16)])]),
            ("-", linienzug(bogen(56, 64, 19, 190, -50, 16) + [(60, 34)], 6) + [ellipse(48, 54, 6, 9)])]


def bild_oelkanne():
    return [("+", [vieleck([(4, 0), (76, 0), (68, 28), (12, 28)]), vieleck([(12, 28), (68, 28), (40, 56)]),
                   rechteck(36, 50, 44, 60), vieleck([(38, 54), (92, 96), (96, 92), (44, 48)])]
             + linienzug(bogen(6, 30, 14, 60, 280, 12), 6)
             + [kreis(91, 68, 5), vieleck([(86.5, 70), (91, 82), (95.5, 70)])]),
            ("-", [rechteck(8, 6, 72, 10)])]


def bild_pilz():
    hut = vieleck([(50 + 48 * math.cos(math.radians(w)), 50 + 42 * math.sin(math.radians(w)))
                   for w in range(0, 181, 10)] + [(30, 46), (70, 46)])
    return [("+", [vieleck([(36, 0), (64, 0), (60, 50), (40, 50)])]), ("-", [rechteck(20, 44, 80, 50)]),
            ("+", [hut]), ("-", [kreis(30, 66, 6), kreis(54, 78, 7), kreis(74, 62, 5), kreis(48, 58, 4)])]


def bild_qualle():
    arme = []
    for x in (20, 36, 52, 68, 84):
        arme += linienzug([(x, 50), (x - 6, 38), (x + 5, 26), (x - 5, 14), (x + 3, 2)], 6)
    kuppel = vieleck([(50 + 48 * math.cos(math.radians(w)), 52 + 46 * math.sin(math.radians(w)))
                      for w in range(0, 181, 10)] + [(12, 46), (24, 52), (36, 46), (50, 52), (64, 46), (76, 52), (88, 46)])
    return [("+", arme + [kuppel]), ("-", [kreis(36, 74, 5), kreis(64, 74, 5)] + linienzug(bogen(50, 70, 10, 210, 330, 6), 3.5))]


def bild_rakete():
    return [("+", [vieleck([(42, 20), (50, 0), (58, 20)]),
                   vieleck([(50, 100), (62, 80), (62, 24), (38, 24), (38, 80)]),
                   vieleck([(38, 46), (20, 14), (38, 26)]), vieleck([(62, 46), (80, 14), (62, 26)])]),
            ("-", [kreis(50, 62, 7), rechteck(36, 20, 64, 23)])]


def bild_sonne():
    strahlen = []
    for i in range(12):
        w = math.radians(i * 30)
        strahlen.append(vieleck([(50 + 31 * math.cos(w - 0.13), 50 + 31 * math.sin(w - 0.13)),
                                 (50 + 49 * math.cos(w), 50 + 49 * math.sin(w)),
                                 (50 + 31 * math.cos(w + 0.13), 50 + 31 * math.sin(w + 0.13))]))
    return [("+", strahlen + [kreis(50, 50, 27)]),
            ("-", [kreis(41, 56, 3.5), kreis(59, 56, 3.5)] + linienzug(bogen(50, 52, 12, 210, 330, 8), 3))]


def bild_tisch():
    platte = vieleck([(2, 58), (74, 58), (98, 76), (26, 76)])
    beine = [rechteck(6, 0, 14, 58), rechteck(64, 0, 72, 58), rechteck(86, 14, 93, 70), rechteck(28, 20, 34, 62)]
    return [("+", beine + [platte, rechteck(2, 52, 74, 58)])]


def bild_uhr():
    striche = []
    for i in range(12):
        w = math.radians(i * 30)
        striche.append(strich(50 + 30 * math.cos(w), 46 + 30 * math.sin(w), 50 + 36 * math.cos(w),
                              46 + 36 * math.sin(w), 4 if i % 3 == 0 else 2.5))
    return [("+", [kreis(50, 46, 46)]), ("-", [kreis(50, 46, 40)]),
            ("+", striche + linienzug([(50, 46), (50, 74)], 4) + linienzug([(50, 46), (68, 46)], 5) + [kreis(50, 46, 5)])]


def bild_vogel():
    return [("+", [ellipse(46, 48, 30, 19, 12), kreis(72, 66, 14), vieleck([(82, 72), (99, 66), (82, 61)]),
                   vieleck([(22, 46), (0, 24), (10, 20), (28, 38)])]
             + linienzug([(44, 30), (42, 18)], 3.5) + linienzug([(56, 32), (58, 18)], 3.5)
             + linienzug([(6, 16), (96, 16)], 5)),
            ("-", [kreis(74, 70, 3)] + linienzug([(30, 50), (44, 44), (62, 50)], 3))]


def bild_wuerfel():
    vorn = rechteck(6, 2, 66, 62)
    oben = vieleck([(6, 65), (66, 65), (92, 92), (32, 92)])
    seite = vieleck([(69, 2), (94, 28), (94, 89), (69, 62)])
    augen = [kreis(x, y, 6) for x, y in ((20, 16), (52, 16), (36, 32), (20, 48), (52, 48))]
    augen += [ellipse(49, 78.5, 8, 5), ellipse(77, 24, 4, 7, 20), ellipse(86, 64, 4, 7, 20)]
    return [("+", [vorn, oben, seite]), ("-", augen)]


def bild_xylofon():
    staebe = []
    for i in range(6):
        x = 4 + 16 * i
        staebe.append(rechteck(x, 30 + 5 * i, x + 12, 100 - 5 * i))
    naegel = [kreis(10 + 16 * i, 37 + 5 * i, 2.5) for i in range(6)] + [kreis(10 + 16 * i, 93 - 5 * i, 2.5) for i in range(6)]
    return [("+", staebe), ("-", naegel),
            ("+", linienzug([(8, 2), (62, 22)], 5) + linienzug([(92, 2), (38, 22)], 5) + [kreis(64, 23, 7), kreis(36, 23, 7)])]


def bild_yeti():
    fell = []
    for i in range(25):
        w = math.radians(-90 + 360 * i / 24)
        r = 36 if i % 2 == 0 else 30
        fell.append((50 + r * math.cos(w), 46 + 1.2 * r * math.sin(w)))
    koerper = vieleck(fell)
    arme = linienzug([(28, 58), (12, 72), (8, 92)], 10) + linienzug([(72, 58), (88, 72), (92, 92)], 10)
    beine = [ellipse(36, 6, 14, 6), ellipse(64, 6, 14, 6), rechteck(28, 6, 44, 20), rechteck(56, 6, 72, 20)]
    return [("+", [koerper] + arme + beine),
            ("-", [ellipse(50, 68, 13, 11)]),
            ("+", [kreis(45, 71, 2.5), kreis(55, 71, 2.5), rechteck(44, 61, 56, 64)])]


def bild_computer():
    tasten = [rechteck(10 + 8 * i + (4 if r else 0), 5 + 6 * r, 15 + 8 * i + (4 if r else 0), 9 + 6 * r)
              for r in range(2) for i in range(8)]
    return [("+", [rechteck(14, 40, 86, 98), vieleck([(44, 40), (56, 40), (58, 28), (42, 28)]),
                   rechteck(30, 24, 70, 30), vieleck([(0, 0), (80, 0), (76, 20), (6, 20)]), ellipse(92, 8, 6, 8)]),
            ("-", [rechteck(20, 46, 80, 92)] + tasten + [strich(92, 8, 92, 16, 1.5)])]


def bild_ueberholverbot():
    def auto(x):
        return [rechteck(x, 34, x + 26, 50), vieleck([(x + 4, 50), (x + 22, 50), (x + 19, 62), (x + 7, 62)]),
                rechteck(x + 2, 28, x + 8, 34), rechteck(x + 18, 28, x + 24, 34)]
    return [("+", [kreis(50, 50, 49)]), ("-", [kreis(50, 50, 40)]), ("+", auto(20) + auto(54)),
            ("-", [rechteck(29, 52, 37, 58), rechteck(63, 52, 71, 58), kreis(24, 43, 2.5), kreis(42, 43, 2.5),
                   kreis(58, 43, 2.5), kreis(76, 43, 2.5)])]


def bild_zelt():
    return [("+", [vieleck([(50, 90), (96, 4), (4, 4)]), rechteck(0, 0, 100, 5)] + linienzug([(50, 86), (50, 100)], 3)
             + [vieleck([(51, 100), (66, 95), (51, 90)])]),
            ("-", [vieleck([(50, 66), (65, 5), (35, 5)])])]


def bild_rahmen(cp):
    """A framed letter, for letters without a good picture word."""
    return [("+", [rechteck(4, 0, 96, 92)]), ("-", [rechteck(10, 6, 90, 86)]), ("rahmen", cp)]


# The picture word for each letter: a thing children of six to eight name
# at once, and with this sound at the start, drawn so that its outline alone
# tells it. Capitals and small letters get the same picture; letters with
# accents get the picture of their plain letter. None: the letter itself in
# a frame (no word starts with ß). The settings' help page and the README
# list these words.
BILDWOERTER = {
    "A": ("Apfel", bild_apfel), "Ä": ("Ähre", bild_aehre), "B": ("Ball", bild_ball),
    "C": ("Computer", bild_computer), "D": ("Drachen", bild_drachen), "E": ("Ente", bild_ente),
    "F": ("Fisch", bild_fisch), "G": ("Gabel", bild_gabel), "H": ("Haus", bild_haus), "I": ("Igel", bild_igel),
    "J": ("Jojo", bild_jojo), "K": ("Katze", bild_katze), "L": ("Leiter", bild_leiter), "M": ("Mond", bild_mond),
    "N": ("Nest", bild_nest), "O": ("Ohr", bild_ohr), "Ö": ("Ölkanne", bild_oelkanne), "P": ("Pilz", bild_pilz),
    "Q": ("Qualle", bild_qualle), "R": ("Rakete", bild_rakete), "S": ("Sonne", bild_sonne), "T": ("Tisch", bild_tisch),
    "U": ("Uhr", bild_uhr), "Ü": ("Überholverbot", bild_ueberholverbot), "V": ("Vogel", bild_vogel),
    "W": ("Würfel", bild_wuerfel), "X": ("Xylofon", bild_xylofon), "Y": ("Yeti", bild_yeti), "Z": ("Zelt", bild_zelt),
    "ß": None,
}


def bildschluessel(cp):
    """The key of BILDWOERTER for a letter, or None for a framed letter."""
    z = chr(cp)
    gross = "ß" if z in "ßẞ" else z.upper() if len(z.upper()) == 1 else z
    if gross in BILDWOERTER:
        return gross if BILDWOERTER[gross] else None
    if unicodedata.normalize("NFD", gross)[0] != gross:
        return grundbuchstabe(cp) if BILDWOERTER.get(grundbuchstabe(cp)) else None
    return None


def bild_zeichnen(glyphe, schritte, basis):
    for art, teile in schritte:
        if art == "rahmen":
            rahmen_buchstabe(glyphe, basis, teile)
            continue
        teile = [c.dup() for c in teile]
        for c in teile:
            c.transform(RASTER)
        if art == "+":
            hinzufuegen(glyphe, teile)
        else:
            ausschneiden(glyphe, teile)
    glyphe.width = BILD_BREITE


def rahmen_buchstabe(glyphe, basis, cp):
    """Puts the base font's letter into the middle of the frame."""
    quelle = basis[basis.findEncodingSlot(cp)]
    e = quelle.foreground.dup()
    x0, y0, x1, y1 = e.boundingBox()
    # Inside the frame: grid 10..90 wide, 6..86 high, in font units.
    innen = (RASTER_X + RASTER_MASS * 14, RASTER_Y + RASTER_MASS * 10,
             RASTER_X + RASTER_MASS * 86, RASTER_Y + RASTER_MASS * 82)
    s = min((innen[2] - innen[0]) / (x1 - x0), (innen[3] - innen[1]) / (y1 - y0), 1.0)
    dx = (innen[0] + innen[2]) / 2 - s * (x0 + x1) / 2
    dy = (innen[1] + innen[3]) / 2 - s * (y0 + y1) / 2
    e.transform(psMat.compose(psMat.scale(s), psMat.translate(dx, dy)))
    f = glyphe.foreground
    for c in e:
        f += c
    glyphe.foreground = f


# ---------------------------------------------------------------- fonts


def basis_laden(pfad=BASIS):
    basis = fontforge.open(pfad)
    for g in basis.glyphs():
        if g.references:
            g.unlinkRef()
    basis.layers["Fore"].is_quadratic = False
    return basis


def neue_schrift(basis, familie, schnitt="Bold", herkunft="Schnitt, Ruinen, Spiegel, Bilder", gattung="Übungsschrift"):
    f = fontforge.font()
    f.encoding = "UnicodeBmp"
    f.em = basis.em
    f.ascent, f.descent = basis.ascent, basis.descent
    f.layers["Fore"].is_quadratic = False
    f.fontname = familie + "-" + schnitt
    f.familyname = familie
    f.fullname = familie + " " + schnitt
    f.weight = schnitt
    f.os2_weight = 700 if schnitt == "Bold" else 400
    f.version = VERSION
    f.copyright = basis.copyright + "\nAbgeleitet für Tippolo (%s)." % herkunft
    f.sfnt_names = ()
    for art, text in (("Copyright", f.copyright), ("Family", familie), ("SubFamily", schnitt),
                      ("UniqueID", "Tippolo: %s %s: %s" % (familie, schnitt, VERSION)),
                      ("Fullname", familie + " " + schnitt),
                      ("Version", "Version " + VERSION), ("PostScriptName", familie + "-" + schnitt),
                      ("Descriptor", gattung + " des Rechtschreibtrainers Tippolo, abgeleitet von einer "
                                     "Schrift unter der SIL Open Font License 1.1"),
                      ("License", "This Font Software is licensed under the SIL Open Font License, Version 1.1."),
                      ("License URL", "https://openfontlicense.org")):
        f.appendSFNTName("English (US)", art, text)
    f.os2_vendor = "TPPL"
    return f


def kopieren(basis, ziel, cp):
    quelle = basis[basis.findEncodingSlot(cp)]
    g = ziel.createChar(cp, quelle.glyphname)
    g.foreground = quelle.foreground.dup()
    g.width = quelle.width
    # Some letters are built from overlapping strokes; cutting, mirroring
    # and turning contours need one clean outline.
    g.removeOverlap()
    return g


def metriken(f, oben=None, unten=None, luecke=0):
    """Line metrics: by default exactly what the glyphs reach."""
    if oben is None:
        oben = max(int(math.ceil(g.boundingBox()[3])) for g in f.glyphs())
        unten = max(-int(math.floor(g.boundingBox()[1])) for g in f.glyphs())
    for name in ("os2_typoascent", "os2_winascent", "hhea_ascent"):
        setattr(f, name, oben)
    f.os2_typodescent = -unten
    f.hhea_descent = -unten
    f.os2_windescent = unten
    f.os2_typolinegap = luecke
    f.hhea_linegap = luecke
    for name in ("os2_typoascent_add", "os2_typodescent_add", "os2_winascent_add", "os2_windescent_add",
                 "hhea_ascent_add", "hhea_descent_add"):
        setattr(f, name, False)


def schrift_machen(basis, familie, verwandeln, **namen):
    f = neue_schrift(basis, familie, **namen)
    f.createChar(-1, ".notdef").width = basis[".notdef"].width
    for cp in zeichensatz():
        g = kopieren(basis, f, cp)
        verwandeln(g, cp)
        abschliessen(g)
    metriken(f)
    return f


def speichern(f, pfad):
    f.generate(pfad, flags=("omit-instructions", "no-FFTM-table", "no-hints", "opentype"))


def main():
    ziel = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(ziel, exist_ok=True)
    basis = basis_laden()
    schnitt = round(basis.xHeight / 2)

    def fenster(g, cp):
        if buchstabe(cp) or chr(cp).isdigit():
            ruine(g, cp, basis)

    def anlaut(g, cp):
        if not buchstabe(cp):
            return
        schluessel = bildschluessel(cp)
        g.foreground = fontforge.layer()
        if schluessel:
            bild_zeichnen(g, BILDWOERTER[schluessel][1](), basis)
        else:
            # The letter itself in the frame, in its own case: the child
            # copies what it sees.
            bild_zeichnen(g, bild_rahmen(cp), basis)

    # The stand-in for the sans-serif fonts the program names: the base
    # font's letters (I, l and 1 stay apart) with the line height of the
    # fonts it stands in for, so that no label made for them is cut.
    for staerke, datei, quelle in (("Regular", "Fibel", basis_laden(BASIS.replace("Bold", "Regular"))),
                                   ("Bold", "Fibel-Fett", basis)):
        f = schrift_machen(quelle, "Fibel", lambda g, cp: None, schnitt=staerke, herkunft="Auszug",
                           gattung="Ersatzschrift")
        metriken(f, 1854, 434, 67)
        speichern(f, os.path.join(ziel, datei + ".ttf"))
        f.close()

    for familie, verwandeln in (("tpohalb", lambda g, cp: halb(g, schnitt)), ("tpofenster", fenster),
                                ("tpospiegel", lambda g, cp: spiegeln(g)), ("Anlaut", anlaut)):
        f = schrift_machen(basis, familie, verwandeln)
        speichern(f, os.path.join(ziel, familie + ".ttf"))
        f.close()


if __name__ == "__main__":
    main()

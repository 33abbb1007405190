#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Colour differences (CIE ΔE*ab) of the Michel-Lévy strip against a colorimetric rendering
computed here from scratch, by a straight loop over the wavelengths (white light only).

  mesure-colorimetrie.py fichier <rainbow file> <max> <step>
      the plain table of that file against the colorimetric rendering, row by row
  mesure-colorimetrie.py capture <screenshot.png> <x> <y> <width> <max> <step>
      the strip's columns in a window screenshot (strip at x, y, that wide) against it
"""
import math
import subprocess
import sys

D65 = (0.9505, 1.0, 1.089)
BLANC_LAB = (0.95047, 1.0, 1.08883)


def lobe(l, c, g, d):
    t = (l - c) * (g if l < c else d)
    return math.exp(-0.5 * t * t)


def cmf(l):
    x = (0.362 * lobe(l, 442.0, 0.0624, 0.0374) + 1.056 * lobe(l, 599.8, 0.0264, 0.0323)
         - 0.065 * lobe(l, 501.1, 0.0490, 0.0382))
    y = 0.821 * lobe(l, 568.8, 0.0213, 0.0247) + 0.286 * lobe(l, 530.9, 0.0613, 0.0322)
    z = 1.217 * lobe(l, 437.0, 0.0845, 0.0278) + 0.681 * lobe(l, 459.0, 0.0385, 0.0725)
    return x, y, z


CMF = [(l, cmf(l)) for l in range(400, 801)]
TOTAL = [sum(c[k] for _, c in CMF) for k in range(3)]


def encode(v):
    v = min(max(v, 0.0), 1.0)
    return round(255 * (12.92 * v if v <= 0.0031308 else 1.055 * v ** (1 / 2.4) - 0.055))


def colorimetrique(retard):
    """8-bit sRGB of the light that crossed polarisers pass, equal-energy 400..800 nm."""
    s = [0.0, 0.0, 0.0]
    for l, c in CMF:
        w = math.cos(math.pi * retard / l) ** 2
        for k in range(3):
            s[k] += c[k] * w
    X, Y, Z = ((1 - s[k] / TOTAL[k]) * D65[k] for k in range(3))
    lin = (3.2406 * X - 1.5372 * Y - 0.4986 * Z,
           -0.9689 * X + 1.8758 * Y + 0.0415 * Z,
           0.0557 * X - 0.2040 * Y + 1.0570 * Z)
    return tuple(encode(v) for v in lin)


def lab(rgb):
    def lineaire(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (lineaire(c) for c in rgb)
    xyz = (0.4124 * r + 0.3576 * g + 0.1805 * b,
           0.2126 * r + 0.7152 * g + 0.0722 * b,
           0.0193 * r + 0.1192 * g + 0.9505 * b)
    f = [v / w for v, w in zip(xyz, BLANC_LAB)]
    f = [v ** (1 / 3) if v > 216 / 24389 else (24389 / 27 * v + 16) / 116 for v in f]
    return 116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])


def delta_e(a, b):
    return math.dist(lab(a), lab(b))


def table_simple(nom, retard_max, pas_):
    """The plain white-light table of the rainbow file, rounded as the strip rounds it."""
    spectre = []
    with open(nom) as f:
        next(f)
        for ligne in f:
            l, r, g, b = (int(v) for v in ligne.split())
            spectre.append((l, (r / 255, g / 255, b / 255)))
    tot = [sum(c[k] for _, c in spectre) for k in range(3)]
    lignes = []
    for i in range(retard_max // pas_ + 1):
        s = [0.0, 0.0, 0.0]
        for l, c in spectre:
            w = math.cos(math.pi * i * pas_ / l) ** 2
            for k in range(3):
                s[k] += c[k] * w
        lignes.append((i * pas_, tuple(round(255 * (1 - s[k] / tot[k])) for k in range(3))))
    return lignes


def colonnes_capture(png, x0, y0, largeur, retard_max, pas_):
    """The strip's colour at the centre of each row's column, below the ticks."""
    rgb = subprocess.run(['convert', png, '-crop', f'{largeur}x1+{x0}+{y0 + 50}', '+repage',
                          '-depth', '8', 'rgb:-'], check=True, capture_output=True).stdout
    derniere = retard_max // pas_
    s = largeur / derniere
    lignes = []
    for i in range(derniere + 1):
        x = min(round(i * s), largeur - 1)
        lignes.append((i * pas_, tuple(rgb[3 * x:3 * x + 3])))
    return lignes


def resume(ecarts):
    ecarts = sorted(ecarts)
    n = len(ecarts)
    return (f'mean {sum(ecarts) / n:.2f}  median {ecarts[n // 2]:.2f}  '
            f'p90 {ecarts[int(0.9 * (n - 1))]:.2f}  max {ecarts[-1]:.2f}  ({n} columns)')


def main():
    if len(sys.argv) == 5 and sys.argv[1] == 'fichier':
        lignes = table_simple(sys.argv[2], int(sys.argv[3]), int(sys.argv[4]))
    elif len(sys.argv) == 8 and sys.argv[1] == 'capture':
        lignes = colonnes_capture(sys.argv[2], *(int(v) for v in sys.argv[3:8]))
    else:
        sys.exit(__doc__)
    ecarts = []
    for retard, rgb in lignes:
        ref = colorimetrique(retard)
        ecarts.append(delta_e(rgb, ref))
        if retard in (500, 1000):
            print(f'{retard} nm: L* {lab(rgb)[0]:.1f} here, {lab(ref)[0]:.1f} colorimetric')
    print('ΔE*ab', resume(ecarts))


if __name__ == '__main__':
    main()

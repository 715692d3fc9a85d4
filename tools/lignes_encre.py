#!/usr/bin/env python3
"""Counts the lines of ink across pictures: the bands of rows holding ink, a band ending at a gap
of at least --ecart blank rows, summed over the pictures in the order given. With a text whose
lines do not wrap, the count equals the text's line count when every line was written.

    tools/lignes_encre.py [--ecart N] [--texte FICHIER] IMAGE...

Reads the pictures through ImageMagick's convert. With --texte, also prints the text's non-blank
line count and exits 1 when the two differ."""
import argparse
import struct
import subprocess
import sys


def rangees_encrees(image):
    """Per row, whether it holds a pixel darker than white."""
    hauteur = int(subprocess.run(["/usr/bin/identify", "-format", "%h", image], check=True,
                                 capture_output=True, text=True).stdout)
    brut = subprocess.run(["/usr/bin/convert", image, "-colorspace", "Gray", "-negate", "-threshold", "1%",
                           "-scale", f"1x{hauteur}!", "-depth", "16", "gray:-"],
                          check=True, capture_output=True).stdout
    return [v > 0 for v in struct.unpack(f">{hauteur}H", brut[:2 * hauteur])]


def bandes(rangees, ecart):
    n, blanc = 0, ecart
    for encre in rangees:
        if encre:
            if blanc >= ecart:
                n += 1
            blanc = 0
        else:
            blanc += 1
    return n


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--ecart", type=int, default=8, help="blank rows that end a line (default 8)")
    p.add_argument("--texte", help="the text the pictures were written from")
    p.add_argument("images", nargs="+")
    a = p.parse_args()
    total = sum(bandes(rangees_encrees(i), a.ecart) for i in a.images)
    print(f"lignes d'encre : {total} dans {len(a.images)} images")
    if a.texte:
        with open(a.texte, encoding="utf-8", errors="replace") as f:
            lignes = sum(1 for l in f if l.strip())
        print(f"lignes du texte : {lignes}")
        return 0 if lignes == total else 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

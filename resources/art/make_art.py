#!/usr/bin/python3
"""Regenerate every picture of the program from its drawing code.

    /usr/bin/python3 resources/art/make_art.py [--sheet PATH]

Writes into resources/ (next to this folder):
    toolbar.bmp  ready.bmp  skip.bmp  verbs.ico  hand.cur  splash.bmp
    toolbar_large.bmp  ready_large.bmp  skip_large.bmp  hand_large.cur
    about.bmp  background.bmp  correct.bmp  wrong.bmp  noattempts.bmp  timeover.bmp
and, with --sheet, a contact sheet PNG of all of them for a visual check.
The output is the same on every run (no randomness without a fixed seed).
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True          # keep the source tree clean
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from artkit import fileio, toolbar, icon, cursor, results, splash, tile  # noqa: E402

OUT = os.path.normpath(os.path.join(HERE, ".."))


def build(out=OUT):
    made = {}

    def path(name):
        p = os.path.join(out, name)
        made[name] = p
        return p

    strip = toolbar.toolbar_strip()
    fileio.write_bmp24(path("toolbar.bmp"), strip)
    fileio.write_bmp4_vga(path("ready.bmp"), toolbar.vga_button("ready"))
    fileio.write_bmp4_vga(path("skip.bmp"), toolbar.vga_button("skip"))
    fileio.write_ico(path("verbs.ico"), icon.icon_images())
    grid = cursor.hand_grid()
    fileio.write_cur_mono(path("hand.cur"), grid, cursor.hotspot(grid))
    # Twice the size, for screens scaled above 100 %.
    fileio.write_bmp24(path("toolbar_large.bmp"), toolbar.toolbar_strip_large())
    fileio.write_bmp24(path("ready_large.bmp"), toolbar.large_button("ready"))
    fileio.write_bmp24(path("skip_large.bmp"), toolbar.large_button("skip"))
    large = cursor.doubled(grid)
    fileio.write_cur_mono(path("hand_large.cur"), large, cursor.hotspot(large))
    fileio.write_bmp8(path("splash.bmp"), splash.splash())
    fileio.write_bmp8(path("about.bmp"), splash.about())
    fileio.write_bmp8(path("background.bmp"), tile.background_tile())
    for name, fn in results.PICTURES.items():
        fileio.write_bmp8(path(name + ".bmp"), fn())
    return made


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=OUT, help="folder for the generated files (default: resources/)")
    ap.add_argument("--sheet", help="also write a contact sheet PNG here")
    args = ap.parse_args()
    made = build(args.out)
    for name, p in made.items():
        print("%-16s %7d bytes" % (name, os.path.getsize(p)))
    if args.sheet:
        from artkit import sheet
        sheet.contact_sheet(made, args.sheet)
        print("contact sheet:", args.sheet)


if __name__ == "__main__":
    main()

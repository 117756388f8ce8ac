#!/usr/bin/python3
"""Draw the sixteen pictures of the "Kestrel pictures" theme and write
them as baseline JPEG files 01.jpg .. 16.jpg into pictures_lib/images.

    /usr/bin/python3 pictures_lib/art/make_pictures.py [--sheet PNG] [--preview PNG] [--only NN ...]

--sheet writes a contact sheet of the written files; --preview writes
every picture half covered by tiles, as a test in progress shows it.
The output is the same on every run (all scattering uses fixed seeds).
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True          # keep the source tree clean
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.normpath(os.path.join(HERE, "..", "..", "resources", "art")))

from scenery import jpeg, pictures, sheet  # noqa: E402

OUT = os.path.normpath(os.path.join(HERE, "..", "images"))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=OUT, help="folder for the JPEG files (default: pictures_lib/images)")
    ap.add_argument("--sheet", help="also write a contact sheet PNG here")
    ap.add_argument("--preview", help="also write the pictures half uncovered into this PNG")
    ap.add_argument("--only", nargs="*", help="draw only these pictures (01 .. 16)")
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)
    files = []
    halves = []
    for name, fn in pictures.PICTURES:
        path = os.path.join(args.out, name + ".jpg")
        if args.only and name not in args.only:
            if os.path.exists(path):
                files.append(("%s %s" % (name, fn.__name__), path))
            continue
        img = pictures.render(fn)
        data, q, ss = jpeg.encode_in_band(img)
        w, h, baseline, jfif = jpeg.check(data)
        assert (w, h) == (240, 300) and baseline and jfif, name
        with open(path, "wb") as f:
            f.write(data)
        files.append(("%s %s" % (name, fn.__name__), path))
        halves.append(img)
        print("%s.jpg %6d bytes  quality %d  %s  %s" % (name, len(data), q, "4:2:0" if ss == 2 else "4:4:4",
                                                       fn.__doc__.strip().splitlines()[0]))
    if args.sheet:
        sheet.contact_sheet(files, args.sheet)
        print("contact sheet:", args.sheet)
    if args.preview:
        from PIL import Image
        tmp = []
        for i, (label, p) in enumerate(files):
            im = sheet.covered(Image.open(p).convert("RGB"), 0.5, seed=i + 1)
            q = p + ".preview.png"
            tmp.append((label + " (half uncovered)", im))
        sheet_img = Image.new("RGB", (4 * 248 + 8, ((len(tmp) + 3) // 4) * 308 + 8), (236, 236, 236))
        for i, (label, im) in enumerate(tmp):
            sheet_img.paste(im, (8 + (i % 4) * 248, 8 + (i // 4) * 308))
        sheet_img.save(args.preview)
        print("preview:", args.preview)


if __name__ == "__main__":
    main()

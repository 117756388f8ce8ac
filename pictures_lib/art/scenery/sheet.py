"""Contact sheet and the half-uncovered preview, for looking at the set."""

import random

from PIL import Image, ImageDraw, ImageFont

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"


def covered(img, fraction, seed=1):
    """The picture as the learner sees it with `fraction` of the 320 tiles
    still covered: raised grey tiles, white top-left and grey bottom-right
    edges, over the button face."""
    out = img.copy()
    d = ImageDraw.Draw(out)
    rnd = random.Random(seed)
    cells = list(range(320))
    rnd.shuffle(cells)
    for cell in cells[:int(320 * fraction)]:
        col, row = divmod(cell, 20)
        x, y = col * 15, row * 15
        d.rectangle((x, y, x + 14, y + 14), fill=(212, 208, 200))
        d.line([(x + 13, y + 1), (x + 1, y + 1), (x + 1, y + 14)], fill=(255, 255, 255))
        d.line([(x + 14, y + 2), (x + 14, y + 14), (x + 1, y + 14)], fill=(128, 128, 128))
    return out


def contact_sheet(files, dest, cols=4):
    """files: list of (label, path); the JPEGs are read back from disk."""
    font = ImageFont.truetype(FONT, 11)
    ims = [(label, Image.open(p).convert("RGB")) for label, p in files]
    gap, lab = 8, 16
    w, h = 240, 300
    rows = (len(ims) + cols - 1) // cols
    sheet = Image.new("RGB", (cols * (w + gap) + gap, rows * (h + gap + lab) + gap), (236, 236, 236))
    d = ImageDraw.Draw(sheet)
    for i, (label, im) in enumerate(ims):
        x = gap + (i % cols) * (w + gap)
        y = gap + (i // cols) * (h + gap + lab)
        d.text((x, y), label, font=font, fill=(50, 50, 50))
        sheet.paste(im, (x, y + lab))
    sheet.save(dest)

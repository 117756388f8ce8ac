"""The main window's background tile (116 x 91): calm pale blue with soft
embossed wave lines.  Every function used is periodic in 116 horizontally and
91 vertically, so the tile repeats without seams."""

import math
from PIL import Image

TW, TH = 116, 91
ROW = 13.0            # 91 = 7 rows
PERIOD = 58.0         # 116 = 2 waves per tile
AMP = 2.2

BASE = (210, 223, 236)
LIGHT = (224, 234, 245)
DARK = (198, 212, 227)


def _shade(x, y):
    """0 = base, +1 = light, -1 = dark, at point (x, y) (periodic)."""
    # two gentle sines, both periodic over the tile
    wave = AMP * math.sin(2 * math.pi * x / PERIOD)
    d = (y - wave) % ROW
    if d < 1.2:
        return 1.0
    if d < 2.4:
        return -1.0
    return 0.0


def background_tile(s=6):
    img = Image.new("RGB", (TW, TH))
    px = img.load()
    for j in range(TH):
        for i in range(TW):
            acc = 0.0
            accn = 0.0
            for sj in range(s):
                for si in range(s):
                    v = _shade(i + (si + 0.5) / s, j + (sj + 0.5) / s)
                    if v > 0:
                        acc += v
                    else:
                        accn -= v
            acc /= s * s
            accn /= s * s
            col = []
            for k in range(3):
                c = BASE[k] + (LIGHT[k] - BASE[k]) * acc + (DARK[k] - BASE[k]) * accn
                col.append(int(round(c)))
            px[i, j] = tuple(col)
    return img

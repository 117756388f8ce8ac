"""Smooth paints and soft effects for the theme pictures.

The drawing kit's own gradients evaluate every supersampled pixel in
Python; the paints here evaluate once per final pixel and let Pillow
enlarge the result bilinearly, which is exact enough for smooth ramps and
many times faster.  The soft effects (glows, mist, blur) work on the
canvas image directly.
"""

import math

from PIL import Image, ImageDraw, ImageFilter

from artkit import raster as R


def mix(a, b, t):
    """Colour between a and b (t = 0 gives a)."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def stops_of(cols):
    n = len(cols) - 1
    return [(i / n, c) for i, c in enumerate(cols)]


def _stops(cols):
    """Accept plain colours (spread evenly) or (position, colour) stops."""
    if isinstance(cols[0][1], tuple):
        return list(cols)
    return stops_of(cols)


class Field:
    """A paint given by t(x, y) in final pixels and a colour ramp."""

    def __init__(self, stops):
        self.stops = stops
        self.lut = [R.ramp(stops, i / 1023.0) for i in range(1024)]

    def t(self, x, y):
        raise NotImplementedError

    def render(self, box, s):
        x0, y0, x1, y1 = box
        fx0, fy0 = x0 // s, y0 // s
        fx1, fy1 = -(-x1 // s), -(-y1 // s)
        w, h = fx1 - fx0, fy1 - fy0
        small = Image.new("RGB", (w, h))
        px = small.load()
        lut = self.lut
        for j in range(h):
            y = fy0 + j + 0.5
            for i in range(w):
                t = self.t(fx0 + i + 0.5, y)
                t = 0.0 if t < 0.0 else (1.0 if t > 1.0 else t)
                px[i, j] = lut[int(t * 1023 + 0.5)]
        big = small.resize((w * s, h * s), Image.BILINEAR)
        ox, oy = x0 - fx0 * s, y0 - fy0 * s
        return big.crop((ox, oy, ox + (x1 - x0), oy + (y1 - y0)))


class Lin(Field):
    """Linear ramp from point a to point b."""

    def __init__(self, a, b, cols):
        super().__init__(_stops(cols))
        self.a = a
        dx, dy = b[0] - a[0], b[1] - a[1]
        ll = dx * dx + dy * dy or 1.0
        self.ux, self.uy = dx / ll, dy / ll

    def t(self, x, y):
        return (x - self.a[0]) * self.ux + (y - self.a[1]) * self.uy


class Rad(Field):
    """Elliptic radial ramp around c."""

    def __init__(self, c, r, cols, ry=None):
        super().__init__(_stops(cols))
        self.c, self.rx, self.ry = c, float(r), float(ry or r)

    def t(self, x, y):
        dx = (x - self.c[0]) / self.rx
        dy = (y - self.c[1]) / self.ry
        return math.sqrt(dx * dx + dy * dy)


def V(y0, y1, *cols):
    """Vertical ramp from y0 to y1 through the colours."""
    return Lin((0, y0), (0, y1), list(cols))


def L(a, b, *cols):
    return Lin(a, b, list(cols))


# ---------------------------------------------------------------------------
# soft effects straight on the canvas image
# ---------------------------------------------------------------------------

def _small_mask(c, draw_fn):
    m = Image.new("L", (c.w, c.h), 0)
    draw_fn(ImageDraw.Draw(m))
    return m


def _apply(c, mask_small, colour, blur, opacity):
    if blur > 0:
        mask_small = mask_small.filter(ImageFilter.GaussianBlur(blur))
    if opacity < 1.0:
        mask_small = mask_small.point(lambda v: int(round(v * opacity)))
    mask = mask_small.resize(c.img.size, Image.BILINEAR)
    layer = Image.new("RGB", c.img.size, colour)
    base = c.img if c.img.mode == "RGB" else c.img.convert("RGB")
    base.paste(layer, (0, 0), mask)
    if base is not c.img:
        c.img = base


def glow(c, cx, cy, r, colour, opacity=0.6, blur=None):
    """A soft round glow (sun, moon, lamp) of radius r."""
    def d(dr):
        dr.ellipse((cx - r, cy - r, cx + r, cy + r), fill=255)
    _apply(c, _small_mask(c, d), colour, blur if blur is not None else r * 0.6, opacity)


def soft_band(c, y0, y1, colour, opacity=0.5, blur=6, x0=-20, x1=None):
    """A soft horizontal band (mist lying in a valley)."""
    x1 = c.w + 20 if x1 is None else x1

    def d(dr):
        dr.rectangle((x0, y0, x1, y1), fill=255)
    _apply(c, _small_mask(c, d), colour, blur, opacity)


def soft_shape(c, contours, colour, opacity=0.5, blur=4):
    """Any shape, blurred (mist banks, shadows, aurora curtains)."""
    if contours and isinstance(contours[0][0], (int, float)):
        contours = [contours]

    def d(dr):
        for con in contours:
            dr.polygon([(x, y) for x, y in con], fill=255)
    _apply(c, _small_mask(c, d), colour, blur, opacity)


def soft_strokes(c, lines, colour, width, opacity=0.5, blur=2):
    """Blurred polylines (light rays, streaks)."""
    def d(dr):
        for pts in lines:
            dr.line([(x, y) for x, y in pts], fill=255, width=int(round(width)))
    _apply(c, _small_mask(c, d), colour, blur, opacity)


def tinted(colours, tint, amount):
    """A copy of a colour table washed towards tint (the light of dawn,
    dusk or the moon falling on a figure)."""
    out = {}
    for k, v in colours.items():
        if isinstance(v, tuple) and len(v) == 3:
            out[k] = mix(v, tint, amount)
        else:
            out[k] = v
    return out


def shaded(colours, factor, tint=(255, 255, 255), amount=0.0):
    """A copy of a colour table darkened by factor (<1), then tinted."""
    out = {}
    for k, v in colours.items():
        if isinstance(v, tuple) and len(v) == 3:
            d = tuple(int(round(ch * factor)) for ch in v)
            out[k] = mix(d, tint, amount)
        else:
            out[k] = v
    return out

"""Skies: gradients, sun, moon, stars, clouds, aurora.

Coordinates are final pixels of the 240 x 300 picture.  Every scattered
thing takes an explicit seed so that a run always draws the same picture.
"""

import math
import random

from PIL import Image, ImageFilter

from artkit import raster as R
from . import paint as P


def gradient(c, *cols, y0=0, y1=None):
    """Fill the whole picture with a vertical sky ramp."""
    y1 = c.h if y1 is None else y1
    c.fill(R.rect(-2, -2, c.w + 2, c.h + 2), P.V(y0, y1, *cols))


def sun(c, cx, cy, r, core=(255, 250, 226), rim=(255, 214, 120), halo=(255, 200, 120),
        halo_r=None, halo_opacity=0.55):
    """A sun with a wide soft halo; a low sun gets warm colours."""
    halo_r = r * 4 if halo_r is None else halo_r
    P.glow(c, cx, cy, halo_r, halo, opacity=halo_opacity, blur=halo_r * 0.55)
    P.glow(c, cx, cy, r * 1.8, rim, opacity=0.55, blur=r * 0.7)
    c.fill(R.circle(cx, cy, r), P.Rad((cx, cy), r, [core, core, rim]))


def moon(c, cx, cy, r, light=(252, 248, 226), shade=(214, 216, 214), halo=(190, 210, 255),
         halo_opacity=0.35):
    """A full moon with faint grey seas and a cool halo."""
    P.glow(c, cx, cy, r * 3.2, halo, opacity=halo_opacity, blur=r * 1.6)
    P.glow(c, cx, cy, r * 1.5, halo, opacity=0.35, blur=r * 0.5)
    c.fill(R.circle(cx, cy, r), P.Rad((cx - r * 0.3, cy - r * 0.3), r * 1.4, [light, light, shade]))
    seas = [(-0.25, -0.2, 0.32, 0.24), (0.22, -0.32, 0.22, 0.17), (0.12, 0.22, 0.36, 0.22),
            (-0.38, 0.28, 0.16, 0.14), (0.42, 0.02, 0.12, 0.18)]
    for sx, sy, rx, ry in seas:
        c.fill(R.ellipse(cx + sx * r, cy + sy * r, rx * r, ry * r), shade, opacity=0.55)
    for sx, sy, rr in [(-0.1, 0.55, 0.08), (0.5, 0.45, 0.06), (-0.55, -0.1, 0.07)]:
        c.fill(R.circle(cx + sx * r, cy + sy * r, rr * r), shade, opacity=0.8)


def crescent(c, cx, cy, r, light=(255, 246, 210), halo=(180, 200, 255), tilt=-0.5):
    """A thin crescent moon, lit on the right."""
    P.glow(c, cx, cy, r * 2.5, halo, opacity=0.3, blur=r * 1.2)
    outer = R.circle(cx, cy, r)
    ox, oy = cx - r * 0.45 * math.cos(tilt), cy - r * 0.45 * math.sin(tilt)
    inner = R.circle(ox, oy, r * 0.92)
    c.fill([R.oriented(outer), R.oriented(inner, False)], light)


def stars(c, seed, n, y0=0, y1=150, x0=0, x1=None, colour=(255, 255, 255), bright=0.12,
          avoid=None):
    """Seeded star field: many faint points, some brighter, a few with a
    four-pointed sparkle.  avoid: (cx, cy, r) kept clear (the moon)."""
    x1 = c.w if x1 is None else x1
    rnd = random.Random(seed)
    for _ in range(n):
        x = rnd.uniform(x0, x1)
        t = rnd.random()
        y = y0 + (y1 - y0) * t * t ** 0.3
        if avoid and math.hypot(x - avoid[0], y - avoid[1]) < avoid[2]:
            continue
        fade = 1.0 - 0.6 * (y - y0) / max(1.0, y1 - y0)
        m = rnd.random()
        if m < bright:
            rr = rnd.uniform(0.8, 1.2)
            P.glow(c, x, y, 2.5, colour, opacity=0.25 * fade, blur=1.5)
            c.fill(R.circle(x, y, rr), colour, opacity=min(1.0, 0.95 * fade + 0.1))
            if m < bright * 0.45:
                ln = rnd.uniform(3.0, 5.0)
                c.fill(R.stroke([(x - ln, y), (x + ln, y)], 0.5), colour, opacity=0.7 * fade)
                c.fill(R.stroke([(x, y - ln), (x, y + ln)], 0.5), colour, opacity=0.7 * fade)
        else:
            c.fill(R.circle(x, y, rnd.uniform(0.35, 0.65)), colour,
                   opacity=rnd.uniform(0.35, 0.9) * fade)


def cloud_contours(cx, cy, w, seed, puffs=6, height=0.42):
    """Contours of a cumulus cloud w wide with its flat base at cy."""
    rnd = random.Random(seed)
    cons = []
    for k in range(puffs):
        t = (k + 0.5) / puffs
        x = cx - w / 2 + w * t
        bump = math.sin(math.pi * t)
        r = w * (0.12 + 0.16 * bump) * rnd.uniform(0.85, 1.15)
        y = cy - r * 0.55 - w * height * 0.35 * bump * rnd.uniform(0.8, 1.2)
        cons.append(R.oriented(R.circle(x, y, r)))
    cons.append(R.oriented(R.rrect(cx - w / 2, cy - w * 0.14, cx + w / 2, cy, w * 0.07)))
    return cons


def cloud(c, cx, cy, w, seed, top=(255, 255, 255), base=(206, 220, 238), lit=None, opacity=1.0,
          puffs=6):
    """A soft-edged cumulus cloud; lit: a rim colour on its upper side."""
    cons = cloud_contours(cx, cy, w, seed, puffs)
    h = w * 0.5
    c.fill(cons, P.V(cy - h, cy, top, base), opacity=opacity)
    # lighter tops of the puffs
    rnd = random.Random(seed + 1)
    for con in cons[:-1]:
        xs = [p[0] for p in con]
        ys = [p[1] for p in con]
        px, py = (min(xs) + max(xs)) / 2, (min(ys) + max(ys)) / 2
        r = (max(xs) - min(xs)) / 2
        col = lit or top
        c.fill(R.circle(px - r * 0.12, py - r * 0.18, r * 0.72), col, opacity=0.35 * opacity)
    # the shaded base
    c.fill(R.rrect(cx - w / 2 + 2, cy - w * 0.06, cx + w / 2 - 2, cy, w * 0.03), base, opacity=0.6 * opacity)


def streak(c, cx, cy, w, h, col, opacity=1.0, skew=0.0):
    """A long thin cloud streak (dawn and dusk skies): a lens shape."""
    top = R.bezier((cx - w / 2, cy), (cx - w / 4 + skew, cy - h), (cx + w / 4 + skew, cy - h), (cx + w / 2, cy), 24)
    bot = R.bezier((cx + w / 2, cy), (cx + w / 4, cy + h * 0.5), (cx - w / 4, cy + h * 0.5), (cx - w / 2, cy), 24)
    c.fill(top + bot[1:], col, opacity=opacity)


def streaks(c, seed, n, y0, y1, cols, w=(50, 120), h=(2.5, 5), opacity=0.85):
    rnd = random.Random(seed)
    for _ in range(n):
        cx = rnd.uniform(-20, c.w + 20)
        cy = rnd.uniform(y0, y1)
        col = cols[rnd.randrange(len(cols))]
        streak(c, cx, cy, rnd.uniform(*w), rnd.uniform(*h), col, opacity * rnd.uniform(0.6, 1.0),
               rnd.uniform(-8, 8))


def aurora(c, seed, base_y, height, green=(90, 255, 170), pink=(200, 110, 255), opacity=0.85):
    """Curtains of northern light hanging over base_y."""
    rnd = random.Random(seed)
    w, h = c.w, c.h
    ph = [rnd.uniform(0, 6.28) for _ in range(4)]
    curve = [base_y + 18 * math.sin(x / 47.0 + ph[0]) + 9 * math.sin(x / 19.0 + ph[1]) - x * 0.25
             for x in range(w)]
    strength = [0.55 + 0.45 * math.sin(x / 11.0 + ph[2]) * math.sin(x / 29.0 + ph[3]) for x in range(w)]
    rays = [rnd.uniform(0.6, 1.0) for _ in range(w)]
    g = Image.new("L", (w, h), 0)
    p = Image.new("L", (w, h), 0)
    gp, pp = g.load(), p.load()
    for x in range(w):
        y0 = curve[x]
        hh = height * (0.7 + 0.5 * strength[x])
        for y in range(max(0, int(y0 - hh)), min(h, int(y0 + 6))):
            d = y0 - y                           # height above the lower edge
            if d < 0:
                a = max(0.0, 1 + d / 6.0)        # sharp-ish lower rim
            else:
                a = max(0.0, 1 - d / hh) ** 1.4
            v = a * strength[x] * rays[x]
            gp[x, y] = int(255 * min(1.0, v * 1.2))
            if d > hh * 0.45:
                pp[x, y] = int(255 * min(1.0, v * 2.2 * (d - hh * 0.45) / hh))
    g = g.filter(ImageFilter.GaussianBlur(1.2))
    p = p.filter(ImageFilter.GaussianBlur(2.0))
    for m, col in ((p, pink), (g, green)):
        if opacity < 1:
            m = m.point(lambda v: int(v * opacity))
        big = m.resize(c.img.size, Image.BILINEAR)
        c.img.paste(Image.new("RGB", c.img.size, col), (0, 0), big)

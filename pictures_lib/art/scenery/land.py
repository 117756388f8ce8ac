"""Landscape: hills, mountains, water, snow, fields, fences, rocks.

Layers are drawn back to front; far layers take the colour of the air
(atmospheric perspective) and fade into mist at their feet.
"""

import math
import random

from PIL import Image, ImageFilter, ImageOps

from artkit import raster as R
from . import paint as P


def ridge_line(seed, y, waves, x0=-10, x1=250, step=3.0):
    """Points of a smooth hill line: y plus a sum of seeded sines.
    waves: list of (amplitude, wavelength)."""
    rnd = random.Random(seed)
    phases = [rnd.uniform(0, 2 * math.pi) for _ in waves]
    pts = []
    n = int((x1 - x0) / step) + 1
    for k in range(n + 1):
        x = x0 + (x1 - x0) * k / n
        yy = y
        for (a, wl), ph in zip(waves, phases):
            yy += a * math.sin(2 * math.pi * x / wl + ph)
        pts.append((x, yy))
    return pts


def hill(c, pts, paint, bottom=None):
    """Fill below a hill line."""
    bottom = c.h + 5 if bottom is None else bottom
    poly = list(pts) + [(pts[-1][0], bottom), (pts[0][0], bottom)]
    c.fill(poly, paint)


def layered_hills(c, seed, layers, haze, mist=0.45):
    """layers: list (far to near) of dicts with y, waves, col (, dark).
    Each layer runs from its colour at the crest to a misty tone below."""
    for i, L in enumerate(layers):
        pts = ridge_line(seed + 17 * i, L["y"], L["waves"], step=L.get("step", 3.0))
        top = min(p[1] for p in pts)
        col = L["col"]
        low = P.mix(L.get("dark", col), haze, L.get("mist", mist))
        depth = L.get("depth", 60)
        hill(c, pts, P.V(top, top + depth, col, low))
        if L.get("trees"):
            tree_line(c, seed + 31 * i, pts, *L["trees"])
        L["pts"] = pts
    return layers


def y_at(pts, x):
    """Height of a polyline at x (linear between its points)."""
    for (xa, ya), (xb, yb) in zip(pts, pts[1:]):
        if xa <= x <= xb:
            t = (x - xa) / (xb - xa) if xb > xa else 0
            return ya + (yb - ya) * t
    return pts[-1][1] if x > pts[-1][0] else pts[0][1]


def tree_line(c, seed, pts, col, size, density, kind="fir"):
    """Small distant trees standing on a hill line."""
    rnd = random.Random(seed)
    x = -5.0
    while x < c.w + 5:
        x += rnd.uniform(0.5, 1.5) * size / density
        if rnd.random() < 0.35:
            continue
        y = y_at(pts, x) + size * 0.25
        h = size * rnd.uniform(0.7, 1.3)
        if kind == "fir":
            c.fill([(x, y - h), (x + h * 0.28, y), (x - h * 0.28, y)], col)
        else:
            c.fill(R.ellipse(x, y - h * 0.45, h * 0.38, h * 0.5), col)


def mountains(c, peaks, base_y, rock, shade, snow=None, snow_shade=None, snow_line=0.35, seed=1):
    """A range of peaks [(x, y), ...] over base_y: lit left faces, shaded
    right faces, and optional snow caps reaching snow_line of the height."""
    rnd = random.Random(seed)
    for (px, py) in peaks:
        hgt = base_y - py
        wl = hgt * rnd.uniform(1.0, 1.3)
        wr = hgt * rnd.uniform(1.0, 1.3)
        left = (px - wl, base_y)
        right = (px + wr, base_y)
        body = [left, (px - wl * 0.35, py + hgt * 0.45), (px - wl * 0.1, py + hgt * 0.12), (px, py),
                (px + wr * 0.15, py + hgt * 0.18), (px + wr * 0.5, py + hgt * 0.5), right]
        c.fill(body, rock)
        # shaded face: from the peak down a crooked ridge to the base
        crease = [(px, py), (px + wr * 0.04, py + hgt * 0.3), (px - wl * 0.05, py + hgt * 0.6),
                  (px + wr * 0.08, base_y)]
        c.fill([(px, py)] + body[4:] + crease[::-1][:-1], shade)
        if snow:
            sy = py + hgt * snow_line
            cap = [(px, py), (px + wr * 0.15, py + hgt * 0.18)]
            # jagged lower edge of the snow from right to left
            xr = px + wr * snow_line * 0.95
            xl = px - wl * snow_line * 0.95
            n = 7
            for k in range(n + 1):
                t = k / n
                x = xr + (xl - xr) * t
                y = sy + (rnd.uniform(-0.12, 0.12) * hgt * snow_line) + (4 if k % 2 else -3)
                cap.append((x, y))
            cap.append((px - wl * 0.1, py + hgt * 0.12))
            c.fill(cap, snow)
            if snow_shade:
                sh = [(px, py), (px + wr * 0.15, py + hgt * 0.18), (xr, sy + 2),
                      (px + wr * 0.06, sy + 3), (px + wr * 0.03, py + hgt * 0.25)]
                c.fill(sh, snow_shade)


def water(c, y0, y1, top, bottom):
    c.fill(R.rect(-2, y0, c.w + 2, y1), P.V(y0, y1, top, bottom))


def reflect(c, y_water, y_end, tint, amount=0.45, blur=0.8, seed=5, ripples=None, ripple_opacity=0.35):
    """Mirror what stands above the water line into the water below it,
    tinted with the water colour, softened, with light ripple lines."""
    s = c.s
    yw = int(round(y_water * s))
    ye = int(round(y_end * s))
    hgt = ye - yw
    src = c.img.crop((0, max(0, yw - hgt), c.img.width, yw))
    mirrored = ImageOps.flip(src)
    small = mirrored.resize((c.w, max(1, hgt // s)), Image.BILINEAR)
    small = small.filter(ImageFilter.GaussianBlur(blur))
    tinted = Image.blend(small, Image.new("RGB", small.size, tint), amount)
    big = tinted.resize((c.img.width, hgt), Image.BILINEAR)
    c.img.paste(big, (0, yw))
    if ripples:
        rnd = random.Random(seed)
        for _ in range(ripples):
            t = rnd.random()
            y = y_water + 1 + (y_end - y_water - 2) * t * t
            x = rnd.uniform(-10, c.w + 10)
            w = rnd.uniform(6, 30) * (0.4 + t)
            c.fill(R.rect(x - w / 2, y, x + w / 2, y + 0.6 + t * 0.6), (255, 255, 255),
                   opacity=ripple_opacity * rnd.uniform(0.4, 1.0))


def snow_ground(c, seed, y, waves, light=(246, 250, 255), shade=(196, 212, 236), depth=40):
    pts = ridge_line(seed, y, waves)
    top = min(p[1] for p in pts)
    hill(c, pts, P.V(top, top + depth, light, shade))
    # a blue shadow line under each drift crest
    c.fill(R.stroke(pts, 1.0), shade, opacity=0.5)
    return pts


def snowfall(c, seed, n, y0=0, y1=None, size=(0.5, 1.6), colour=(255, 255, 255), opacity=(0.5, 0.95)):
    rnd = random.Random(seed)
    y1 = c.h if y1 is None else y1
    for _ in range(n):
        x = rnd.uniform(0, c.w)
        y = rnd.uniform(y0, y1)
        r = rnd.uniform(*size)
        c.fill(R.circle(x, y, r), colour, opacity=rnd.uniform(*opacity))


def fence(c, posts, rail_h, wood=(120, 84, 56), dark=(78, 54, 36), light=(170, 128, 90)):
    """Simple wooden fence: posts [(x, y_top, y_bottom, width)], rails between."""
    for (x, yt, yb, w) in posts:
        c.fill(R.rect(x - w / 2, yt, x + w / 2, yb), P.L((x - w / 2, 0), (x + w / 2, 0), light, wood, dark))
        c.fill([(x - w / 2, yt), (x, yt - w * 0.3), (x + w / 2, yt)], light)
    for (a, b) in zip(posts, posts[1:]):
        for f in rail_h:
            ya = a[1] + (a[2] - a[1]) * f
            yb = b[1] + (b[2] - b[1]) * f
            th = (a[3] + b[3]) * 0.18
            c.fill([(a[0], ya - th), (b[0], yb - th), (b[0], yb + th), (a[0], ya + th)], wood)


def rock(c, x, y, w, h, light, dark, seed=3):
    """A rounded boulder sitting on (x, y)."""
    rnd = random.Random(seed)
    pts = []
    n = 14
    for k in range(n):
        a = math.pi + math.pi * k / (n - 1)
        rr = rnd.uniform(0.9, 1.05)
        pts.append((x + math.cos(a) * w / 2 * rr, y + math.sin(a) * h * rr))
    c.fill(pts, P.L((x - w / 2, y - h), (x + w / 3, y), light, dark))

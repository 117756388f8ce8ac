"""Trees, branches, grass, flowers, crops and leaves."""

import math
import random

from artkit import raster as R
from . import paint as P


def taper(pts, w0, w1):
    """Outline of a polyline whose width narrows from w0 to w1."""
    n = len(pts)
    left, right = [], []
    for i, (x, y) in enumerate(pts):
        a = pts[max(0, i - 1)]
        b = pts[min(n - 1, i + 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / ln, dx / ln
        w = (w0 + (w1 - w0) * i / (n - 1)) / 2
        left.append((x + nx * w, y + ny * w))
        right.append((x - nx * w, y - ny * w))
    return left + right[::-1]


def limb(c, p0, p1, p2, p3, w0, w1, col, light=None, dark=None):
    """A curved, tapering branch (Bezier p0..p3) with a lit upper edge."""
    pts = R.bezier(p0, p1, p2, p3, 28)
    c.fill(taper(pts, w0, w1), col)
    if dark:
        c.fill(taper([(x + w0 * 0.12, y + w0 * 0.18) for x, y in pts], w0 * 0.55, w1 * 0.5), dark, opacity=0.6)
    if light:
        c.fill(taper([(x - w0 * 0.1, y - w0 * 0.22) for x, y in pts], w0 * 0.35, w1 * 0.3), light, opacity=0.7)
    return pts


def fir(c, x, yb, h, col, light, snow=None, tiers=None, seed=0, trunk=(70, 50, 40)):
    """A fir: drooping tiers, the left half catching the light, optional snow."""
    rnd = random.Random(seed)
    w = h * 0.42
    tiers = tiers or max(3, int(h / 9))
    c.fill(R.rect(x - h * 0.03, yb - h * 0.12, x + h * 0.03, yb), trunk)
    for k in range(tiers):
        t0 = k / tiers
        t1 = (k + 1.45) / tiers
        top = yb - h + h * t0 * 0.92
        bot = yb - h * 0.08 - (1 - min(1.0, t1)) * h * 0.92
        half = w * (0.18 + 0.82 * min(1.0, t1)) / 2 * rnd.uniform(0.92, 1.08)
        tier = ([(x, top)] + R.qbezier((x, top), (x + half * 0.55, bot - (bot - top) * 0.35), (x + half, bot), 8)[1:] +
                R.qbezier((x + half, bot), (x, bot - (bot - top) * 0.18), (x - half, bot), 8)[1:] +
                R.qbezier((x - half, bot), (x - half * 0.55, bot - (bot - top) * 0.35), (x, top), 8)[1:-1])
        c.fill(tier, col)
        lit = [(x, top)] + R.qbezier((x, top), (x - half * 0.55, bot - (bot - top) * 0.35), (x - half, bot), 8)[1:] + \
            [(x - half * 0.2, bot - (bot - top) * 0.12)]
        c.fill(lit, light, opacity=0.8)
        if snow:
            sn = (R.qbezier((x, top), (x + half * 0.5, top + (bot - top) * 0.55), (x + half * 0.95, bot - 0.5), 8) +
                  R.qbezier((x + half * 0.8, bot - (bot - top) * 0.12), (x + half * 0.25, top + (bot - top) * 0.6),
                            (x - half * 0.3, bot - (bot - top) * 0.1), 8) +
                  R.qbezier((x - half * 0.6, bot - (bot - top) * 0.1), (x - half * 0.4, top + (bot - top) * 0.5),
                            (x, top), 8))
            c.fill(sn, snow)


def round_tree(c, x, yb, h, crown, light, dark, trunk=(92, 64, 44), seed=0, blossom=None, dots=0):
    """A broadleaf tree: a trunk with two limbs and a crown of overlapping
    puffs, shaded dark below right and lit above left.  blossom: colour of
    dots scattered over the crown."""
    rnd = random.Random(seed)
    cw = h * 0.62
    cy = yb - h * 0.62
    tw = h * 0.07
    c.fill(taper([(x, yb), (x + tw * 0.3, yb - h * 0.45)], tw * 1.4, tw * 0.8), trunk)
    limb(c, (x, yb - h * 0.3), (x - h * 0.05, yb - h * 0.45), (x - h * 0.12, yb - h * 0.55), (x - h * 0.17, yb - h * 0.62),
         tw * 0.7, tw * 0.25, trunk)
    limb(c, (x, yb - h * 0.35), (x + h * 0.05, yb - h * 0.5), (x + h * 0.1, yb - h * 0.58), (x + h * 0.15, yb - h * 0.68),
         tw * 0.6, tw * 0.2, trunk)
    puffs = []
    for k in range(9):
        a = 2 * math.pi * k / 9 + rnd.uniform(-0.2, 0.2)
        rr = cw * rnd.uniform(0.18, 0.28)
        px = x + math.cos(a) * cw * 0.32
        py = cy + math.sin(a) * cw * 0.26
        puffs.append((px, py, rr))
    puffs.append((x, cy, cw * 0.34))
    puffs.sort(key=lambda p: p[1])
    c.fill([R.oriented(R.circle(px, py, rr)) for px, py, rr in puffs], dark)
    c.fill([R.oriented(R.circle(px - rr * 0.12, py - rr * 0.16, rr * 0.86)) for px, py, rr in puffs], crown)
    c.fill([R.oriented(R.circle(px - rr * 0.28, py - rr * 0.3, rr * 0.5)) for px, py, rr in puffs
            if py < cy + cw * 0.05], light, opacity=0.85)
    if blossom:
        for _ in range(dots):
            a = rnd.uniform(0, 2 * math.pi)
            d = math.sqrt(rnd.random())
            bx = x + math.cos(a) * cw * 0.5 * d
            by = cy + math.sin(a) * cw * 0.42 * d
            col = blossom[rnd.randrange(len(blossom))]
            c.fill(R.circle(bx, by, rnd.uniform(0.6, 1.4)), col, opacity=0.9)


def bare_tree(c, x, yb, h, col, seed=0, depth=6, snow=None, spread=0.55, w0=None):
    """A leafless tree drawn by recursive branching."""
    rnd = random.Random(seed)
    w0 = h * 0.06 if w0 is None else w0

    def grow(x0, y0, ang, ln, w, d):
        x1 = x0 + math.cos(ang) * ln
        y1 = y0 + math.sin(ang) * ln
        mx = (x0 + x1) / 2 + rnd.uniform(-0.12, 0.12) * ln
        my = (y0 + y1) / 2 + rnd.uniform(-0.12, 0.12) * ln
        pts = R.qbezier((x0, y0), (mx, my), (x1, y1), 6)
        c.fill(taper(pts, w, w * 0.68), col)
        if snow and d <= depth - 1 and w > 0.9:
            c.fill(taper([(px, py - w * 0.35) for px, py in pts], w * 0.5, w * 0.3), snow)
        if d == 0:
            return
        n = 2 if rnd.random() < 0.75 else 3
        for k in range(n):
            da = (k - (n - 1) / 2) * spread + rnd.uniform(-0.2, 0.2)
            grow(x1, y1, ang + da, ln * rnd.uniform(0.62, 0.8), w * 0.68, d - 1)

    grow(x, yb, -math.pi / 2 + rnd.uniform(-0.05, 0.05), h * 0.32, w0, depth)


def blade(c, x, y, h, lean, w, col, opacity=1.0):
    """One grass blade rooted at (x, y)."""
    tip = (x + lean, y - h)
    left = R.qbezier((x - w / 2, y), (x - w / 2 + lean * 0.2, y - h * 0.6), tip, 8)
    right = R.qbezier(tip, (x + w / 2 + lean * 0.25, y - h * 0.55), (x + w / 2, y), 8)
    c.fill(left + right[1:], col, opacity=opacity)


def grass(c, seed, x0, x1, y_of, n, h, cols, w=(1.0, 2.2), lean=0.35):
    """n blades spread over x0..x1, each rooted at y_of(x)."""
    rnd = random.Random(seed)
    for _ in range(n):
        x = rnd.uniform(x0, x1)
        hh = rnd.uniform(*h)
        blade(c, x, y_of(x) + rnd.uniform(0, 3), hh, rnd.uniform(-lean, lean) * hh, rnd.uniform(*w),
              cols[rnd.randrange(len(cols))])


def poppy(c, x, y, r, red=(226, 44, 36), dark=(150, 20, 24), stem=(70, 120, 50), stem_h=0.0):
    if stem_h:
        c.fill(R.stroke(R.qbezier((x, y), (x - 1, y + stem_h * 0.5), (x + 0.5, y + stem_h), 6), max(0.6, r * 0.18)), stem)
    for k, a in enumerate((-0.5, 0.9, 2.4, 3.9)):
        c.fill(R.ellipse(x + math.cos(a) * r * 0.38, y + math.sin(a) * r * 0.3, r * 0.62, r * 0.55), red if k % 2 else
               P.mix(red, (255, 120, 90), 0.25))
    c.fill(R.ellipse(x, y + r * 0.1, r * 0.95, r * 0.5), dark, opacity=0.25)
    c.fill(R.circle(x, y - r * 0.05, r * 0.25), (40, 20, 30))


def daisy(c, x, y, r, petal=(255, 255, 255), heart=(250, 200, 40)):
    for k in range(8):
        a = k * math.pi / 4
        c.fill(R.ellipse(x + math.cos(a) * r * 0.55, y + math.sin(a) * r * 0.4, r * 0.45, r * 0.22, n=16), petal)
    c.fill(R.circle(x, y, r * 0.3), heart)


def dandelion(c, x, y, r, col=(255, 206, 40), dark=(226, 150, 20)):
    c.fill(R.circle(x, y, r), dark)
    c.fill(R.circle(x - r * 0.15, y - r * 0.2, r * 0.8), col)


def leaf(c, x, y, ln, ang, col, vein=None):
    """A pointed leaf from its stalk at (x, y) pointing along ang."""
    ca, sa = math.cos(ang), math.sin(ang)

    def T(u, v):
        return (x + u * ca - v * sa, y + u * sa + v * ca)
    w = ln * 0.32
    pts = [T(*p) for p in R.qbezier((0, 0), (ln * 0.4, -w), (ln, 0), 8)] + \
        [T(*p) for p in R.qbezier((ln, 0), (ln * 0.5, w), (0, 0), 8)[1:]]
    c.fill(pts, col)
    if vein:
        c.fill(R.stroke([T(ln * 0.1, 0), T(ln * 0.85, 0)], max(0.4, ln * 0.05)), vein, opacity=0.6)


def falling_leaves(c, seed, n, x0, y0, x1, y1, cols, size=(3, 6)):
    rnd = random.Random(seed)
    for _ in range(n):
        col = cols[rnd.randrange(len(cols))]
        leaf(c, rnd.uniform(x0, x1), rnd.uniform(y0, y1), rnd.uniform(*size), rnd.uniform(0, 2 * math.pi), col,
             P.mix(col, (80, 30, 10), 0.4))


def wheat(c, seed, x0, x1, y_of, n, h, stalk, ear, ear_dark):
    """Stalks of ripe wheat with ears of grain."""
    rnd = random.Random(seed)
    for _ in range(n):
        x = rnd.uniform(x0, x1)
        y = y_of(x)
        hh = rnd.uniform(*h)
        lean = rnd.uniform(-0.15, 0.25) * hh
        top = (x + lean, y - hh)
        c.fill(R.stroke(R.qbezier((x, y), (x + lean * 0.2, y - hh * 0.6), top, 6), max(0.5, hh * 0.012)), stalk)
        el = hh * 0.16
        ang = math.atan2(-(hh * 0.4), lean * 0.8 + 0.01)
        for k in range(5):
            u = el * k / 5
            px = top[0] + math.cos(ang) * u
            py = top[1] + math.sin(ang) * u
            for side in (-1, 1):
                c.fill(R.ellipse(px + side * el * 0.09, py, el * 0.11, el * 0.16),
                       ear if side < 0 else ear_dark)
        # awns
        for side in (-0.25, 0.25):
            a2 = ang + side
            tip2 = (top[0] + math.cos(ang) * el, top[1] + math.sin(ang) * el)
            c.fill(R.stroke([tip2, (tip2[0] + math.cos(a2) * el * 0.9, tip2[1] + math.sin(a2) * el * 0.9)], 0.35), ear,
                   opacity=0.8)


def lavender(c, x, y, h, stem=(90, 120, 70), bloom=(150, 110, 200), light=(190, 160, 235)):
    c.fill(R.stroke([(x, y), (x + h * 0.05, y - h)], max(0.5, h * 0.03)), stem)
    for k in range(6):
        py = y - h + k * h * 0.06
        c.fill(R.ellipse(x + h * 0.05, py, h * 0.045, h * 0.04), bloom if k % 2 else light)


def blossom(c, x, y, r, petal=(255, 214, 228), centre=(236, 120, 150), rot=0.0, opacity=1.0):
    """A five-petalled blossom seen from the front."""
    for k in range(5):
        a = rot + 2 * math.pi * k / 5
        c.fill(R.ellipse(x + math.cos(a) * r * 0.55, y + math.sin(a) * r * 0.55, r * 0.5, r * 0.5, n=14), petal,
               opacity=opacity)
    c.fill(R.circle(x, y, r * 0.3), centre, opacity=opacity)


def blossom_cluster(c, seed, x, y, spread, n, petals, centre, r=(2.2, 3.6), leaves=None):
    rnd = random.Random(seed)
    if leaves:
        for _ in range(max(2, n // 3)):
            leaf(c, x + rnd.uniform(-spread, spread) * 0.6, y + rnd.uniform(-spread, spread) * 0.4,
                 rnd.uniform(4, 7), rnd.uniform(0, 2 * math.pi), leaves)
    for _ in range(n):
        a = rnd.uniform(0, 2 * math.pi)
        d = spread * math.sqrt(rnd.random())
        blossom(c, x + math.cos(a) * d, y + math.sin(a) * d * 0.7, rnd.uniform(*r),
                petals[rnd.randrange(len(petals))], centre, rnd.uniform(0, 1.2))


def leaf_cluster(c, seed, x, y, spread, n, cols, size=(4, 7)):
    rnd = random.Random(seed)
    for _ in range(n):
        a = rnd.uniform(0, 2 * math.pi)
        d = spread * math.sqrt(rnd.random())
        col = cols[rnd.randrange(len(cols))]
        leaf(c, x + math.cos(a) * d, y + math.sin(a) * d * 0.7, rnd.uniform(*size), rnd.uniform(0, 2 * math.pi),
             col, P.mix(col, (60, 20, 10), 0.35))


def hay_bale(c, x, y, r, straw=(226, 184, 96), dark=(176, 130, 58), light=(246, 214, 140)):
    """A round bale lying on its side, its round face to the left."""
    c.fill(R.rrect(x - r * 0.2, y - r * 1.0, x + r * 1.4, y + r * 0.02, r * 0.3), P.V(y - r, y, light, straw, dark))
    c.fill(R.ellipse(x, y - r * 0.5, r * 0.42, r * 0.5), dark)
    c.fill(R.ellipse(x - r * 0.02, y - r * 0.5, r * 0.36, r * 0.44), straw)
    for k in range(3):
        c.fill(R.stroke(R.arc(x, y - r * 0.5, r * (0.1 + 0.1 * k), r * (0.12 + 0.12 * k), 0, 5.5, 20), 0.5), dark,
               opacity=0.7)
    c.fill(R.ellipse(x + r * 0.6, y + r * 0.05, r * 1.1, r * 0.12), (0, 0, 0), opacity=0.15)

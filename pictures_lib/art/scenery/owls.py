"""Owls, the night's birds of prey: perched facing us, or flying at us.

Three kinds by colours and face: the barn owl (white heart-shaped face,
golden back), the tawny owl (round brown face, dark eyes) and the snowy
owl (white with black flecks, yellow eyes).
"""

import math
import random

from artkit import raster as R
from . import paint as P
from .shapes import Figure, path
from .kestrel import along, lerp_pt

BARN = dict(
    kind="barn", ink=(70, 48, 34), face="heart",
    head=(222, 172, 96), head_l=(244, 206, 140), head_d=(176, 124, 64),
    disc=(255, 252, 246), disc_d=(236, 226, 214), rim=(186, 118, 58),
    front=(255, 250, 240), front_d=(238, 226, 210), fleck=(150, 110, 80),
    wing=(214, 160, 84), wing_l=(238, 196, 128), wing_d=(160, 112, 60), mottle=(136, 128, 132), dot=(255, 255, 255),
    eye=(26, 16, 14), iris=None, beak=(236, 214, 196), feet=(240, 230, 220), talon=(40, 30, 30),
)

TAWNY = dict(
    kind="tawny", ink=(56, 36, 26), face="round",
    head=(160, 104, 58), head_l=(196, 140, 86), head_d=(112, 70, 38),
    disc=(214, 170, 118), disc_d=(186, 138, 88), rim=(96, 56, 30),
    front=(214, 170, 118), front_d=(176, 128, 80), fleck=(92, 54, 30),
    wing=(150, 96, 52), wing_l=(190, 134, 80), wing_d=(104, 64, 34), mottle=(84, 50, 28), dot=(240, 220, 190),
    eye=(22, 14, 12), iris=None, beak=(232, 206, 120), feet=(226, 196, 150), talon=(40, 30, 30),
)

SNOWY = dict(
    kind="snowy", ink=(70, 80, 100), face="round",
    head=(250, 252, 255), head_l=(255, 255, 255), head_d=(214, 222, 236),
    disc=(255, 255, 255), disc_d=(232, 238, 246), rim=(214, 222, 236),
    front=(252, 253, 255), front_d=(220, 228, 240), fleck=(40, 40, 50),
    wing=(246, 248, 252), wing_l=(255, 255, 255), wing_d=(206, 214, 228), mottle=(40, 40, 50), dot=(255, 255, 255),
    eye=(20, 16, 16), iris=(252, 200, 30), beak=(60, 60, 70), feet=(248, 250, 255), talon=(30, 30, 36),
)


def _eyes(f, C, ex, ey, r, blink=False):
    for sx in (-1, 1):
        x = sx * ex
        if C["iris"]:
            f.fill(R.circle(x, ey, r * 1.12), C["ink"])
            f.fill(R.circle(x, ey, r), P.Rad((x, ey - r * 0.3), r * 1.2, [(255, 236, 120), C["iris"], (214, 150, 10)]))
            f.fill(R.circle(x, ey, r * 0.5), C["eye"])
        else:
            f.fill(R.circle(x, ey, r), C["eye"])
        f.fill(R.circle(x - r * 0.3, ey - r * 0.35, r * 0.3), (255, 255, 255))
        f.fill(R.circle(x + r * 0.3, ey + r * 0.3, r * 0.12), (255, 255, 255), 0.7)


def _face(f, C, cy, w):
    """The facial disc, eyes and beak of an owl looking at us; w = head half-width."""
    if C["face"] == "heart":
        disc = path((0, cy - w * 0.62), ((w * 0.25, cy - w * 0.9), (w * 0.95, cy - w * 0.85), (w * 0.92, cy - w * 0.2)),
                    ((w * 0.9, cy + w * 0.4), (w * 0.4, cy + w * 0.8), (0, cy + w * 0.98)),
                    ((-w * 0.4, cy + w * 0.8), (-w * 0.9, cy + w * 0.4), (-w * 0.92, cy - w * 0.2)),
                    ((-w * 0.95, cy - w * 0.85), (-w * 0.25, cy - w * 0.9), (0, cy - w * 0.62)))
        f.fill(R.offset(R.oriented(disc), w * 0.08), C["rim"])
        f.fill(disc, P.Rad((0, cy), w, [C["disc"], C["disc"], C["disc_d"]]))
        # the soft ridge down the middle of the heart
        f.fill(path((0, cy - w * 0.6), ((w * 0.1, cy - w * 0.3), (w * 0.1, cy), (0, cy + w * 0.3)),
                    ((-w * 0.1, cy), (-w * 0.1, cy - w * 0.3), (0, cy - w * 0.6))), C["disc_d"], 0.8)
        _eyes(f, C, w * 0.4, cy - w * 0.05, w * 0.15)
        beak = path((0, cy + w * 0.12), ((w * 0.1, cy + w * 0.2), (w * 0.08, cy + w * 0.42), (0, cy + w * 0.5)),
                    ((-w * 0.08, cy + w * 0.42), (-w * 0.1, cy + w * 0.2), (0, cy + w * 0.12)))
        f.fill(beak, C["beak"])
    else:
        for sx in (-1, 1):
            d = R.ellipse(sx * w * 0.42, cy, w * 0.5, w * 0.56)
            f.fill(R.offset(R.oriented(d), w * 0.06), C["rim"], 0.8)
        for sx in (-1, 1):
            f.fill(R.ellipse(sx * w * 0.42, cy, w * 0.5, w * 0.56),
                   P.Rad((sx * w * 0.42, cy), w * 0.56, [C["disc"], C["disc"], C["disc_d"]]))
        # pale brows
        for sx in (-1, 1):
            f.fill(path((sx * w * 0.05, cy - w * 0.1), ((sx * w * 0.2, cy - w * 0.45), (sx * w * 0.6, cy - w * 0.5),
                                                          (sx * w * 0.8, cy - w * 0.3)),
                        ((sx * w * 0.55, cy - w * 0.38), (sx * w * 0.25, cy - w * 0.3), (sx * w * 0.05, cy - w * 0.1))),
                   C["head_l"], 0.9)
        _eyes(f, C, w * 0.4, cy + w * 0.02, w * 0.2)
        beak = path((0, cy + w * 0.02), ((w * 0.12, cy + w * 0.1), (w * 0.08, cy + w * 0.34), (0, cy + w * 0.42)),
                    ((-w * 0.08, cy + w * 0.34), (-w * 0.12, cy + w * 0.1), (0, cy + w * 0.02)))
        f.fill(beak, C["beak"])


def perched(c, x, y, k=1.0, C=BARN, seed=1, tilt=0.0):
    """An owl sitting on a branch, facing us, its feet at (x, y).
    About 100k tall and 62k wide."""
    f = Figure(c, x, y, k, False, tilt)
    rnd = random.Random(seed)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)
    hw = 28
    head = R.ellipse(0, -72, hw, 25)
    body = path((0, -58), ((20, -58), (31, -42), (30, -24)), ((29, -8), (18, 0), (0, 0)),
                ((-18, 0), (-29, -8), (-30, -24)), ((-31, -42), (-20, -58), (0, -58)))
    wings = []
    for sx in (-1, 1):
        wings.append(path((sx * 22, -58), ((sx * 32, -52), (sx * 34, -30), (sx * 31, -12)),
                          ((sx * 29, -2), (sx * 24, 4), (sx * 17, 8)), ((sx * 20, -8), (sx * 20, -30), (sx * 18, -44)),
                          ((sx * 17, -50), (sx * 19, -56), (sx * 22, -58))))
    tail = path((-8, -4), (8, -4), (6, 12), ((3, 14), (-3, 14), (-6, 12)))
    f.silhouette([head, body, tail] + wings, ink, ow)
    f.fill(tail, C["wing_d"])

    f.fill(body, P.V(-58, 0, C["front"], C["front_d"]))
    f.set_clip(body)
    for _ in range(40):
        px = rnd.uniform(-22, 22)
        py = rnd.uniform(-50, -6)
        if C["kind"] == "tawny":
            f.line([(px, py), (px + rnd.uniform(-0.5, 0.5), py + 4)], 1.0, C["fleck"], 0.7)
            f.line([(px - 1.6, py + 1.5), (px + 1.6, py + 1.5)], 0.5, C["fleck"], 0.5)
        elif C["kind"] == "snowy":
            if rnd.random() < 0.6:
                f.fill([(px - 2.2, py), (px, py + 1.4), (px + 2.2, py), (px + 2.2, py + 1.0), (px, py + 2.4),
                        (px - 2.2, py + 1.0)], C["fleck"], 0.85)
        else:
            f.fill(R.circle(px, py, 0.6), C["fleck"], 0.8)
    f.fill(R.ellipse(0, -46, 16, 9), C["front"], 0.5)
    f.set_clip(None)

    for i, w in enumerate(wings):
        sx = -1 if i == 0 else 1
        f.fill(w, P.L((sx * 20, -50), (sx * 30, 0), C["wing_l"], C["wing"], C["wing_d"]))
        f.set_clip(w)
        for j in range(4):
            yy = -30 + j * 8
            f.line(path((sx * 18, yy + 2), ((sx * 24, yy - 2), (sx * 30, yy), (sx * 34, yy + 4))), 0.6, C["wing_d"], 0.8)
        for _ in range(24):
            px = sx * rnd.uniform(19, 33)
            py = rnd.uniform(-54, 4)
            f.fill(R.circle(px, py, rnd.uniform(0.4, 0.9)),
                   C["mottle"] if rnd.random() < 0.5 else C["dot"], 0.8)
        f.set_clip(None)

    # feathered feet gripping the branch
    for sx in (-1, 1):
        f.fill(R.ellipse(sx * 8, -1, 6, 3.5), C["feet"])
        for t in (-3, 0, 3):
            tx = sx * 8 + t
            f.line(R.qbezier((tx, 1), (tx + 0.6, 3), (tx - 0.3, 4.5), 5), 1.1, C["talon"])

    # head
    f.fill(head, P.V(-97, -47, C["head_l"], C["head"], C["head_d"]))
    f.set_clip(head)
    for _ in range(26):
        a = rnd.uniform(math.pi * 1.05, math.pi * 1.95)
        rr = rnd.uniform(0.75, 0.95)
        f.fill(R.circle(math.cos(a) * hw * rr, -72 + math.sin(a) * 25 * rr, 0.6), C["mottle"] if C["kind"] != "barn" else
               C["head_d"], 0.6)
    f.set_clip(None)
    _face(f, C, -70, hw * 0.92)
    return f


def flying(c, x, y, k=1.0, C=BARN, seed=2, rot=0.0, lift=(-0.12, -0.08)):
    """An owl flying towards us with its broad round wings spread, face
    forward.  (x, y) is the middle of the body; the span is about 190k."""
    f = Figure(c, x, y, k, False, rot)
    rnd = random.Random(seed)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)
    wings = []
    for sx, lf in ((1, lift[0]), (-1, lift[1])):
        pts = round_wing(80, 38, lf)
        wings.append((sx, [(sx * (12 + u), -16 + v) for u, v in pts[0]],
                      [(sx * (12 + u), -16 + v) for u, v in pts[1]],
                      [(sx * (12 + u), -16 + v) for u, v in pts[2]]))
    head = R.ellipse(0, -22, 21, 19)
    body = R.ellipse(0, 6, 17, 24)
    tail = path((-9, 20), (9, 20), (12, 40), ((4, 43), (-4, 43), (-12, 40)))
    f.silhouette([w[1] for w in wings] + [head, body, tail], ink, ow)
    f.fill(tail, P.V(20, 42, C["wing"], C["wing_d"]))
    for sx, out, lead, trail in wings:
        f.fill(out, P.L(along(lead, 0.5), along(trail, 0.5), C["disc"], C["front_d"]) if C["kind"] != "tawny" else
               P.L(along(lead, 0.5), along(trail, 0.5), C["wing_l"], C["wing"]))
        f.set_clip(out)
        # barred flight feathers and the finger separations
        for j in range(5):
            t0 = 0.45 + 0.11 * j
            pts = [lerp_pt(along(lead, 0.08 + 0.92 * u), along(trail, 1 - (0.08 + 0.92 * u)), t0)
                   for u in [i / 14 for i in range(15)]]
            f.line(pts, 1.2, C["wing"] if C["kind"] != "tawny" else C["wing_d"], 0.7)
        for i in range(14):
            t = (i + 0.5) / 14
            a = along(trail, t)
            b = lerp_pt(a, along(lead, max(0.0, 1 - t)), 0.35)
            f.line([a, b], 0.5, C["wing_d"], 0.6)
        # the upper edge: golden coverts seen over the wing
        cov = [along(lead, i / 12) for i in range(13)] + \
              [lerp_pt(along(lead, 1 - i / 12), along(trail, i / 12), 0.28) for i in range(13)]
        f.fill(cov, P.L(along(lead, 0.3), along(lead, 0.9), C["wing_l"], C["wing"]), 0.9)
        for _ in range(20):
            p = lerp_pt(along(lead, rnd.uniform(0.05, 0.8)), along(trail, rnd.uniform(0.2, 0.9)), rnd.uniform(0.05, 0.25))
            f.fill(R.circle(p[0], p[1], 0.7), C["dot"] if rnd.random() < 0.5 else C["mottle"], 0.8)
        f.set_clip(None)
    f.fill(body, P.V(-15, 30, C["front"], C["front_d"]))
    f.set_clip(body)
    for _ in range(18):
        px, py = rnd.uniform(-14, 14), rnd.uniform(-8, 28)
        f.fill(R.circle(px, py, 0.6), C["fleck"], 0.8)
    f.set_clip(None)
    for sx in (-1, 1):
        f.fill(R.ellipse(sx * 6, 28, 4.5, 3.5), C["feet"])
        for t in (-2, 0, 2):
            f.line([(sx * 6 + t, 30), (sx * 6 + t * 1.3, 33)], 1.0, C["talon"])
    f.fill(head, P.V(-41, -3, C["head_l"], C["head"], C["head_d"]))
    _face(f, C, -21, 20)
    return f


def round_wing(span, chord, lift=0.0, fingers=6):
    """A broad, round-ended wing with softly separated fingers (right
    side, shoulder at (0, 0), u outward, v backward).  Returns (outline,
    leading edge, trailing edge from tip to body)."""
    s, ch = span, chord
    lead = path((0, 0), ((0.2 * s, -0.12 * ch), (0.45 * s, -0.18 * ch), (0.7 * s, -0.14 * ch)),
                ((0.82 * s, -0.1 * ch), (0.92 * s, -0.04 * ch), (0.97 * s, 0.05 * ch)))
    hand = []
    for i in range(fingers):
        t0 = i / fingers
        t1 = (i + 1) / fingers
        a = (0.97 * s - 0.1 * s * t0, 0.05 * ch + 0.7 * ch * t0)
        b = (0.97 * s - 0.1 * s * t1, 0.05 * ch + 0.7 * ch * t1)
        ang = -0.1 + 0.7 * (i + 0.5) / fingers
        ln = 0.1 * s * (1.0 - 0.6 * abs((i + 0.5) / fingers - 0.35))
        tip = ((a[0] + b[0]) / 2 + math.cos(ang) * ln, (a[1] + b[1]) / 2 + math.sin(ang) * ln)
        hand += R.qbezier(a, (a[0] + math.cos(ang) * ln, a[1] + math.sin(ang) * ln), tip, 5)[1:]
        hand += R.qbezier(tip, (b[0] + math.cos(ang) * ln * 0.8, b[1] + math.sin(ang) * ln * 0.8), b, 5)[1:]
    end = hand[-1]
    trail = [lead[-1]] + hand + path(end, ((0.75 * s, 0.95 * ch), (0.6 * s, 1.0 * ch), (0.5 * s, 0.92 * ch)),
                                     ((0.35 * s, 1.02 * ch), (0.15 * s, 0.98 * ch), (0, 0.8 * ch)))[1:]

    def bend(p):
        u, v = p
        a = lift * (0.5 + 0.5 * min(1.0, u / s))
        ca, sa = math.cos(a), math.sin(a)
        return (u * ca - v * sa, u * sa + v * ca)
    lead = [bend(p) for p in lead]
    trail = [bend(p) for p in trail]
    return lead + trail[1:-1], lead, trail

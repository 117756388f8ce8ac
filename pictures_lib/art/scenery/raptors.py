"""The kestrel's big cousins in flight, seen from below with the head in
profile: the golden eagle, the red kite and the osprey with its fish;
and the peregrine falcon perched (the kestrel's figure in other colours)."""

import math
import random

from artkit import raster as R
from . import paint as P
from . import kestrel as K
from .kestrel import along, lerp_pt
from .owls import round_wing
from .shapes import Figure, path

EAGLE = dict(
    ink=(40, 26, 20), wing="broad", tail="round", span=92, chord=40, fingers=7,
    body=(104, 68, 44), body_l=(140, 98, 64), body_d=(70, 44, 28),
    cov=(124, 84, 54), cov_l=(160, 116, 76), flight=(92, 78, 74), flight_l=(128, 116, 110), bar=(64, 52, 50),
    tip=(40, 30, 28), patch=None, carpal=None,
    head=(150, 104, 56), head_l=(212, 164, 80), head_d=(104, 68, 40), stripe=None, throat=None,
    tail_c=(104, 80, 62), tail_l=(150, 126, 100), tail_band=(60, 44, 36),
    cere=(250, 200, 50), beak=(60, 60, 70), beak_l=(120, 122, 134), eye=(40, 26, 14), ring=(214, 150, 40),
    feet=(250, 200, 50), trousers=(120, 82, 52),
)

KITE = dict(
    ink=(50, 28, 20), wing="kite", tail="fork", span=88, chord=30, fingers=5,
    body=(196, 96, 52), body_l=(226, 140, 86), body_d=(150, 66, 36),
    cov=(192, 96, 56), cov_l=(222, 136, 90), flight=(90, 84, 90), flight_l=(140, 134, 140), bar=(60, 56, 62),
    tip=(30, 26, 30), patch=(246, 244, 240), carpal=None,
    head=(214, 214, 220), head_l=(244, 244, 248), head_d=(168, 168, 178), stripe=None, throat=None,
    tail_c=(226, 124, 62), tail_l=(244, 170, 110), tail_band=None,
    cere=(252, 210, 60), beak=(50, 50, 56), beak_l=(110, 110, 120), eye=(250, 220, 90), ring=(240, 200, 60),
    feet=(252, 206, 60), trousers=(190, 100, 60),
)

OSPREY = dict(
    ink=(40, 34, 36), wing="kite", tail="round", span=96, chord=28, fingers=5,
    body=(250, 250, 250), body_l=(255, 255, 255), body_d=(222, 222, 228),
    cov=(252, 252, 252), cov_l=(255, 255, 255), flight=(200, 196, 196), flight_l=(236, 232, 230), bar=(120, 110, 108),
    tip=(50, 42, 42), patch=None, carpal=(50, 42, 42),
    head=(252, 252, 252), head_l=(255, 255, 255), head_d=(220, 220, 226), stripe=(56, 44, 40), throat=None,
    tail_c=(214, 206, 200), tail_l=(240, 236, 232), tail_band=(110, 96, 92),
    cere=(90, 100, 120), beak=(36, 36, 40), beak_l=(96, 96, 104), eye=(252, 220, 60), ring=(240, 210, 80),
    feet=(200, 210, 216), trousers=(250, 250, 250),
)

PEREGRINE = dict(K.KESTREL)
PEREGRINE.update(
    head=(58, 64, 82), head_l=(92, 100, 122), head_d=(36, 40, 54),
    cheek=(252, 250, 244), moustache=(40, 44, 58),
    back=(92, 104, 128), back_l=(128, 140, 164), back_d=(62, 70, 92), spot=(50, 56, 74),
    prim=(44, 48, 62), prim_l=(80, 86, 104),
    breast=(246, 240, 228), breast_l=(255, 252, 246), breast_d=(214, 206, 190), drop=(70, 70, 84),
    tail=(88, 98, 122), tail_l=(120, 130, 154), tail_d=(60, 68, 88), band=(46, 50, 64), tip=(230, 230, 234),
)


def _crooked(pts, s, wrist, crook):
    """Angle the hand back at the wrist (the kite's and osprey's bent wing)."""
    wu = wrist * s
    out = []
    ca, sa = math.cos(crook), math.sin(crook)
    for u, v in pts:
        if u > wu:
            du, dv = u - wu, v
            u, v = wu + du * ca - dv * sa, du * sa + dv * ca
        out.append((u, v))
    return out


def flying(c, x, y, k=1.0, C=EAGLE, rot=0.0, flip=False, lift=(-0.12, -0.08), far=0.92, fish=False, seed=4):
    """A big bird of prey gliding, seen from below, head in profile to the
    right.  (x, y) is the middle of the body."""
    f = Figure(c, x, y, k, flip, rot)
    rnd = random.Random(seed)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)
    s, ch = C["span"], C["chord"]
    wings = []
    for side, lf in ((1, lift[0]), (-1, lift[1])):
        sp = s * (1.0 if side > 0 else far)
        out, lead, trail = round_wing(sp, ch, 0.0, fingers=C["fingers"])
        if C["wing"] == "kite":
            out, lead, trail = [_crooked(p, sp, 0.45, 0.32) for p in (out, lead, trail)]

        def place(pts, sx=side, lf=lf, sp=sp):
            res = []
            for u, v in pts:
                a = lf * (0.5 + 0.5 * min(1.0, u / sp))
                ca, sa = math.cos(a), math.sin(a)
                u, v = u * ca - v * sa, u * sa + v * ca
                res.append((sx * (9 + u), -14 + v))
            return res
        wings.append((side, sp, place(out), place(lead), place(trail)))

    if C["tail"] == "fork":
        tail = path((-7, 14), ((-12, 30), (-20, 48), (-22, 62)), ((-14, 56), (-6, 50), (0, 48)),
                    ((6, 50), (14, 56), (22, 62)), ((20, 48), (12, 30), (7, 14)))
    else:
        tail = path((-8, 14), ((-12, 26), (-16, 38), (-16, 46)), ((-10, 52), (10, 52), (16, 46)),
                    ((16, 38), (12, 26), (8, 14)))
    body = path((0, -24), ((10, -24), (14, -10), (13, 4)), ((12, 16), (6, 24), (0, 25)),
                ((-6, 24), (-12, 16), (-13, 4)), ((-14, -10), (-10, -24), (0, -24)))
    hx, hy = 4, -27
    head = path((hx + 12, hy - 3), ((hx + 9, hy - 11), (hx - 4, hy - 12), (hx - 9, hy - 6)),
                ((hx - 12, hy), (hx - 9, hy + 9), (hx - 2, hy + 10)), ((hx + 5, hy + 10), (hx + 11, hy + 5),
                                                                       (hx + 12, hy - 3)))
    f.silhouette([w[2] for w in wings] + [tail, body, head], ink, ow)

    f.fill(tail, P.V(14, 60, C["tail_l"], C["tail_c"]))
    f.set_clip(tail)
    for a in range(-4, 5):
        f.line([(a * 1.2, 14), (a * 4.5, 62)], 0.5, C["tail_c"] if C["tail"] == "fork" else C["bar"], 0.5)
    if C["tail_band"]:
        for yy in (26, 34, 42):
            f.line([(-20, yy), (20, yy)], 1.6 if yy == 42 else 0.9, C["tail_band"], 0.8)
    f.set_clip(None)

    for side, sp, out, lead, trail in wings:
        f.fill(out, P.L(along(lead, 0.5), along(trail, 0.5), C["flight_l"], C["flight"]))
        f.set_clip(out)
        # barred flight feathers, separations, dark fingertips
        for j in range(6):
            t0 = 0.4 + 0.1 * j
            pts = [lerp_pt(along(lead, 0.05 + 0.95 * u), along(trail, 1 - (0.05 + 0.95 * u)), t0)
                   for u in [i / 16 for i in range(17)]]
            f.line(pts, 0.8, C["bar"], 0.5)
        for i in range(18):
            t = (i + 0.5) / 18
            a = along(trail, t)
            b = lerp_pt(a, along(lead, max(0.0, 1 - t)), 0.45)
            f.line([a, b], 0.5, C["bar"], 0.6)
        tip_pts = [along(trail, i / 10 * 0.42) for i in range(11)]
        tip_pts += [lerp_pt(along(lead, 1 - 0.28 * i / 6), along(trail, 0.42 * (1 - i / 6)), 0.1) for i in range(7)]
        f.fill(tip_pts + [along(lead, 0.8)], C["tip"], 0.95)
        if C["patch"]:
            pa = [lerp_pt(along(lead, 0.62 + 0.18 * i / 6), along(trail, 0.45 - 0.25 * i / 6), 0.5) for i in range(7)]
            f.fill([along(lead, 0.6), along(lead, 0.7), along(lead, 0.8)] + pa[::-1], C["patch"], 0.95)
        # the coverts along the leading edge
        cov = [along(lead, i / 14 * 0.9) for i in range(15)] + \
              [lerp_pt(along(lead, 0.9 * (1 - i / 14)), along(trail, 0.25 + 0.75 * i / 14), 0.4) for i in range(15)]
        f.fill(cov, P.L(along(lead, 0.2), along(lead, 0.8), C["cov_l"], C["cov"]), 0.97)
        if C["carpal"]:
            wp = lerp_pt(along(lead, 0.6), along(trail, 0.5), 0.28)
            f.fill(R.ellipse(wp[0], wp[1], 6, 4), C["carpal"], 0.9)
        for _ in range(14):
            p = lerp_pt(along(lead, rnd.uniform(0.05, 0.8)), along(trail, rnd.uniform(0.3, 0.95)), rnd.uniform(0.08, 0.35))
            f.fill(R.circle(p[0], p[1], 0.7), C["body_d"], 0.5)
        f.line(lead, 1.1, C["cov_l"], 0.6)
        f.set_clip(None)

    foot = 36 if fish else 27
    if fish:
        _fish(f, 1, 39)
    for fx in (-5, 5):
        f.fill(R.ellipse(fx, 18, 4.5, 6), C["trousers"])
        f.line([(fx, 20), (fx * 1.05, foot)], 3.0, C["feet"])
        for t in (-2, 0, 2):
            f.line(R.qbezier((fx + t, foot), (fx + t * 1.4, foot + 2), (fx + t * 1.2, foot + 4), 5), 1.0, (30, 26, 26))
    f.fill(body, P.L((-6, -22), (6, 24), C["body_l"], C["body"], C["body_d"]))
    f.set_clip(body)
    for _ in range(22):
        px, py = rnd.uniform(-12, 12), rnd.uniform(-18, 20)
        f.line([(px, py), (px, py + 3)], 1.0, C["body_d"], 0.5)
    f.set_clip(None)

    f.fill(head, P.L((hx - 6, hy - 12), (hx + 2, hy + 10), C["head_l"], C["head"], C["head_d"]))
    f.set_clip(head)
    if C["stripe"]:
        f.fill(path((hx + 8, hy - 4), ((hx + 2, hy - 5), (hx - 6, hy - 2), (hx - 12, hy + 6)), (hx - 12, hy + 10),
                    ((hx - 6, hy + 1), (hx + 2, hy - 1), (hx + 8, hy - 1))), C["stripe"])
    f.set_clip(None)
    f.fill(path((hx + 9.5, hy - 6.8), ((hx + 11.5, hy - 7.6), (hx + 13.4, hy - 6.2), (hx + 13.6, hy - 3.8)),
                (hx + 13, hy - 1.4), ((hx + 11, hy - 0.8), (hx + 10, hy - 1.8), (hx + 9.6, hy - 3))), C["cere"])
    upper = path((hx + 12.6, hy - 6), ((hx + 17.5, hy - 5.4), (hx + 19.4, hy - 0.6), (hx + 16.6, hy + 4)),
                 ((hx + 16, hy + 2.2), (hx + 15, hy + 0.6), (hx + 12, hy - 0.6)))
    f.outlined(upper, ink, P.L((hx + 12, hy - 5), (hx + 18, hy + 3), C["beak_l"], C["beak"]), ow * 0.8)
    f.fill(R.circle(hx + 5.5, hy - 5, 2.9), C["ring"])
    f.fill(R.circle(hx + 5.5, hy - 5, 2.2), C["eye"])
    f.fill(R.circle(hx + 5.5, hy - 5, 1.1), (20, 14, 12))
    f.fill(R.circle(hx + 4.8, hy - 5.8, 0.7), (255, 255, 255))
    # a brow shading the eye
    f.fill(path((hx + 1, hy - 7.5), ((hx + 4, hy - 9.5), (hx + 8, hy - 9), (hx + 10, hy - 7)),
                ((hx + 7, hy - 7.6), (hx + 4, hy - 7.6), (hx + 1, hy - 7.5))), C["head_d"], 0.9)
    return f


def _fish(f, sx, y):
    """A silver fish carried head first below the body."""
    body = path((-16, y), ((-8, y - 6), (8, y - 6), (16, y - 1)), ((8, y + 5), (-8, y + 5), (-16, y)))
    tailf = [(-14, y), (-22, y - 5), (-20, y), (-22, y + 5)]
    f.fill(tailf, (90, 110, 120))
    f.fill(body, P.V(y - 6, y + 5, (120, 150, 160), (200, 220, 226), (240, 246, 246)))
    f.fill(R.circle(11, y - 1.5, 1.2), (20, 20, 24))
    f.line([(-10, y - 2.5), (8, y - 3)], 0.5, (80, 100, 110), 0.6)


def peregrine(c, x, y, k=1.0, flip=False):
    """A peregrine falcon perched: slate back, black hood, barred breast."""
    return K.perched(c, x, y, k, flip, PEREGRINE, hood=True)

"""Owls, the night's birds of prey, each in a pose of its own: the snowy
owl perched facing us, the barn owl side-on looking over its shoulder, the
little owl on a post, the eagle owl on a boulder, the tawny owl looking
out of its hollow and the short-eared owl gliding over a field."""

import math
import random

from artkit import raster as R
from . import paint as P
from .shapes import Figure, path

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


def perched_side(c, x, y, k=1.0, C=BARN, seed=7, flip=False):
    """An owl perched side-on, its folded wing along its back, the head
    turned round to face us.  Feet at (x, y); the bird faces left (right
    with flip) and is about 110k tall."""
    from . import feathers as F
    f = Figure(c, x, y, k, flip)
    rnd = random.Random(seed)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)
    body = path((-2, -78), ((-24, -74), (-33, -54), (-31, -32)), ((-29, -12), (-18, -2), (-4, 0)),
                ((10, 1), (18, -6), (22, -16)), ((27, -36), (22, -66), (-2, -78)))
    head = path((0, -112), ((18, -112), (28, -100), (27, -86)), ((26, -72), (14, -62), (0, -62)),
                ((-14, -62), (-27, -72), (-28, -86)), ((-28, -100), (-18, -112), (0, -112)))
    tailp = path((14, -14), (30, 8), ((26, 12), (20, 12), (16, 10)), (6, -6))
    wing_area = path((-2, -74), ((14, -76), (28, -58), (29, -34)), ((30, -14), (32, 4), (30, 12)),
                     ((16, 6), (-2, -14), (-10, -36)), ((-16, -52), (-14, -68), (-2, -74)))
    legs = [path((-10, -8), (-4, -8), (-5, 0), (-11, 0)), path((0, -8), (6, -8), (5, 0), (-1, 0))]
    f.silhouette([body, head, tailp, wing_area] + legs, ink, ow)
    f.fill(tailp, P.L((14, -14), (26, 10), C["wing_l"], C["wing_d"]))
    # breast: pale, faintly dotted
    f.fill(body, P.L((-26, -60), (10, 0), C["front"], C["front"], C["front_d"]))
    f.set_clip(body)
    for _ in range(30):
        px, py = rnd.uniform(-26, 6), rnd.uniform(-64, -8)
        f.fill(R.circle(px, py, 0.65), C["fleck"], 0.8)
    f.set_clip(None)
    # feathered legs and the feet round the branch
    for lg in legs:
        f.fill(lg, C["front_d"])
    for fx in (-7.5, 2.5):
        for t in (-2.6, 0, 2.6):
            f.line(R.qbezier((fx + t, -1), (fx + t * 1.2 + 0.6, 1.5), (fx + t * 1.1 - 0.4, 4.5), 6), 1.6, C["feet"])
            f.line(R.qbezier((fx + t * 1.1 - 0.4, 4.5), (fx + t * 1.1 - 1, 6.5), (fx + t * 1.1 - 2, 6.6), 4), 1.0,
                   C["talon"])
    # the folded wing: golden coverts with grey veils and white dots, barred flight feathers
    W = dict(prim=C["wing_d"], prim_l=C["wing"], sec=C["wing"], sec_l=C["wing_l"], ter=C["wing"],
             ter_l=C["wing_l"], cov=C["wing"], cov_l=C["wing_l"], lesser=C["wing"], lesser_l=C["wing_l"],
             edge=P.mix(C["wing_d"], ink, 0.35))
    f.fill(wing_area, P.L((0, -70), (30, 10), C["wing_l"], C["wing"], C["wing_d"]))
    F.folded_wing(f, (4, -68), (30, 10), 50, W, n_prim=5, prim_shape="blunt",
                  bars=(C["wing_d"], 0.75, [(0.45, 0.06), (0.62, 0.06), (0.8, 0.06)]), rows=2)
    f.set_clip(wing_area)
    for _ in range(40):
        px, py = rnd.uniform(-14, 32), rnd.uniform(-74, 10)
        f.fill(R.ellipse(px, py, rnd.uniform(2, 4), rnd.uniform(1, 2)), C["mottle"], 0.2)
    for _ in range(22):
        px, py = rnd.uniform(-14, 32), rnd.uniform(-74, -10)
        f.fill(R.circle(px + 0.6, py - 0.4, 0.55), C["dot"], 0.95)
        f.fill(R.circle(px + 0.6, py + 0.5, 0.45), (50, 40, 40), 0.8)
    f.set_clip(None)
    # the head, turned to look at us
    f.fill(head, P.V(-112, -62, C["head_l"], C["head"], C["head_d"]))
    f.set_clip(head)
    for _ in range(24):
        a = rnd.uniform(math.pi * 1.05, math.pi * 1.95)
        rr = rnd.uniform(0.78, 0.95)
        f.fill(R.circle(math.cos(a) * 27 * rr, -87 + math.sin(a) * 24 * rr, 0.6), C["head_d"], 0.6)
    f.set_clip(None)
    _face(f, C, -86, 25)
    return f


LITTLE = dict(
    kind="little", ink=(52, 38, 30),
    head=(132, 98, 68), head_l=(166, 130, 94), head_d=(96, 68, 46),
    disc=(226, 214, 196), disc_d=(196, 180, 160), brow=(252, 250, 244),
    front=(246, 238, 224), front_d=(214, 200, 180), streak=(140, 102, 70),
    wing=(128, 94, 64), wing_l=(160, 124, 88), wing_d=(92, 66, 44), dot=(250, 244, 230),
    eye=(20, 14, 12), iris=(250, 206, 40), beak=(214, 206, 150), feet=(232, 222, 200), talon=(36, 30, 28),
)


def little_owl(c, x, y, k=1.0, C=LITTLE, seed=11, turn=0.12):
    """A little owl standing on a post: squat and flat-headed, white
    brows drawn into a frown over yellow eyes, brown with white spots,
    streaked breast, long pale-feathered legs.  Feet at (x, y); about 86k
    tall.  turn: how far the body is turned to the right."""
    from . import feathers as F
    f = Figure(c, x, y, k)
    rnd = random.Random(seed)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)
    sh = turn * 20
    body = path((sh, -56), ((18 + sh, -56), (26, -40), (25, -24)), ((24, -10), (14, -4), (0, -4)),
                ((-14, -4), (-24, -10), (-25, -24)), ((-26, -40), (-18 + sh, -56), (sh, -56)))
    head = path((sh, -86), ((16 + sh, -86), (27 + sh, -80), (27 + sh, -68)), ((27 + sh, -56), (16 + sh, -50), (sh, -50)),
                ((-16 + sh, -50), (-27 + sh, -56), (-27 + sh, -68)), ((-27 + sh, -80), (-16 + sh, -86), (sh, -86)))
    legs = [path((-10, -8), (-3, -8), (-4, 0), (-10, 0)), path((3, -8), (10, -8), (10, 0), (4, 0))]
    wl = path((-14, -50), ((-24, -48), (-29, -34), (-28, -20)), ((-27, -10), (-24, -2), (-18, 4)),
              ((-16, -10), (-15, -30), (-14, -50)))
    wr = path((16, -50), ((27, -46), (31, -32), (30, -18)), ((29, -8), (26, 0), (21, 6)),
              ((18, -8), (17, -30), (16, -50)))
    f.silhouette([body, head, wl, wr] + legs, ink, ow)
    f.fill(body, P.V(-56, -4, C["front"], C["front_d"]))
    f.set_clip(body)
    for j in range(6):
        for i in range(5):
            px = -16 + i * 8 + (j % 2) * 4 + rnd.uniform(-1, 1) + sh * 0.5
            py = -46 + j * 7 + rnd.uniform(-1, 1)
            f.fill(path((px, py - 2.8), ((px + 1.6, py - 1), (px + 1.4, py + 2), (px, py + 3.4)),
                        ((-1.4 + px, py + 2), (px - 1.6, py - 1), (px, py - 2.8))), C["streak"], 0.8)
    f.fill(R.ellipse(sh, -50, 14, 5), C["front"])
    f.set_clip(None)
    for lg in legs:
        f.fill(lg, C["front_d"])
    for fx in (-6.5, 6.5):
        for t in (-2.6, 0, 2.6):
            f.line(R.qbezier((fx + t, -1), (fx + t * 1.3, 1.5), (fx + t * 1.2, 4), 6), 1.7, C["feet"])
            f.line(R.qbezier((fx + t * 1.2, 4), (fx + t * 1.2 - 0.3, 5.8), (fx + t * 1.2 - 1.2, 6.3), 4), 1.0,
                   C["talon"])
    # wings at the sides: spotted coverts, then the barred flight feathers' tips
    for sx, w in ((-1, wl), (1, wr)):
        f.fill(w, P.L((sx * 16, -50), (sx * 26, 4), C["wing_l"], C["wing"], C["wing_d"]))
        f.set_clip(w)
        for i in range(4):
            b = (sx * (17 + i * 2.4), -22 + i * 3)
            t = (sx * (20 + i * 2.6), 6 - i * 1.5)
            F.feather(f, b, t, 7, C["wing"], C["wing_d"], P.mix(C["wing_d"], ink, 0.4), "round",
                      bars=(C["dot"], 0.8, [(0.35, 0.06), (0.6, 0.06), (0.85, 0.06)]), rim=0.5)
        for r in range(4):
            for i in range(3):
                px = sx * (19 + i * 3.6 + r * 0.6)
                py = -44 + r * 7 + i * 1.5
                f.fill(R.circle(px, py, 1.1), C["dot"], 0.95)
        f.set_clip(None)
    # the head: flat crown dotted white, pale face, the white frown, yellow eyes
    f.fill(head, P.V(-86, -50, C["head_l"], C["head"], C["head_d"]))
    f.set_clip(head)
    for _ in range(34):
        a = rnd.uniform(math.pi * 1.08, math.pi * 1.92)
        rr = rnd.uniform(0.55, 0.92)
        f.fill(R.circle(sh + math.cos(a) * 26 * rr, -68 + math.sin(a) * 17 * rr, 0.75), C["dot"], 0.9)
    f.set_clip(None)
    cx, cy = sh + 1.5, -66
    for sx in (-1, 1):
        f.fill(R.ellipse(cx + sx * 9.5, cy + 1, 10, 9.5), P.Rad((cx + sx * 9.5, cy + 1), 10, [C["disc"], C["disc"],
                                                                                         C["disc_d"]]))
    f.fill(path((cx - 19, cy - 6), ((cx - 12, cy - 13), (cx - 4, cy - 10), (cx, cy - 3)),
                ((cx + 4, cy - 10), (cx + 12, cy - 13), (cx + 19, cy - 6)),
                ((cx + 12, cy - 8.6), (cx + 4, cy - 7), (cx, cy + 2)), ((cx - 4, cy - 7), (cx - 12, cy - 8.6),
                                                                         (cx - 19, cy - 6))), C["brow"])
    # a white moustache under the bill
    f.fill(path((cx - 9, cy + 8), ((cx - 5, cy + 13), (cx + 5, cy + 13), (cx + 9, cy + 8)),
                ((cx + 4, cy + 10), (cx - 4, cy + 10), (cx - 9, cy + 8))), C["brow"], 0.95)
    for sx in (-1, 1):
        ex = cx + sx * 9
        f.fill(R.circle(ex, cy + 0.5, 5.6), ink)
        f.fill(R.circle(ex, cy + 0.5, 5.0), P.Rad((ex, cy - 1), 6, [(255, 240, 130), C["iris"], (220, 150, 10)]))
        f.fill(R.circle(ex, cy + 0.8, 2.7), C["eye"])
        f.fill(R.circle(ex - 1.6, cy - 1.2, 1.2), (255, 255, 255))
        # the frown: a lid shading the top of the eye
        f.fill(path((ex - 5.6, cy - 1.4), ((ex - 2, cy - 5.4), (ex + 2, cy - 5.4), (ex + 5.6, cy - 1.4)),
                    ((ex + 3, cy - 3.2), (ex - 3, cy - 3.2), (ex - 5.6, cy - 1.4))), C["head_d"], 0.9)
    f.fill(path((cx, cy + 1), ((cx + 2.6, cy + 2.4), (cx + 2.2, cy + 6), (cx, cy + 8)),
                ((cx - 2.2, cy + 6), (cx - 2.6, cy + 2.4), (cx, cy + 1))), C["beak"])
    return f


EAGLE_OWL = dict(
    kind="eagle", ink=(46, 32, 24),
    head=(170, 122, 72), head_l=(204, 160, 104), head_d=(120, 82, 46),
    disc=(214, 160, 96), disc_d=(184, 128, 70), rim=(60, 40, 28), throat=(246, 236, 214),
    front=(222, 170, 108), front_l=(240, 200, 140), front_d=(186, 132, 76), streak=(58, 38, 26),
    wing=(150, 106, 64), wing_l=(186, 140, 90), wing_d=(104, 72, 42), mottle=(70, 48, 32), dot=(232, 206, 160),
    eye=(20, 12, 10), iris=(250, 140, 30), beak=(40, 34, 34), feet=(222, 186, 130), talon=(30, 24, 24),
)


def eagle_owl(c, x, y, k=1.0, C=EAGLE_OWL, seed=21):
    """A great horned eagle owl on a rock, its broad body turned a little
    to the left and the big head facing us: long ear tufts raised, orange
    eyes, a white throat, the breast boldly streaked.  Feet at (x, y);
    about 130k tall."""
    from . import feathers as F
    f = Figure(c, x, y, k)
    rnd = random.Random(seed)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)
    body = path((-2, -84), ((-26, -82), (-36, -62), (-34, -38)), ((-32, -14), (-20, -2), (-2, 0)),
                ((16, 0), (28, -12), (30, -36)), ((32, -62), (22, -82), (-2, -84)))
    head = path((-2, -122), ((20, -122), (32, -110), (31, -94)), ((30, -80), (16, -70), (-2, -70)),
                ((-20, -70), (-34, -80), (-35, -94)), ((-36, -110), (-24, -122), (-2, -122)))
    wl = path((-22, -78), ((-36, -72), (-42, -52), (-40, -30)), ((-38, -12), (-32, 0), (-24, 8)),
              ((-24, -14), (-24, -46), (-22, -78)))
    wr = path((18, -78), ((30, -72), (35, -52), (34, -30)), ((33, -14), (29, -2), (22, 6)),
              ((20, -14), (19, -46), (18, -78)))
    tufts = []
    for sx in (-1, 1):
        bx = -2 + sx * 18
        for j, (dx, ln, w) in enumerate(((0, 22, 7), (3, 18, 6), (-3, 16, 6))):
            base = (bx + sx * dx, -112 + j)
            tip = (bx + sx * (dx + 9 + j * 2), -136 + j * 4)
            tufts.append((base, tip, w))
    f.silhouette([body, head, wl, wr] + [F.outline(b, t, w, "point") for b, t, w in tufts], ink, ow)
    for b, t, w in tufts:
        F.feather(f, b, t, w, C["head_d"], C["head_l"], P.mix(C["head_d"], ink, 0.5), "point", bend=0.1, rim=0.5)
        f.line(F.shaft(b, t, 0.1), 0.7, C["streak"], 0.7)
    # breast: tawny, heavily streaked above and finely barred below
    f.fill(body, P.V(-84, 0, C["front_l"], C["front"], C["front_d"]))
    f.set_clip(body)
    for j in range(9):
        for i in range(6):
            px = -24 + i * 9 + (j % 2) * 4.5 + rnd.uniform(-1.5, 1.5)
            py = -76 + j * 8 + rnd.uniform(-1, 1)
            ln = 6 if j < 4 else 3.5
            f.line([(px, py), (px + rnd.uniform(-0.6, 0.6), py + ln)], 2.2 if j < 4 else 1.3, C["streak"], 0.85)
            if j >= 4:
                f.line([(px - 2.6, py + ln + 0.6), (px, py + ln - 0.4), (px + 2.6, py + ln + 0.6)], 0.5,
                       C["streak"], 0.5)
    f.set_clip(None)
    # wings at the sides: mottled coverts, barred flight feathers below
    for sx, w in ((-1, wl), (1, wr)):
        f.fill(w, P.L((sx * 20, -76), (sx * 34, 6), C["wing_l"], C["wing"], C["wing_d"]))
        f.set_clip(w)
        for i in range(5):
            b = (sx * (24 + i * 2.2), -40 + i * 4)
            t = (sx * (27 + i * 2.4), 8 - i * 2.0)
            F.feather(f, b, t, 9, C["wing"], C["wing_d"], P.mix(C["wing_d"], ink, 0.4), "round",
                      bars=(C["mottle"], 0.7, [(0.3, 0.07), (0.5, 0.07), (0.7, 0.07), (0.9, 0.07)]), rim=0.55)
        for r in range(3):
            for i in range(4):
                b = (sx * (21 + i * 4 + r), -70 + r * 12 + i * 2)
                t = (sx * (23 + i * 4.2 + r), -56 + r * 12 + i * 2)
                F.feather(f, b, t, 7, C["wing_l"], C["wing"], P.mix(C["wing_d"], ink, 0.3), "round", rim=0.45)
                f.line([(b[0] + t[0]) / 2 + 0.0 for _ in (0,)] and [F.lerp(b, t, 0.3), F.lerp(b, t, 0.85)], 1.0,
                       C["mottle"], 0.7)
        f.set_clip(None)
    # feathered feet on the rock
    for fx in (-10, 8):
        f.fill(R.ellipse(fx, -3, 8, 5), C["front_d"])
        for t in (-4, 0, 4):
            f.line(R.qbezier((fx + t, 0), (fx + t * 1.2, 2.5), (fx + t * 1.1, 4.5), 6), 2.4, C["feet"])
            f.line(R.qbezier((fx + t * 1.1, 4.2), (fx + t * 1.1 - 0.4, 6.6), (fx + t * 1.1 - 1.8, 7.4), 5), 1.3,
                   C["talon"])
    # the head: mottled crown, tawny disc with its dark rim, white throat, orange eyes
    f.fill(head, P.V(-122, -70, C["head_l"], C["head"], C["head_d"]))
    f.set_clip(head)
    for _ in range(50):
        px, py = rnd.uniform(-34, 30), rnd.uniform(-122, -100)
        f.line([(px, py), (px, py + 2.5)], 1.1, C["streak"], 0.7)
    f.set_clip(None)
    cx, cy = -2, -94
    f.fill(R.ellipse(cx, cy + 20, 11, 6), C["throat"])
    for sx in (-1, 1):
        d = R.ellipse(cx + sx * 12, cy, 14, 15)
        f.fill(R.offset(R.oriented(d), 1.6), C["rim"], 0.9)
    for sx in (-1, 1):
        f.fill(R.ellipse(cx + sx * 12, cy, 14, 15), P.Rad((cx + sx * 12, cy), 15, [C["disc"], C["disc"], C["disc_d"]]))
        for r in (6, 9, 12):
            f.line(R.arc(cx + sx * 12, cy, r, r * 1.05, math.pi * 0.15, math.pi * 0.85), 0.5, C["disc_d"], 0.7)
    f.fill(path((cx - 4, cy - 14), ((cx - 10, cy - 8), (cx - 3, cy - 3), (cx, cy + 4)),
                ((cx + 3, cy - 3), (cx + 10, cy - 8), (cx + 4, cy - 14))), C["head_l"], 0.9)
    for sx in (-1, 1):
        ex = cx + sx * 11
        f.fill(R.circle(ex, cy - 1, 7.2), ink)
        f.fill(R.circle(ex, cy - 1, 6.4), P.Rad((ex, cy - 3), 7.5, [(255, 200, 90), C["iris"], (200, 90, 20)]))
        f.fill(R.circle(ex, cy - 0.6, 3.5), C["eye"])
        f.fill(R.circle(ex - 2, cy - 3.2, 1.5), (255, 255, 255))
    f.fill(path((cx, cy + 2), ((cx + 3, cy + 3.6), (cx + 2.6, cy + 8), (cx, cy + 10)),
                ((cx - 2.6, cy + 8), (cx - 3, cy + 3.6), (cx, cy + 2))), C["beak"])
    return f


def tawny_peeking(c, x, y, k=1.0, C=TAWNY, seed=31, tilt=0.12):
    """A tawny owl looking out of its hollow: the big round head tilted a
    little, the face disc ringed with fine lines, pale brows meeting over
    the bill, deep dark eyes; mottled shoulders with their row of white
    spots, the streaked breast below (to be hidden by the hollow's lip).
    (x, y) is the middle of the face."""
    from . import feathers as F
    f = Figure(c, x, y, k)
    rnd = random.Random(seed)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)
    g = f.sub(0, 0, 1.0, tilt)
    body = path((0, 14), ((26, 14), (38, 34), (38, 60)), (38, 80), (-38, 80), (-38, 60), ((-38, 34), (-26, 14), (0, 14)))
    head = path((0, -30), ((22, -30), (32, -16), (31, 0)), ((30, 16), (18, 24), (0, 24)),
                ((-18, 24), (-30, 16), (-31, 0)), ((-32, -16), (-22, -30), (0, -30)))
    f.silhouette([body], ink, ow)
    g.silhouette([head], ink, ow)
    # shoulders and breast
    f.fill(body, P.V(14, 80, C["front"], C["front_d"]))
    f.set_clip(body)
    for j in range(7):
        for i in range(7):
            px = -22 + i * 7.5 + (j % 2) * 3.6 + rnd.uniform(-1, 1)
            py = 24 + j * 8
            f.line([(px, py), (px + 0.3, py + 5)], 1.4, C["fleck"], 0.75)
            f.line([(px - 2, py + 2.5), (px + 2, py + 2.5)], 0.6, C["fleck"], 0.5)
    for sx in (-1, 1):
        wing = path((sx * 14, 16), ((sx * 32, 16), (sx * 40, 34), (sx * 40, 80)), (sx * 24, 80),
                    ((sx * 24, 50), (sx * 20, 30), (sx * 14, 16)))
        f.fill(wing, P.L((sx * 20, 16), (sx * 36, 80), C["wing_l"], C["wing"], C["wing_d"]))
        for r in range(4):
            for i in range(3):
                b = (sx * (22 + i * 4.5), 20 + r * 13 + i * 2)
                t = (sx * (24 + i * 4.6), 34 + r * 13 + i * 2)
                F.feather(f, b, t, 8.5, C["wing_l"], C["wing"], P.mix(C["wing_d"], ink, 0.35), "round", rim=0.5,
                          bars=(C["mottle"], 0.6, [(0.35, 0.1), (0.7, 0.1)]))
        for i in range(4):
            f.fill(R.ellipse(sx * (20 + i * 3.4), 22 + i * 9, 2.2, 1.6), C["dot"], 0.95)
    f.set_clip(None)
    # the head: mottled crown, the ringed face disc, pale brows, dark eyes
    g.fill(head, P.V(-30, 24, C["head_l"], C["head"], C["head_d"]))
    g.set_clip(head)
    for _ in range(60):
        px, py = rnd.uniform(-30, 30), rnd.uniform(-30, 4)
        if abs(px) > 20 or py < -14:
            g.line([(px, py), (px + rnd.uniform(-0.5, 0.5), py + 2.6)], 1.1, C["mottle"], 0.6)
            if rnd.random() < 0.3:
                g.fill(R.circle(px + 1, py - 1, 0.7), C["dot"], 0.8)
    g.set_clip(None)
    for sx in (-1, 1):
        d = R.ellipse(sx * 11, 2, 14, 16)
        g.fill(R.offset(R.oriented(d), 1.8), C["rim"], 0.9)
    for sx in (-1, 1):
        g.fill(R.ellipse(sx * 11, 2, 14, 16), P.Rad((sx * 11, 2), 16, [C["disc"], C["disc"], C["disc_d"]]))
        for r in (5.5, 8.5, 11.5, 14):
            g.line(R.arc(sx * 11, 2, r, r * 1.1, math.pi * (0.1 if sx > 0 else 0.5), math.pi * (0.5 if sx > 0 else 0.9)),
                   0.45, C["disc_d"], 0.8)
    # pale brows meeting over the bill in a V, a dark line between the eyes
    for sx in (-1, 1):
        g.fill(path((sx * 1.5, 4), ((sx * 1, -6), (sx * 8, -11), (sx * 19, -8)),
                    ((sx * 9, -8.4), (sx * 3.6, -5), (sx * 1.5, 4))), (240, 222, 192), 0.95)
    g.line([(0, -16), (0, -6)], 2.0, C["head_d"], 0.7)
    for sx in (-1, 1):
        ex = sx * 10.5
        g.fill(R.circle(ex, 1.5, 6.6), C["rim"])
        g.fill(R.circle(ex, 1.5, 5.8), P.Rad((ex, 0), 6.6, [(60, 40, 34), C["eye"]]))
        g.fill(R.circle(ex - 2.2, -1, 1.8), (255, 255, 255))
        g.fill(R.circle(ex + 2, 3.8, 0.7), (255, 255, 255), 0.7)
    g.fill(path((0, 4), ((2.8, 5.4), (2.6, 10), (0, 12.5)), ((-2.6, 10), (-2.8, 5.4), (0, 4))), C["beak"])
    return f


SHORT_EARED = dict(
    kind="short", ink=(54, 40, 30),
    head=(206, 170, 116), head_l=(232, 204, 156), head_d=(160, 122, 76),
    disc=(244, 232, 210), disc_d=(220, 200, 170), rim=(120, 90, 60),
    front=(240, 222, 186), front_d=(214, 190, 150), streak=(130, 90, 56),
    eye=(20, 14, 12), iris=(252, 210, 40), mask=(50, 36, 30), beak=(50, 44, 44),
)

SHORT_EARED_W = dict(prim=(120, 86, 56), prim_l=(230, 196, 140), sec=(176, 136, 88), sec_l=(222, 190, 140),
                     cov=(170, 128, 80), cov_l=(214, 176, 122), lesser=(150, 108, 64), lesser_l=(196, 156, 104),
                     edge=(96, 68, 42), tip=(70, 50, 36), bar=(92, 64, 40), carpal=(70, 48, 32))


def short_eared_gliding(c, x, y, k=1.0, rot=0.0, C=SHORT_EARED, Wc=SHORT_EARED_W, seed=14):
    """A short-eared owl quartering a field, gliding, seen from the side
    and a little above: the near wing spread towards us below the body,
    the far wing above it, both showing their buff upper sides with the
    dark wrist patch and the barred tips; the round face turned to look
    at us with its yellow eyes set in black."""
    from . import feathers as F
    f = Figure(c, x, y, k, False, rot)
    rnd = random.Random(seed)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)
    far = F.Wing(S=(4, -8), W=(-6, -40), T=(-60, -62), Q=(-44, -18), B=(-14, -6), Cl=(4, -26), Ct=(-62, -36),
                 Cs=(-30, -8), n_prim=10, n_sec=12, hand=0.24)
    near = F.Wing(S=(6, 4), W=(4, 40), T=(-52, 80), Q=(-48, 30), B=(-16, 8), Cl=(12, 20), Ct=(-64, 56),
                  Cs=(-34, 18), n_prim=10, n_sec=13, hand=0.24)
    tail = F.tail_feathers((-20, 2), math.pi + 0.12, 26, 0.42, n=10, profile="round", base_w=10)
    body = R.ellipse(0, 0, 24, 14)
    head = R.ellipse(22, -8, 16, 15)
    cons = F.wing_outline(far, prim_shape="blunt") + F.wing_outline(near, prim_shape="blunt") + \
        [F.outline(b, t, w) for b, t, w in tail] + [body, head]
    f.silhouette(cons, ink, ow)
    opts = dict(prim_shape="blunt", widen=1.8, rim=0.55, covert_rows=(0.4, 0.24), lesser=0.12,
                prim_bars=(Wc["bar"], 0.8, [(0.62, 0.07), (0.76, 0.07), (0.9, 0.1)]),
                bars=(Wc["bar"], 0.6, [(0.5, 0.08), (0.75, 0.08)]))
    F.draw_wing(f, far, Wc, "upper", shade=0.88, **opts)
    _carpal(f, far, P.mix(Wc["carpal"], (0, 0, 0), 0.12), 3.6)
    F.draw_tail(f, tail, Wc["sec_l"], Wc["sec"], Wc["edge"], bars=(Wc["bar"], 0.7, [(0.35, 0.1), (0.65, 0.1), (0.92, 0.08)]))
    f.fill(body, P.V(-14, 14, C["head_l"], C["front"], C["front_d"]))
    f.set_clip(body)
    for _ in range(24):
        px, py = rnd.uniform(-18, 20), rnd.uniform(-10, 12)
        f.line([(px, py), (px - 2.5, py + 0.6)], 1.0, C["streak"], 0.7)
    f.set_clip(None)
    F.draw_wing(f, near, Wc, "upper", **opts)
    _carpal(f, near, Wc["carpal"], 4.4)
    # the face turned to us
    f.fill(head, P.V(-23, 7, C["head_l"], C["head"], C["head_d"]))
    f.set_clip(head)
    for _ in range(26):
        px, py = rnd.uniform(8, 38), rnd.uniform(-23, -12)
        f.line([(px, py), (px, py + 2.2)], 0.9, C["streak"], 0.7)
    f.set_clip(None)
    cx, cy = 23, -6
    f.fill(R.ellipse(cx, cy, 13.5, 12), C["rim"], 0.9)
    f.fill(R.ellipse(cx, cy, 12.5, 11), P.Rad((cx, cy), 12, [C["disc"], C["disc"], C["disc_d"]]))
    for sx in (-1, 1):
        ex = cx + sx * 5
        f.fill(R.ellipse(ex, cy - 1, 4.6, 4.2), C["mask"])
        f.fill(R.circle(ex, cy - 1, 2.9), P.Rad((ex, cy - 2), 3.2, [(255, 240, 140), C["iris"]]))
        f.fill(R.circle(ex, cy - 0.8, 1.5), C["eye"])
        f.fill(R.circle(ex - 0.8, cy - 2, 0.6), (255, 255, 255))
    f.fill(path((cx - 3, cy - 8), ((cx - 1, cy - 5), (cx, cy - 3), (cx, cy + 1)), ((cx, cy - 3), (cx + 1, cy - 5),
                                                                                  (cx + 3, cy - 8))), C["disc"])
    f.fill(path((cx, cy), ((cx + 1.6, cy + 1), (cx + 1.4, cy + 3.6), (cx, cy + 5)), ((cx - 1.4, cy + 3.6),
                                                                                   (cx - 1.6, cy + 1), (cx, cy))), C["beak"])
    return f


def _carpal(f, wg, col, w):
    """The dark comma at the wrist of an owl's upper wing, along the leading edge."""
    from . import feathers as F
    lead = wg.lead(20)
    n = len(lead)
    pts = []
    for j in range(int(n * 0.62), int(n * 0.86)):
        p = lead[j]
        q = F.bez(wg.B, wg.Cs, wg.Q, 1.0) if j < n * 0.74 else F.bez(wg.Q, wg.Ct, wg.T, 0.4)
        pts.append(F.lerp(p, q, 0.16))
    f.line(pts, w, col, 0.85)

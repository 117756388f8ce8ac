"""The kestrel, the theme's hero, in its two poses: perched side-on and
hanging in the wind.  Each pose is drawn in its own coordinates (about
1 unit = 1 pixel at k = 1), facing right; a Figure places, scales and
mirrors it.  The male colours: blue-grey head and tail, chestnut back with
black spots, buff breast with dark drops, the black moustache, yellow
cere, eye-ring, feet.  The falcon's head in profile serves the peregrine
and the gyrfalcon too."""

import math

from artkit import raster as R
from . import paint as P
from .shapes import Figure, path

KESTREL = dict(
    ink=(46, 30, 26),
    head=(126, 140, 168), head_l=(170, 182, 206), head_d=(86, 98, 128),
    cheek=(252, 244, 226), moustache=(42, 38, 48),
    back=(200, 102, 50), back_l=(230, 146, 84), back_d=(150, 68, 32), spot=(58, 32, 24),
    prim=(60, 46, 44), prim_l=(104, 84, 76),
    breast=(244, 212, 160), breast_l=(255, 238, 206), breast_d=(214, 170, 112), drop=(120, 70, 44),
    tail=(132, 146, 174), tail_l=(172, 184, 208), tail_d=(96, 108, 136), band=(36, 34, 44), tip=(244, 244, 244),
    yellow=(252, 198, 38), yellow_d=(214, 150, 20),
    beak=(66, 74, 96), beak_l=(120, 130, 150), eye=(22, 16, 16), talon=(26, 22, 24),
)


def lerp_pt(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


def along(pts, t):
    """Point at fraction t of a polyline's vertex list."""
    f = t * (len(pts) - 1)
    i = min(len(pts) - 2, int(f))
    return lerp_pt(pts[i], pts[i + 1], f - i)


def strip(left, right, t0, t1, n=8):
    """The band between two edge polylines from t0 to t1 of their length."""
    a = [along(left, t0 + (t1 - t0) * k / n) for k in range(n + 1)]
    b = [along(right, t0 + (t1 - t0) * k / n) for k in range(n + 1)]
    return a + b[::-1]


def drop(f, x, y, ln, w, ang, col, opacity=1.0):
    """A teardrop spot, its round end at (x, y), pointing along ang."""
    ca, sa = math.cos(ang), math.sin(ang)
    pts = []
    for k in range(20):
        a = 2 * math.pi * k / 20
        u = math.cos(a)
        v = math.sin(a) * w * (1.0 - 0.85 * max(0.0, u) ** 1.5)
        u = u * ln if u > 0 else u * w
        pts.append((x + u * ca - v * sa, y + u * sa + v * ca))
    f.fill(pts, col, opacity)


def eye(f, x, y, r, C):
    f.fill(R.circle(x, y, r * 1.25), C["yellow"])
    f.fill(R.circle(x, y, r), C["eye"])
    f.fill(R.circle(x - r * 0.35, y - r * 0.35, r * 0.36), (255, 255, 255))
    f.fill(R.circle(x + r * 0.35, y + r * 0.4, r * 0.14), (255, 255, 255), opacity=0.6)


def perched(c, x, y, k=1.0, flip=False, C=KESTREL):
    """A kestrel perched upright, its feet at (x, y) on a branch or post.
    About 115k tall (crown at y - 77k, tail tip at y + 37k)."""
    f = Figure(c, x, y, k, flip)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)

    tl = path((-10, -14), ((-13, 2), (-17, 18), (-20, 31)))
    tr = path((2, -9), ((-1, 6), (-4, 20), (-6, 33)))
    tip = R.bezier((-20, 31), (-18, 37.5), (-9, 38.5), (-6, 33), 10)
    tail = tl + tip[1:] + tr[::-1][1:]
    body = path((-8, -56), ((6, -58), (21, -48), (20, -32)), ((19, -18), (12, -6), (2, -3)),
                ((-4, -2), (-10, -8), (-11, -14)), ((-14, -28), (-14, -46), (-8, -56)))
    wing = path((-8, -52), ((0, -52), (7, -45), (7.5, -35)), ((8, -24), (3, -12), (-1, -4)),
                ((-5, 5), (-10, 15), (-16, 24)), ((-17.5, 22), (-17, 14), (-16, 4)),
                ((-16, -14), (-15, -40), (-8, -52)))
    head = path((15.5, -68), ((12, -73), (6, -76.5), (0, -76)), ((-8, -75.5), (-12, -68), (-11.5, -61)),
                ((-11, -56), (-9, -53), (-6, -50)), ((2, -50), (10, -52), (15, -58)))
    leg = [(2.8, -8), (6.4, -8), (6.4, 0), (2.6, 0)]
    toes = [((10.8, 1.0), 0.2), ((8.2, 2.0), 0.5), ((-1.4, 0.8), 2.9)]

    f.silhouette([tail, body, wing, head, leg], ink, ow)

    # tail with its black band and white tip
    f.fill(tail, P.L((-14, -5), (-10, 36), C["tail_l"], C["tail"], C["tail_d"]))
    f.set_clip(tail)
    f.fill(strip(tl, tr, 0.74, 0.9), C["band"])
    f.fill(tip + [(-6, 45), (-20, 45)], C["tip"])
    f.line([(-6.5, -6), (-12.5, 31)], 0.5, C["tail_d"], 0.6)
    f.set_clip(None)

    # far foot's toes peeking behind the near leg
    f.line([(1.5, -1.5), (8, 0.8)], 2.0, C["yellow_d"])

    # body: buff breast with rows of dark drops
    f.fill(body, P.L((14, -50), (0, -4), C["breast_l"], C["breast"], C["breast_d"]))
    f.set_clip(body)
    rows = [(-44, 3), (-38, 4), (-32, 4), (-26, 4), (-20, 4), (-14, 3)]
    for j, (yy, n) in enumerate(rows):
        for i in range(n):
            xx = 17 - i * 5.4 - (j % 2) * 2.6 + (0.8 if j > 3 else 0)
            drop(f, xx, yy + (i % 2) * 1.2, 3.0, 1.1, math.pi / 2 + 0.15, C["drop"], 0.85)
    f.fill(R.ellipse(15, -46, 4.5, 7), C["breast_l"], 0.4)
    f.set_clip(None)

    # thigh feathers and the near leg with its toes and black talons
    f.fill(R.ellipse(4.5, -8, 6.5, 5), C["breast_d"])
    f.fill(R.ellipse(5, -9, 5, 3.8), C["breast"])
    f.fill(leg, P.L((2.6, 0), (6.4, 0), C["yellow"], C["yellow_d"]))
    for (tx, ty), ang in toes:
        f.line([(4.5, -0.5), (tx, ty)], 2.4, C["yellow_d"])
        f.line([(4.5, -0.7), (tx, ty - 0.25)], 1.5, C["yellow"])
        talon = R.qbezier((tx, ty), (tx + 1.8 * math.cos(ang), ty + 0.4), (tx + 1.3 * math.cos(ang), ty + 2.7), 6)
        f.line(talon, 1.0, C["talon"])

    # folded wing: chestnut coverts with black spots, dark primaries over the tail
    f.fill(wing, P.L((0, -50), (-10, 10), C["back_l"], C["back"], C["back_d"]))
    f.set_clip(wing)
    prim = path((-20, -6), ((-10, -4), (0, -8), (7, -12)), (7, 30), (-20, 30))
    f.fill(prim, P.L((0, -8), (-14, 22), C["prim_l"], C["prim"]))
    for t in (0.0, 2.6, 5.2):
        f.line(path((1 - t, -9 + t * 0.4), ((-3 - t, 0), (-7 - t, 10), (-12 - t * 0.6, 22))), 0.5, C["prim_l"], 0.8)
    # rows of covert feathers: a soft dark rim under each, a black spot near its tip
    for j, yy in enumerate(range(-44, -8, 7)):
        for i in range(5):
            xx = -14.5 + i * 5.4 + (j % 2) * 2.7 + ((i * 7 + j * 3) % 5 - 2) * 0.25
            y0 = yy + (xx + 4) * 0.25
            arc = R.qbezier((xx - 2.8, y0), (xx, y0 + 4.2), (xx + 2.8, y0), 6)
            f.line(arc, 0.5, C["back_d"], 0.6)
            f.line([(p[0], p[1] - 0.7) for p in arc], 0.45, C["back_l"], 0.4)
            f.fill([(xx - 1.4, y0 + 0.6), (xx + 1.4, y0 + 0.6), (xx, y0 + 2.5)], C["spot"], 0.9)
    f.line(path((-8, -52), ((0, -52), (7, -45), (7.5, -35)), ((8, -24), (3, -12), (-1, -4))), 0.7, C["back_d"])
    f.set_clip(None)

    head_side(f, C)
    return f


def head_side(f, C, hood=False):
    """The falcon's head in profile facing right, in the perched figure's
    coordinates (crown at y = -76, the bill's hook at (22, -58))."""
    ink = C["ink"]
    ow = max(0.7, 0.8 * f.k)
    head = path((15.5, -68), ((12, -73), (6, -76.5), (0, -76)), ((-8, -75.5), (-12, -68), (-11.5, -61)),
                ((-11, -56), (-9, -53), (-6, -50)), ((2, -50), (10, -52), (15, -58)))
    # head: grey crown and nape, cream cheek and throat, the black moustache
    f.fill(head, P.L((-2, -77), (6, -50), C["head_l"], C["head"], C["head_d"]))
    f.set_clip(head)
    if hood:
        f.fill(path((4, -52), ((8, -56), (12, -58), (17, -60)), (18, -48), (4, -48)), C["cheek"])
        f.fill(path((-4, -50), ((-2, -56), (2, -58), (5, -58)), ((9, -58), (12, -55), (13, -52)), (-4, -46)),
               C["cheek"])
        f.fill(path((12, -60), ((8, -57), (7, -54), (8, -50.5)), (4, -50), ((3, -55), (3, -59), (5, -62))),
               C["moustache"])
    else:
        cheek = path((-3, -56), ((-1, -62), (7, -66.5), (17, -63)), (18, -48), (-3, -46))
        f.fill(cheek, C["cheek"])
        f.fill(path((7.6, -63), ((11, -61.5), (11.2, -56), (9.2, -50.5)), ((7.5, -50.2), (6.3, -55), (6.6, -61.5))),
               C["moustache"])
        f.fill(path((-3, -58.5), ((-1, -60.5), (2, -61), (3.5, -59.6)), ((2, -56.5), (-1, -56), (-3, -58.5))),
               C["moustache"], 0.5)
    f.fill(R.ellipse(0, -71, 8, 3.5), C["head_l"], 0.45)
    f.set_clip(None)
    f.line(path((15, -58), ((10, -52), (2, -50), (-6, -50))), 0.6, C["breast_d"], 0.5)

    # beak: yellow cere, hooked grey bill
    f.fill(path((13.5, -67.5), ((15.5, -68.5), (17.5, -67.2), (18, -64.6)), (17.8, -62), ((15.5, -61), (14, -61.5),
                                                                                      (13.2, -62.5))), C["yellow"])
    upper = path((17.2, -66.2), ((21, -66.3), (23.2, -62.6), (21.9, -57.8)), ((21, -59), (20, -60), (17.4, -60.8)))
    f.outlined(upper, ink, P.L((17, -66), (21, -58), C["beak_l"], C["beak"]), ow * 0.8)
    f.fill(path((17.2, -61), ((19, -60.6), (20, -60), (20.4, -59.2)), ((19, -58.6), (17.5, -58.8), (16.6, -59.6))),
           C["beak"])
    eye(f, 9.6, -64.8, 3.0, C)


UNDER = dict(prim=(186, 176, 170), prim_l=(236, 230, 222), sec=(214, 204, 192), sec_l=(246, 240, 230),
             cov=(238, 220, 190), cov_l=(252, 242, 222), lesser=(240, 214, 170), lesser_l=(252, 236, 206),
             edge=(150, 124, 104), tip=(70, 56, 52), bar=(150, 128, 116), spot=(130, 80, 50))


def _upper(C):
    return dict(prim=C["prim"], prim_l=C["prim_l"], sec=C["prim"], sec_l=C["prim_l"], cov=C["back"],
                cov_l=C["back_l"], lesser=C["back_d"], lesser_l=C["back"], edge=P.mix(C["back_d"], C["ink"], 0.4),
                tip=C["prim"])


def hovering(c, x, y, k=1.0, flip=False, C=KESTREL, U=UNDER, rot=0.0):
    """A kestrel hanging in the wind, seen from the side: body tilted up,
    both wings raised over the back at the top of the beat (the near one
    shows its pale, barred underside, the far one its chestnut upper
    side), the tail fanned and pressed down, the head held still and
    looking down at its prey.  (x, y) is the middle of the body; the bird
    faces right (left with flip)."""
    from . import feathers as F
    f = Figure(c, x, y, k, flip, rot)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)
    # far wing, raised behind the body: its upper side, in shade
    far = F.Wing(S=(2, -14), W=(-14, -50), T=(-68, -78), Q=(-48, -40), B=(-14, -2),
                 Cl=(0, -34), Ct=(-64, -54), Cs=(-36, -18), n_prim=9, n_sec=10, hand=0.34)
    near = F.Wing(S=(9, -11), W=(2, -52), T=(-44, -98), Q=(-36, -46), B=(-8, 2),
                  Cl=(14, -32), Ct=(-48, -70), Cs=(-26, -18), n_prim=10, n_sec=11, hand=0.36)
    tail = F.tail_feathers((-11, 14), math.pi / 2 + 0.6, 42, 0.48, n=12, profile="round", base_w=9)
    body = path((20, -12), ((22, 2), (10, 18), (-4, 20)), ((-14, 21), (-18, 12), (-14, 2)),
                ((-8, -12), (6, -24), (14, -22)), ((18, -20), (19.5, -16), (20, -12)))
    cons = F.wing_outline(far) + F.wing_outline(near) + [F.outline(b, t, w) for b, t, w in tail] + [body]
    f.silhouette(cons, ink, ow)
    up = _upper(C)
    F.draw_wing(f, far, up, "upper", shade=0.86, covert_spots=(C["spot"], 0.8), rim=0.5)
    # tail: grey above with the black band and white tip, seen from below
    F.draw_tail(f, tail, C["tail_l"], (206, 212, 226), C["tail_d"], bars=(C["band"], 0.95, [(0.8, 0.13)]),
                pale_tip=C["tip"])
    # body: buff breast with dark drops, rufous back just showing above
    f.fill(body, P.L((14, -22), (-10, 18), C["breast_l"], C["breast"], C["breast_d"]))
    f.set_clip(body)
    for j, (yy, n) in enumerate([(-14, 2), (-8, 3), (-2, 4), (4, 4), (10, 3)]):
        for i in range(n):
            xx = 14 - i * 6 - j * 2.6 + (j % 2) * 3
            drop(f, xx, yy + i * 0.8, 3.0, 1.1, math.pi / 2 + 0.5, C["drop"], 0.8)
    f.set_clip(None)
    # feet tucked forward under the breast
    f.line([(2, 14), (8, 19)], 2.6, C["yellow_d"])
    f.line([(2, 13.6), (8, 18.6)], 1.5, C["yellow"])
    for a in (-0.5, 0.2, 0.9):
        f.line([(8, 19), (8 + 2.4 * math.cos(a), 19 + 2.4 * math.sin(a))], 1.2, C["yellow_d"])
    f.fill(R.ellipse(3, 11, 5, 4), C["breast_d"], 0.8)
    # near wing: its underside, pale with fine bars and darker hand
    F.draw_wing(f, near, U, "under", prim_bars=(U["bar"], 0.55, [(0.3, 0.06), (0.45, 0.06), (0.6, 0.06)]),
                bars=(U["bar"], 0.3, [(0.5, 0.07)]), dark_tips=(0.72, 0.82, False),
                covert_spots=(U["spot"], 0.7), rim=0.5)
    # head, looking down at the prey
    g = f.sub(22, -27, 0.78, 0.45).sub(-3, 63)
    head_side(g, C)
    return f

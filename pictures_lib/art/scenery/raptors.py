"""The kestrel's cousins, each in a pose of its own: an osprey carrying
its trout, a young golden eagle soaring, a harrier gliding low, a buzzard
and a goshawk perched (the goshawk seen from behind), a red kite banking
seen from above, a peregrine facing us on its ledge and a white
gyrfalcon on a crag; the hawk's head in profile that several share."""

import math
import random

from artkit import raster as R
from . import paint as P
from . import kestrel as K
from .kestrel import drop
from .shapes import Figure, path

EAGLE = dict(
    ink=(40, 26, 20), wing="broad", tail="round", span=86, chord=40, fingers=7, finger_len=0.22, crook=0.0, arm=0.0,
    body=(104, 68, 44), body_l=(140, 98, 64), body_d=(70, 44, 28),
    cov=(124, 84, 54), cov_l=(160, 116, 76), flight=(92, 78, 74), flight_l=(128, 116, 110), bar=(64, 52, 50),
    tip=(40, 30, 28), patch=(246, 242, 236), carpal=None,
    head=(170, 118, 56), head_l=(232, 184, 90), head_d=(110, 72, 40), stripe=None, throat=None,
    tail_c=(240, 236, 230), tail_l=(255, 252, 248), tail_band=None, tail_end=(52, 38, 32),
    cere=(250, 200, 50), beak=(60, 60, 70), beak_l=(120, 122, 134), eye=(40, 26, 14), ring=(214, 150, 40),
    feet=(250, 200, 50), trousers=(120, 82, 52),
)

KITE = dict(
    ink=(50, 28, 20), wing="kite", tail="fork", span=88, chord=30, fingers=5, finger_len=0.12, crook=0.3, arm=-0.15,
    body=(196, 96, 52), body_l=(226, 140, 86), body_d=(150, 66, 36),
    cov=(192, 96, 56), cov_l=(222, 136, 90), flight=(90, 84, 90), flight_l=(140, 134, 140), bar=(60, 56, 62),
    tip=(30, 26, 30), patch=(246, 244, 240), carpal=None,
    head=(214, 214, 220), head_l=(244, 244, 248), head_d=(168, 168, 178), stripe=None, throat=None,
    tail_c=(226, 124, 62), tail_l=(244, 170, 110), tail_band=None,
    cere=(252, 210, 60), beak=(50, 50, 56), beak_l=(110, 110, 120), eye=(250, 220, 90), ring=(240, 200, 60),
    feet=(252, 206, 60), trousers=(190, 100, 60),
)

OSPREY = dict(
    ink=(40, 34, 36), wing="kite", tail="round", span=94, chord=27, fingers=5, finger_len=0.1, crook=0.5, arm=-0.26, tail_len=0.8,
    body=(250, 250, 250), body_l=(255, 255, 255), body_d=(222, 222, 228),
    cov=(252, 252, 252), cov_l=(255, 255, 255), flight=(200, 196, 196), flight_l=(236, 232, 230), bar=(120, 110, 108),
    tip=(50, 42, 42), patch=None, carpal=(50, 42, 42),
    head=(252, 252, 252), head_l=(255, 255, 255), head_d=(220, 220, 226), stripe=(56, 44, 40), throat=None,
    tail_c=(214, 206, 200), tail_l=(240, 236, 232), tail_band=(110, 96, 92),
    cere=(90, 100, 120), beak=(36, 36, 40), beak_l=(96, 96, 104), eye=(252, 220, 60), ring=(240, 210, 80),
    feet=(200, 210, 216), trousers=(250, 250, 250),
)


def head_profile(f, C, eyestripe=None, brow=None, moustache=None, crest=None, gape=True, size=1.0):
    """A hawk's or eagle's head in profile facing right, its middle at
    (0, 0) and about 22 wide: rounded crown, strong hooked bill with the
    cere, a shading brow over the eye.  C: head, head_l, head_d, cere,
    beak, beak_l, eye, ring, ink (and throat)."""
    ink = C["ink"]
    ow = max(0.6, 0.7 * f.k)
    head = path((13, -2), ((11, -9), (4, -12), (-3, -11)), ((-10, -10), (-13, -3), (-12, 4)),
                ((-11, 9), (-7, 12), (-1, 12)), ((6, 12), (11, 7), (13, -2)))
    if crest:
        crest_pts = path((-6, -10), ((-12, -12), (-17, -9), (-20, -4)), ((-15, -3), (-12, 0), (-9, 2)))
        f.fill(crest_pts, C["head_d"])
    f.fill(head, P.L((-4, -12), (4, 12), C["head_l"], C["head"], C["head_d"]))
    f.set_clip(head)
    if C.get("throat"):
        f.fill(path((13, 4), ((6, 2), (0, 5), (-3, 13)), (14, 14)), C["throat"])
    if eyestripe:
        f.fill(path((9, -5), ((3, -6.5), (-4, -5), (-14, 0)), (-14, 6), ((-5, 1), (2, -1), (9, -1.5))), eyestripe)
    if moustache:
        f.fill(path((6, -5), ((8, -2), (8, 3), (6, 9)), ((4, 9), (3, 3), (3.5, -3))), moustache)
    f.set_clip(None)
    if brow:
        f.fill(path((1, -8.5), ((4, -11), (9, -10.6), (11.5, -7.5)), ((8, -8), (4, -7.6), (1, -8.5))), brow, 0.9)
    # cere and the hooked bill
    f.fill(path((9.6, -6.2), ((11.8, -7.4), (14, -6.2), (14.4, -3.6)), (14, -0.8), ((12, -0.2), (10.4, -1.2),
                                                                                 (9.8, -2.6))), C["cere"])
    upper = path((13.4, -5.8), ((18.6, -5.8), (21, -1), (18, 4.4)), ((17.4, 2.4), (16.2, 0.8), (12.8, -0.2)))
    f.outlined(upper, ink, P.L((13, -5), (19, 3), C["beak_l"], C["beak"]), ow)
    f.fill(path((13, 0), ((15, 0.4), (16.4, 1.2), (16.8, 2.2)), ((15, 2.6), (13.6, 2.2), (12.6, 1.2))), C["beak"])
    if gape:
        f.line([(12.4, 0.6), (9.6, 1.2)], 0.5, ink, 0.7)
    # the eye under its brow
    f.fill(R.circle(5.6, -4.4, 3.0), C["ring"])
    f.fill(R.circle(5.6, -4.4, 2.3), C["eye"])
    f.fill(R.circle(5.8, -4.4, 1.15), (18, 12, 10))
    f.fill(R.circle(4.9, -5.3, 0.7), (255, 255, 255))
    f.fill(path((1.6, -7.2), ((4, -9.2), (8, -8.8), (10, -6.6)), ((7, -7.2), (4, -7.0), (1.6, -7.2))), C["head_d"], 0.95)
    return head


OSPREY_U = dict(prim=(120, 114, 120), prim_l=(206, 202, 206), sec=(170, 166, 172), sec_l=(222, 220, 224),
                cov=(250, 250, 252), cov_l=(255, 255, 255), lesser=(252, 252, 254), lesser_l=(255, 255, 255),
                edge=(150, 146, 150), tip=(48, 42, 44), bar=(112, 104, 110))


def osprey_fishing(c, x, y, k=1.0, rot=0.0, C=OSPREY, tint=None):
    """An osprey seen from below as it carries a trout away over the lake:
    long wings crooked at the wrist into a shallow M, black wrist patches
    and barred flight feathers, the fish held head first along the body in
    both feet, toes and black talons wrapped round it.  (x, y) is the
    middle of the body; the bird flies up the picture, head turned to the
    right."""
    from . import feathers as F
    f = Figure(c, x, y, k, False, rot)
    U = dict(OSPREY_U)
    if tint:
        C = P.tinted(C, *tint)
        U = P.tinted(U, *tint)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)

    def wing(sx, far=1.0):
        def m(p):
            return (sx * p[0] * (far if abs(p[0]) > 12 else 1.0), p[1])
        return F.Wing(S=m((8, -10)), W=m((50, -22)), T=m((114, 24)), Q=m((62, 16)), B=m((9, 12)),
                      Cl=m((28, -22)), Ct=m((90, 32)), Cs=m((34, 22)), n_prim=10, n_sec=13, hand=0.22,
                      fingers=4, finger_spread=0.12)
    wings = [wing(1), wing(-1, 0.9)]
    tail = F.tail_feathers((0, 14), math.pi / 2, 30, 0.32, n=12, profile="square", base_w=12)
    body = path((0, -24), ((9, -24), (13, -10), (12, 2)), ((11, 14), (6, 20), (0, 21)),
                ((-6, 20), (-11, 14), (-12, 2)), ((-13, -10), (-9, -24), (0, -24)))
    cons = []
    for wg in wings:
        cons += F.wing_outline(wg, "under")
    cons += [F.outline(b, t, w) for b, t, w in tail] + [body, R.ellipse(3, -32, 15, 14)]
    f.silhouette(cons, ink, ow)
    F.draw_tail(f, tail, (236, 232, 230), (210, 204, 204), (150, 140, 140),
                bars=((120, 106, 104), 0.8, [(0.35, 0.08), (0.55, 0.08), (0.75, 0.1)]), shape="round")
    for wg in wings:
        F.draw_wing(f, wg, U, "under", prim_shape="finger" if False else "point", widen=1.8,
                    prim_bars=(U["bar"], 0.4, [(0.45, 0.07), (0.62, 0.07)]),
                    bars=(U["bar"], 0.35, [(0.5, 0.07), (0.75, 0.07)]),
                    dark_tips=(0.74, 0.9, True), covert_rows=(0.4, 0.24), lesser=0.12)
        # the black comma at the wrist and the dark bar along the greater coverts
        comma = [F.lerp(F.lerp(wg.W, wg.T, -0.04 + 0.1 * i / 8), F.lerp(wg.Q, wg.T, 0.05 + 0.05 * i / 8), 0.22 + 0.1 * i / 8)
                 for i in range(9)]
        f.line(comma, 5.5, C["carpal"], 0.95)
        bar = [F.lerp(F.bez(wg.W, wg.Cl, wg.S, t), F.bez(wg.Q, wg.Cs, wg.B, t), 0.42) for t in [i / 10 for i in range(11)]]
        f.line(bar, 2.6, C["carpal"], 0.6)
    f.fill(body, P.L((-6, -22), (6, 20), C["body_l"], C["body"], C["body_d"]))
    # a faint brown necklace on the breast
    f.set_clip(body)
    for i in range(-3, 4):
        f.line([(i * 3.4, -20), (i * 3.6, -15)], 1.4, (150, 120, 100), 0.6)
    f.set_clip(None)
    # the trout, head first, held in both feet
    _trout(f, 0, 30)
    for fx, fy in ((-4, 10), (4, 26)):
        f.fill(path((fx * 0.6 - 4, 10), (fx * 0.6 + 4, 10), (fx + 2.2, fy), (fx - 2.2, fy)), C["feet"])
        f.fill(R.ellipse(fx * 0.7, 10, 5, 4), C["trousers"])
    for fx, fy in ((-4, 10), (4, 26)):
        _grip(f, 0, fy, C)
    g = f.sub(3, -32, 1.2, 0.1)
    head_profile(g, C, eyestripe=C["stripe"], crest=True)
    return f


def _trout(f, cx, cy, ln=48):
    """A trout seen from below-side, head up (towards -y), tail down."""
    top, bot = cy - ln / 2, cy + ln / 2
    body = path((cx, top), ((cx + 7, top + 4), (cx + 8, cy), (cx + 4, bot - 8)), (cx + 1.5, bot - 2),
                (cx - 1.5, bot - 2), ((cx - 4, bot - 8), (cx - 8, cy), (cx - 7, top + 4)))
    tail = [(cx - 1.5, bot - 4), (cx - 8, bot + 6), (cx - 2, bot + 3), (cx, bot + 5), (cx + 2, bot + 3),
            (cx + 8, bot + 6), (cx + 1.5, bot - 4)]
    f.outlined(tail, (60, 70, 64), (120, 134, 112), 0.7)
    for sx in (-1, 1):
        f.outlined(path((cx + sx * 5, cy + 4), ((cx + sx * 11, cy + 7), (cx + sx * 11, cy + 11), (cx + sx * 7, cy + 12))),
                   (60, 70, 64), (190, 170, 150), 0.6)
    f.outlined(body, (60, 70, 64), P.L((cx - 8, 0), (cx + 8, 0), (110, 126, 100), (214, 218, 204), (120, 134, 110)), 0.8)
    f.line(path((cx + 4.5, top + 8), ((cx + 6, cy), (cx + 5, cy + 8), (cx + 2.5, bot - 6))), 1.6, (236, 150, 140), 0.7)
    for px, py in ((3.5, -12), (5, -4), (4, 4), (-4, -10), (-5, -2), (-3.5, 6), (2.5, 10)):
        f.fill(R.circle(cx + px, cy + py, 0.8), (50, 58, 50), 0.9)
    for sx in (-1, 1):
        f.fill(R.circle(cx + sx * 3.2, top + 5, 1.2), (240, 232, 200))
        f.fill(R.circle(cx + sx * 3.3, top + 5, 0.7), (20, 20, 24))


def _grip(f, cx, cy, C):
    """A foot clamped round the fish from below: the pale scaly foot, two
    toes forward and two back wrapped over the fish's sides, black talons."""
    feet, dark = C["feet"], P.mix(C["feet"], (30, 30, 40), 0.55)
    for sx, dy in ((-1, -2.5), (1, -2.5), (-1, 2.5), (1, 2.5)):
        toe = R.qbezier((cx, cy + dy * 0.3), (cx + sx * 6, cy + dy * 0.5), (cx + sx * 8.2, cy + dy * 1.4), 8)
        f.line(toe, 3.4, dark)
        f.line(toe, 2.3, feet)
        for u in (0.35, 0.6, 0.85):
            p = toe[int(u * (len(toe) - 1))]
            f.line([(p[0], p[1] - 1), (p[0], p[1] + 1)], 0.35, dark, 0.7)
        tx, ty = toe[-1]
        claw = R.qbezier((tx, ty), (tx + sx * 2.4, ty + dy * 0.5), (tx + sx * 0.8, ty + dy * 1.4), 6)
        f.line(claw, 1.6, (24, 20, 22))
    f.fill(R.ellipse(cx, cy, 4.2, 3.4), dark)
    f.fill(R.ellipse(cx, cy - 0.3, 3.4, 2.7), feet)


EAGLE_U = dict(prim=(58, 44, 40), prim_l=(96, 80, 74), sec=(70, 56, 50), sec_l=(112, 96, 88),
               cov=(92, 62, 42), cov_l=(122, 86, 58), lesser=(104, 70, 46), lesser_l=(112, 76, 50),
               edge=(40, 28, 24), tip=(30, 22, 20), bar=(50, 40, 38), patch=(244, 240, 234))


def eagle_soaring(c, x, y, k=1.0, rot=0.0, C=EAGLE, U=EAGLE_U):
    """A young golden eagle soaring, seen from below: long broad wings
    held in a shallow V, seven splayed fingers at each tip, the white
    patches at the base of the flight feathers, the white tail with its
    broad dark band; the head in profile turned to the right."""
    from . import feathers as F
    f = Figure(c, x, y, k, False, rot)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)

    def wing(sx, far=1.0):
        def m(p):
            return (sx * p[0] * (far if abs(p[0]) > 12 else 1.0), p[1])
        return F.Wing(S=m((9, -12)), W=m((52, -22)), T=m((114, -32)), Q=m((74, 20)), B=m((10, 14)),
                      Cl=m((30, -24)), Ct=m((130, 4)), Cs=m((44, 26)), n_prim=10, n_sec=13, hand=0.12,
                      fingers=6, finger_spread=0.55)
    wings = [wing(-1, 0.92), wing(1)]
    tail = F.tail_feathers((0, 16), math.pi / 2, 44, 0.5, n=12, profile="round", base_w=14)
    body = path((0, -24), ((10, -24), (14, -10), (13, 4)), ((12, 16), (6, 24), (0, 25)),
                ((-6, 24), (-12, 16), (-13, 4)), ((-14, -10), (-10, -24), (0, -24)))
    cons = []
    for wg in wings:
        cons += F.wing_outline(wg, "under", widen=1.9)
    cons += [F.outline(b, t, w) for b, t, w in tail] + [body, R.ellipse(4, -28, 13, 12)]
    f.silhouette(cons, ink, ow)
    F.draw_tail(f, tail, (250, 248, 244), (236, 232, 226), (150, 140, 134), dark_tip=((46, 34, 30), 0.68),
                shape="round")
    for wg in wings:
        feats = F.draw_wing(f, wg, U, "under", widen=1.9, prim_widen=2.4, rim=0.6,
                            prim_bars=(U["bar"], 0.35, [(0.5, 0.05), (0.62, 0.05)]),
                            bars=(U["bar"], 0.3, [(0.55, 0.05), (0.7, 0.05), (0.85, 0.05)]),
                            dark_tips=(0.7, 0.88, True), covert_rows=(0.36, 0.22), lesser=0.12)
        # the white window across the bases of the inner primaries and outer secondaries
        for kind, i, b, t, w, shape in feats:
            if (kind == "p" and i >= 4) or (kind == "s" and i < 6):
                F.feather(f, F.lerp(b, t, 0.36), F.lerp(b, t, 0.6), w * 0.9, U["patch"], P.mix(U["patch"], U["sec"], 0.3),
                          None, "round", opacity=0.9)
    f.fill(body, P.L((-6, -22), (6, 24), C["body_l"], C["body"], C["body_d"]))
    f.set_clip(body)
    rnd = random.Random(3)
    for _ in range(20):
        px, py = rnd.uniform(-11, 11), rnd.uniform(-18, 20)
        f.line([(px, py), (px + 0.4, py + 3.5)], 1.2, C["body_d"], 0.5)
    f.set_clip(None)
    for fx in (-5, 5):
        f.fill(R.ellipse(fx, 18, 5, 7), C["trousers"])
        f.fill(R.ellipse(fx * 0.9, 25, 2.8, 3.2), C["feet"])
        for t in (-1.4, 0, 1.4):
            f.line([(fx * 0.9 + t, 26.5), (fx * 0.9 + t * 1.3, 29)], 0.9, (40, 30, 26))
    g = f.sub(4, -28, 1.05, 0.05)
    head_profile(g, C, brow=C["head_d"])
    return f


HARRIER = dict(
    ink=(44, 40, 48), head=(150, 156, 170), head_l=(196, 202, 214), head_d=(110, 116, 132),
    body=(236, 236, 240), body_l=(252, 252, 254), body_d=(206, 206, 214), streak=(196, 110, 70),
    breast=(160, 166, 180), cere=(246, 206, 60), beak=(40, 40, 46), beak_l=(100, 100, 110),
    eye=(250, 214, 60), ring=(240, 200, 60), feet=(246, 200, 60), talon=(30, 26, 26),
    tail=(176, 182, 196), tail_l=(226, 230, 238), tail_bar=(150, 120, 110),
)

HARRIER_U = dict(prim=(34, 32, 38), prim_l=(70, 68, 76), sec=(214, 216, 224), sec_l=(246, 246, 250),
                 cov=(240, 240, 244), cov_l=(255, 255, 255), lesser=(236, 236, 242), lesser_l=(250, 250, 252),
                 edge=(130, 130, 146), tip=(30, 28, 34), bar=(40, 40, 48), spot=(200, 104, 60))


def harrier_gliding(c, x, y, k=1.0, rot=0.0, C=HARRIER, U=HARRIER_U, tint=None):
    """A male harrier gliding low over a field towards us, seen a little
    from below: long narrow wings raised in a V, black wingtips and the
    black bar across the secondaries, rusty streaks under the wing, the
    long barred tail; the grey head turned to the right."""
    from . import feathers as F
    if tint:
        C, U = P.tinted(C, *tint), P.tinted(U, *tint)
    f = Figure(c, x, y, k, False, rot)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)
    near = F.Wing(S=(-8, -6), W=(-44, -36), T=(-108, -60), Q=(-68, -8), B=(-9, 10),
                  Cl=(-24, -28), Ct=(-102, -30), Cs=(-36, 10), n_prim=10, n_sec=12, hand=0.2, fingers=4,
                  finger_spread=0.2)
    far = F.Wing(S=(8, -6), W=(34, -34), T=(88, -62), Q=(56, -10), B=(9, 10),
                 Cl=(18, -26), Ct=(86, -34), Cs=(30, 8), n_prim=10, n_sec=11, hand=0.2, fingers=4,
                 finger_spread=0.2)
    tail = F.tail_feathers((0, 14), math.pi / 2 + 0.06, 46, 0.24, n=12, profile="square", base_w=11)
    body = path((0, -20), ((9, -20), (12, -8), (11, 4)), ((10, 14), (5, 20), (0, 21)),
                ((-5, 20), (-10, 14), (-11, 4)), ((-12, -8), (-9, -20), (0, -20)))
    cons = F.wing_outline(near, "under") + F.wing_outline(far, "under") + \
        [F.outline(b, t, w) for b, t, w in tail] + [body, R.ellipse(3, -26, 12, 11)]
    f.silhouette(cons, ink, ow)
    F.draw_tail(f, tail, C["tail_l"], C["tail"], P.mix(C["tail"], ink, 0.4),
                bars=(C["tail_bar"], 0.6, [(0.45, 0.06), (0.62, 0.06), (0.8, 0.06)]), shape="round")
    for wg, shade in ((far, 0.92), (near, 1.0)):
        F.draw_wing(f, wg, U, "under", widen=1.75, shade=shade, rim=0.5,
                            bars=(U["bar"], 0.9, [(0.55, 0.09), (0.78, 0.07)]),
                            prim_bars=None, dark_tips=None, covert_rows=(0.4, 0.24), lesser=0.12,
                            covert_spots=(U["spot"], 0.8))
    f.fill(body, P.L((-6, -20), (6, 20), C["body_l"], C["body"], C["body_d"]))
    f.set_clip(body)
    f.fill(R.ellipse(0, -20, 14, 10), C["breast"])
    rnd = random.Random(9)
    for _ in range(18):
        px, py = rnd.uniform(-9, 9), rnd.uniform(-8, 16)
        f.line([(px, py), (px + 0.3, py + 3)], 1.1, C["streak"], 0.75)
    f.set_clip(None)
    for fx in (-4, 4):
        f.fill(R.ellipse(fx, 17, 3.2, 3.6), C["body_d"])
        f.fill(R.ellipse(fx * 0.9, 21, 2.2, 2.4), C["feet"])
    g = f.sub(3, -26, 0.95, 0.12)
    head_profile(g, C, brow=C["head_d"])
    return f


BUZZARD = dict(
    ink=(40, 28, 22), head=(120, 84, 56), head_l=(160, 120, 84), head_d=(86, 58, 38), throat=(224, 200, 170),
    body=(120, 82, 52), body_l=(150, 108, 72), body_d=(88, 58, 36), band=(244, 228, 200), streak=(86, 56, 34),
    cere=(248, 206, 70), beak=(44, 40, 40), beak_l=(110, 104, 104), eye=(60, 34, 20), ring=(110, 76, 50),
    feet=(248, 204, 60), feet_d=(200, 150, 30), talon=(26, 22, 22),
    prim=(58, 42, 32), prim_l=(96, 72, 54), sec=(92, 66, 46), sec_l=(130, 96, 66), ter=(110, 78, 52),
    ter_l=(148, 110, 76), cov=(118, 84, 56), cov_l=(160, 120, 84), lesser=(110, 78, 52), lesser_l=(146, 108, 74),
    edge=(62, 42, 28), tail=(150, 112, 80), tail_l=(186, 150, 112), tail_bar=(80, 56, 40),
)


def buzzard_perched(c, x, y, k=1.0, flip=True, C=BUZZARD, seed=5):
    """A common buzzard perched upright, seen three-quarters from the
    front: the broad brown body with its pale band across the breast,
    the near wing folded in rows of feathers, the barred tail hanging
    below, the rounded head turned in profile.  Feet at (x, y); about
    120k tall; faces left (right without flip)."""
    from . import feathers as F
    f = Figure(c, x, y, k, flip)
    rnd = random.Random(seed)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)
    body = path((2, -78), ((20, -76), (28, -58), (27, -38)), ((26, -16), (16, -2), (2, 0)),
                ((-12, 1), (-22, -10), (-24, -30)), ((-26, -52), (-16, -76), (2, -78)))
    tail = F.tail_feathers((-8, -6), math.pi / 2 + 0.22, 40, 0.2, n=10, profile="round", base_w=12)
    wing_box = path((-12, -74), ((2, -72), (4, -40), (-2, -10)), ((-6, 10), (-14, 24), (-20, 30)),
                    ((-28, 10), (-32, -20), (-30, -50)), ((-28, -64), (-20, -74), (-12, -74)))
    cons = [body, wing_box, R.ellipse(8, -86, 14, 13)] + [F.outline(b, t, w) for b, t, w in tail]
    f.silhouette(cons, ink, ow)
    F.draw_tail(f, tail, C["tail_l"], C["tail"], C["edge"],
                bars=(C["tail_bar"], 0.8, [(0.3, 0.05), (0.45, 0.05), (0.6, 0.05), (0.75, 0.05), (0.9, 0.07)]),
                shape="round")
    # breast and belly
    f.fill(body, P.L((10, -78), (-4, 0), C["body_l"], C["body"], C["body_d"]))
    f.set_clip(body)
    for j, op in enumerate((0.35, 0.6, 0.9, 0.6, 0.35)):
        dy = (j - 2) * 2.6
        band = path((-30, -40 + dy), ((-10, -30 + dy), (12, -32 + dy), (34, -48 + dy)), (34, -45 + dy),
                    ((12, -27 + dy), (-10, -25 + dy), (-30, -35 + dy)))
        f.fill(band, C["band"], op)
    for j in range(5):
        for i in range(6):
            px = -18 + i * 8 + (j % 2) * 4 + rnd.uniform(-1, 1)
            py = -70 + j * 7 + rnd.uniform(-1, 1)
            f.line([(px, py), (px + 0.4, py + 4.5)], 1.8, C["streak"], 0.6)
    for j in range(3):
        for i in range(7):
            px = -22 + i * 8 + (j % 2) * 4
            py = -32 + j * 6 + (px * 0.25)
            f.fill(R.ellipse(px, py, 1.5, 2.2), C["streak"], 0.65)
    for j in range(3):
        py = -12 + j * 4.5
        f.line([(-18, py + 2), (-6, py), (6, py + 1), (20, py - 3)], 1.2, C["body_d"], 0.7)
    f.set_clip(None)
    # thighs and feet round the branch
    for fx in (-4, 9):
        f.fill(R.ellipse(fx, -6, 8, 7), C["body_d"])
        f.fill(R.ellipse(fx + 0.5, -7, 6.5, 5.5), C["body"])
        f.fill(R.rect(fx - 2, -4, fx + 2.2, 1), C["feet"])
        for t in (-3.4, 0, 3.4):
            toe = R.qbezier((fx, 0), (fx + t * 1.1, 1.5), (fx + t * 1.2, 4.5), 6)
            f.line(toe, 2.4, C["feet_d"])
            f.line(toe, 1.6, C["feet"])
            tx, ty = toe[-1]
            f.line(R.qbezier((tx, ty), (tx, ty + 2), (tx - 1.6, ty + 2.6), 5), 1.1, C["talon"])
    # the near wing, folded: coverts in rows, tertials, the long primaries
    f.fill(wing_box, P.L((-12, -74), (-20, 30), C["cov"], C["sec"], C["prim"]))
    F.folded_wing(f, (-9, -68), (-20, 26), 28, C, n_prim=6, prim_shape="point", mirror=True,
                  bars=(C["edge"], 0.35, [(0.55, 0.05), (0.72, 0.05)]), rows=2, fringe=((214, 180, 140), 0.85))
    g = f.sub(8, -86, 1.18, -0.08)
    head_profile(g, C, brow=C["head_d"])
    return f


KITE_UP = dict(prim=(30, 26, 28), prim_l=(70, 62, 62), sec=(70, 50, 40), sec_l=(104, 78, 62),
               cov=(176, 84, 44), cov_l=(212, 118, 70), lesser=(150, 70, 40), lesser_l=(186, 96, 56),
               edge=(50, 30, 22), tip=(24, 20, 22), spot=(70, 36, 22), bar=(226, 196, 150))


def kite_banking(c, x, y, k=1.0, rot=0.0, C=KITE, U=KITE_UP):
    """A red kite seen from above as it banks over the woods: long angled
    wings, the near one spread low, the far one raised and foreshortened;
    rufous back and coverts with dark centres, a pale bar across the
    wing, black fingered tips, the deeply forked tail twisted as it
    steers; the pale head turned to look down."""
    from . import feathers as F
    f = Figure(c, x, y, k, False, rot)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)
    near = F.Wing(S=(9, -10), W=(50, -26), T=(114, -2), Q=(70, 16), B=(10, 12), Cl=(28, -26), Ct=(106, 16),
                  Cs=(40, 18), n_prim=10, n_sec=12, hand=0.2, fingers=5, finger_spread=0.3)
    far = F.Wing(S=(-9, -10), W=(-36, -40), T=(-86, -50), Q=(-54, -8), B=(-10, 10), Cl=(-20, -34),
                 Ct=(-84, -28), Cs=(-30, 8), n_prim=10, n_sec=11, hand=0.2, fingers=5, finger_spread=0.3)
    tail = F.tail_feathers((1, 16), math.pi / 2 + 0.16, 50, 0.42, n=12, profile="fork", base_w=11)
    body = path((0, -22), ((8, -22), (11, -10), (10, 4)), ((9, 14), (5, 20), (0, 21)),
                ((-5, 20), (-9, 14), (-10, 4)), ((-11, -10), (-8, -22), (0, -22)))
    cons = F.wing_outline(far) + F.wing_outline(near) + [F.outline(b, t, w) for b, t, w in tail] + \
        [body, R.ellipse(2, -28, 12, 11)]
    f.silhouette(cons, ink, ow)
    F.draw_tail(f, tail, C["tail_l"], C["tail_c"], P.mix(C["tail_c"], ink, 0.45),
                dark_tip=((120, 60, 34), 0.88, 0.6), shape="point")
    rows = [((226, 196, 150), (200, 160, 112)), None]
    for wg, shade in ((far, 0.88), (near, 1.0)):
        F.draw_wing(f, wg, U, "upper", widen=1.8, prim_widen=2.1, shade=shade, rim=0.55,
                    covert_rows=(0.42, 0.26), lesser=0.14, covert_spots=(U["spot"], 0.55), row_cols=rows)
    f.fill(body, P.L((-6, -22), (6, 20), C["body_l"], C["body"], C["body_d"]))
    f.set_clip(body)
    rnd = random.Random(12)
    for _ in range(16):
        px, py = rnd.uniform(-8, 8), rnd.uniform(-16, 16)
        f.line([(px, py), (px, py + 3)], 1.3, (90, 40, 20), 0.6)
    f.set_clip(None)
    g = f.sub(2, -28, 0.95, 0.35)
    head_profile(g, C, gape=True)
    return f


PEREGRINE_F = dict(
    ink=(30, 30, 40), hood=(52, 58, 76), hood_l=(92, 100, 124), cheek=(252, 250, 244),
    breast=(248, 242, 230), breast_d=(220, 210, 194), bar=(64, 64, 80),
    wing=(96, 108, 134), wing_l=(134, 146, 172), wing_d=(62, 70, 92), prim=(46, 50, 64), prim_l=(84, 90, 110),
    cere=(250, 204, 50), beak=(60, 66, 84), beak_l=(130, 138, 160), ring=(250, 204, 50), eye=(18, 14, 14),
    feet=(250, 204, 50), feet_d=(206, 150, 20), talon=(20, 18, 20), tail=(90, 100, 124), tail_l=(130, 140, 164),
)


def peregrine_front(c, x, y, k=1.0, C=PEREGRINE_F, seed=8, look=0.0):
    """A peregrine falcon on a ledge, facing us: the black hood and broad
    moustaches round white cheeks, the big dark eyes ringed yellow, the
    finely barred breast, slate wings held at the sides with their long
    tips crossed below over the tail.  Feet at (x, y); about 120k tall.
    look turns the head a little to the right (+) or left (-)."""
    from . import feathers as F
    f = Figure(c, x, y, k)
    rnd = random.Random(seed)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)
    body = path((0, -78), ((20, -78), (27, -64), (25, -48)), ((22, -28), (10, -6), (0, -3)),
                ((-10, -6), (-22, -28), (-25, -48)), ((-27, -64), (-20, -78), (0, -78)))
    tail = F.tail_feathers((0, -8), math.pi / 2, 46, 0.14, n=8, profile="square", base_w=9)
    wings = []
    for sx in (-1, 1):
        wings.append(path((sx * 14, -82), ((sx * 29, -80), (sx * 32, -58), (sx * 28, -32)),
                          ((sx * 24, -10), (sx * 12, 10), (sx * 3, 24)),
                          ((sx * 8, 8), (sx * 15, -10), (sx * 19, -30)), ((sx * 21, -50), (sx * 20, -66), (sx * 14, -82))))
    hx = look * 6
    head = R.ellipse(hx - 2, -86, 16, 16)
    f.silhouette([body, head] + wings + [F.outline(b, t, w) for b, t, w in tail], ink, ow)
    F.draw_tail(f, tail, C["tail_l"], C["tail"], P.mix(C["tail"], ink, 0.4),
                bars=(C["wing_d"], 0.8, [(0.3, 0.06), (0.5, 0.06), (0.7, 0.06), (0.88, 0.08)]), pale_tip=(236, 236, 240))
    # the long wing tips crossed over the tail, then the wings at the sides
    for i, sx in enumerate((1, -1)):
        for j in range(4):
            b = (sx * (16 - j * 1.5), -12 + j * 2)
            t = (sx * (3 - j * 1.4), 30 - j * 3.5)
            F.feather(f, b, t, 8, C["prim_l"], C["prim"], P.mix(C["prim"], ink, 0.5), "point", rim=0.5)
    for sx, w in ((-1, wings[0]), (1, wings[1])):
        f.fill(w, P.L((sx * 20, -76), (sx * 30, 10), C["wing_l"], C["wing"], C["wing_d"]))
        f.set_clip(w)
        for r in range(6):
            for i in range(3):
                b = (sx * (19 + i * 3.2), -74 + r * 10 + i * 2)
                t = (sx * (21 + i * 3.3), -62 + r * 10 + i * 2)
                F.feather(f, b, t, 7, C["wing_l"], C["wing"], P.mix(C["wing_d"], ink, 0.3), "round", rim=0.45,
                          bars=(C["wing_d"], 0.6, [(0.75, 0.12)]))
        f.set_clip(None)
    # breast: clean above, finely barred below
    f.fill(body, P.V(-78, -2, C["breast"], C["breast_d"]))
    f.set_clip(body)
    for j in range(10):
        py = -52 + j * 4.6
        for i in range(8):
            px = -24 + i * 7 + (j % 2) * 3.5 + rnd.uniform(-0.6, 0.6)
            f.line([(px - 2.2, py + 0.8), (px, py - 0.2), (px + 2.2, py + 0.8)], 0.9, C["bar"], 0.75)
    f.set_clip(None)
    # feet over the edge of the ledge
    for fx in (-7, 7):
        f.fill(R.ellipse(fx, -6, 6.5, 5), C["breast_d"])
        for j in range(5):
            f.line([(fx - 4 + j * 2, -8), (fx - 4 + j * 2, -4)], 0.7, C["bar"], 0.6)
        for t in (-3.2, 0, 3.2):
            toe = R.qbezier((fx, -1), (fx + t * 1.1, 0.5), (fx + t * 1.2, 3.5), 6)
            f.line(toe, 2.6, C["feet_d"])
            f.line(toe, 1.8, C["feet"])
            tx, ty = toe[-1]
            f.line(R.qbezier((tx, ty), (tx, ty + 2.2), (tx - 1.4, ty + 3), 5), 1.2, C["talon"])
    # the head turned in profile, looking out over the sea
    f.fill(R.ellipse(hx, -80, 10, 6), C["cheek"])
    H = dict(K.KESTREL)
    H.update(head=C["hood"], head_l=C["hood_l"], head_d=P.mix(C["hood"], ink, 0.3), cheek=C["cheek"],
             moustache=P.mix(C["hood"], ink, 0.3), yellow=C["cere"], yellow_d=C["feet_d"], beak=C["beak"],
             beak_l=C["beak_l"], breast_d=C["breast_d"], ink=ink)
    g = f.sub(hx - 3, -84, 1.32).sub(-3, 63)
    K.head_side(g, H, hood=True)
    return f


GOSHAWK = dict(
    ink=(30, 32, 40), head=(56, 60, 74), head_l=(96, 102, 120), head_d=(36, 38, 50), brow_w=(250, 250, 252),
    cere=(240, 200, 60), beak=(40, 40, 48), beak_l=(100, 104, 116), eye=(236, 110, 30), ring=(250, 190, 60),
    back=(84, 94, 114), back_l=(120, 132, 152), back_d=(60, 68, 88),
    prim=(44, 48, 62), prim_l=(84, 92, 112), sec=(70, 78, 98), sec_l=(108, 118, 138), ter=(80, 90, 110),
    ter_l=(124, 134, 154), cov=(92, 104, 124), cov_l=(140, 150, 170), lesser=(92, 104, 124), lesser_l=(150, 160, 178),
    edge=(40, 44, 60), tail=(118, 128, 148), tail_l=(156, 166, 184), band=(54, 58, 72), throat=(236, 236, 240),
    feet=(248, 206, 60), talon=(24, 22, 26),
)


def goshawk_back(c, x, y, k=1.0, flip=False, C=GOSHAWK, seed=4):
    """A goshawk seen from behind on a branch, looking back over its
    shoulder: broad slate shoulders, the folded wings laid in rows of
    pale-fringed coverts over long flight feathers whose tips cross above
    the banded tail; the head in profile with its bold white brow and
    fierce orange eye.  Feet at (x, y); about 130k tall."""
    from . import feathers as F
    f = Figure(c, x, y, k, flip)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)
    tail = F.tail_feathers((0, -4), math.pi / 2, 54, 0.16, n=10, profile="round", base_w=14)
    wings = {}
    for sx in (-1, 1):
        wings[sx] = path((sx * 4, -84), ((sx * 20, -86), (sx * 30, -74), (sx * 29, -56)),
                         ((sx * 28, -30), (sx * 20, 4), (-sx * 5, 34)),
                         ((sx * 0, 10), (sx * 1, -30), (sx * 1, -60)), ((sx * 1, -74), (sx * 2, -80), (sx * 4, -84)))
    cons = [wings[-1], wings[1], R.ellipse(6, -94, 17, 16)] + [F.outline(b, t, w) for b, t, w in tail]
    f.silhouette(cons, ink, ow)
    F.draw_tail(f, tail, C["tail_l"], C["tail"], C["edge"],
                bars=(C["band"], 0.85, [(0.3, 0.07), (0.48, 0.07), (0.66, 0.07), (0.84, 0.08)]), pale_tip=(244, 244, 248))
    for fx in (-11, 11):
        for t in (-2.6, 0, 2.6):
            toe = R.qbezier((fx + t, -2), (fx + t * 1.2, 1), (fx + t * 1.1, 4), 6)
            f.line(toe, 2.3, P.mix(C["feet"], (120, 80, 0), 0.3))
            f.line(toe, 1.5, C["feet"])
            f.line(R.qbezier(toe[-1], (toe[-1][0], toe[-1][1] + 2), (toe[-1][0] - 1.4, toe[-1][1] + 2.6), 4), 1.1,
                   C["talon"])
    fr = ((190, 198, 216), 0.85)
    for sx in (1, -1):
        w = wings[sx]
        f.fill(w, P.V(-84, 34, C["cov"], C["sec"], C["prim"]))
        # the long primaries, their tips crossing over the tail
        for j in range(5):
            F.feather(f, (sx * (18 - j * 1.5), -36 + j * 3), (-sx * (4.5 - j * 1.6), 33 - j * 3.4), 8.5,
                      C["prim_l"], C["prim"], C["edge"], "point", -0.04 * sx, 0.2, rim=0.55)
        # secondaries and the broad tertials along the back
        for j in range(6):
            F.feather(f, (sx * (24 - j * 3.2), -50 + j * 1.2), (sx * (15 - j * 2.2), 8 - j * 1.6), 9,
                      C["sec_l"], C["sec"], C["edge"], "round", rim=0.55, pale_edge=fr,
                      bars=(C["band"], 0.35, [(0.55, 0.06), (0.75, 0.06)]))
        for j in range(3):
            F.feather(f, (sx * (9 - j * 3), -56), (sx * (7 - j * 2.5), 4 - j * 6), 11,
                      C["ter_l"], C["ter"], C["edge"], "round", rim=0.55, pale_edge=fr,
                      bars=(C["band"], 0.35, [(0.5, 0.06), (0.72, 0.06)]))
        # rows of coverts: greater, median, then the small ones over the shoulder
        for r, (y0, ln, n, wd) in enumerate(((-62, 22, 6, 8), (-72, 15, 6, 7), (-80, 10, 5, 6))):
            for j in range(n):
                xx = sx * (4 + j * (24 - r * 2) / (n - 1))
                yy = y0 + abs(xx) * 0.12
                F.feather(f, (xx, yy), (xx - sx * 0.6, yy + ln), wd, C["cov_l"], C["cov"], C["edge"], "round", rim=0.5,
                          pale_edge=fr)
    # the head over the right shoulder, in profile
    g = f.sub(8, -94, 1.42, -0.05)
    head_profile(g, C, brow=None)
    g.fill(path((1, -9.6), ((5, -11.6), (10, -10.4), (12.4, -7.8)), ((8, -8.6), (4, -8.4), (0, -7.4)),
                ((-5, -6), (-9, -3.6), (-12, -0.6)), ((-10, -5), (-5, -8.6), (1, -9.6))), C["brow_w"])
    g.fill(path((-11, 4), ((-4, 6), (4, 6), (10, 3)), ((8, 10), (-2, 12), (-9, 9))), C["throat"], 0.6)
    return f


GYR = dict(
    ink=(40, 44, 56), head=(244, 246, 250), head_l=(255, 255, 255), head_d=(204, 210, 222),
    cheek=(255, 255, 255), moustache=(170, 178, 196), breast=(248, 250, 252), breast_l=(255, 255, 255),
    breast_d=(214, 220, 232), drop=(60, 64, 80), yellow=(250, 206, 60), yellow_d=(206, 150, 30),
    beak=(90, 96, 116), beak_l=(150, 156, 176), eye=(20, 14, 14), talon=(24, 22, 26),
    prim=(120, 126, 142), prim_l=(236, 238, 244), sec=(214, 220, 232), sec_l=(252, 252, 255), ter=(226, 230, 240),
    ter_l=(255, 255, 255), cov=(224, 228, 238), cov_l=(255, 255, 255), lesser=(226, 230, 240),
    lesser_l=(255, 255, 255), edge=(150, 156, 176), mark=(44, 48, 64), tail=(226, 230, 240), tail_l=(255, 255, 255),
)


def gyrfalcon_perched(c, x, y, k=1.0, flip=False, C=GYR, seed=16):
    """A white gyrfalcon on a rock, seen from the side: a big, deep-chested
    falcon leaning forward, its folded wings white with black arrowhead
    marks laid over rows of feathers, the long primaries dark at the tips,
    the tail faintly barred; the head raised, looking out.  Feet at
    (x, y); about 125k tall; faces right (left with flip)."""
    from . import feathers as F
    f = Figure(c, x, y, k, flip)
    rnd = random.Random(seed)
    ink = C["ink"]
    ow = max(0.7, 0.8 * k)
    tail = F.tail_feathers((-16, -12), math.pi / 2 + 0.5, 46, 0.14, n=8, profile="round", base_w=10)
    body = path((10, -76), ((26, -72), (34, -54), (30, -36)), ((26, -18), (14, -6), (0, -4)),
                ((-10, -3), (-20, -10), (-22, -24)), ((-24, -44), (-12, -72), (10, -76)))
    wing = path((-6, -72), ((8, -76), (16, -60), (12, -42)), ((8, -24), (-10, 0), (-36, 24)),
                ((-34, 10), (-28, -14), (-22, -34)), ((-18, -54), (-14, -66), (-6, -72)))
    cons = [body, wing, R.ellipse(14, -82, 13, 12)] + [F.outline(b, t, w) for b, t, w in tail]
    f.silhouette(cons, ink, ow)
    F.draw_tail(f, tail, C["tail_l"], C["tail"], C["edge"],
                bars=(C["edge"], 0.45, [(0.3, 0.05), (0.45, 0.05), (0.6, 0.05), (0.75, 0.05), (0.9, 0.05)]))
    f.fill(body, P.L((24, -74), (0, -4), C["breast_l"], C["breast"], C["breast_d"]))
    f.set_clip(body)
    for j in range(6):
        for i in range(4):
            px = 24 - i * 7 - j * 2.2 + (j % 2) * 3
            py = -54 + j * 8 + i * 1.5
            if px > -16:
                drop(f, px, py, 2.6, 0.9, math.pi / 2 + 0.3, C["drop"], 0.55)
    f.set_clip(None)
    # feathered thighs and the yellow feet on the rock
    f.fill(R.ellipse(6, -9, 9, 7), C["breast_d"])
    f.fill(R.ellipse(6.5, -10, 7.5, 5.6), C["breast"])
    f.fill(path((4, -6), (9, -6), (9, 0), (4, 0)), C["yellow"])
    for tx, ang in ((15, 0.2), (11, 0.6), (-1, 2.9)):
        f.line([(6.5, -0.5), (tx, 1.5)], 2.8, C["yellow_d"])
        f.line([(6.5, -0.7), (tx, 1.2)], 1.8, C["yellow"])
        f.line(R.qbezier((tx, 1.5), (tx + 2 * math.cos(ang), 2), (tx + 1.4 * math.cos(ang), 4.6), 6), 1.2, C["talon"])
    # the folded wing in rows, each feather with its dark arrowhead
    f.fill(wing, P.L((-6, -72), (-30, 20), C["cov"], C["sec"], C["prim"]))
    F.folded_wing(f, (2, -68), (-36, 24), 30, C, n_prim=6, prim_shape="point", mirror=True, rows=2,
                  prim_tip_dark=(C["mark"], 0.62, 0.75))
    f.set_clip(wing)
    for j in range(5):
        for i in range(4 - (j > 2)):
            px = 6 - i * 7 - j * 4.5 + (j % 2) * 3
            py = -60 + j * 10 + i * 2
            f.fill([(px - 2.6, py - 1.2), (px, py + 1.4), (px + 2.6, py - 1.2), (px + 2.6, py + 0.4), (px, py + 3),
                    (px - 2.6, py + 0.4)], C["mark"], 0.85)
    f.set_clip(None)
    # the head: white, faintly streaked, a pale moustache, looking out to the right
    H = dict(K.KESTREL)
    H.update({k2: C[k2] for k2 in ("head", "head_l", "head_d", "cheek", "moustache", "yellow", "beak", "beak_l",
                                   "breast_d", "ink", "eye")})
    g = f.sub(14, -82, 1.05, -0.08).sub(-3, 63)
    K.head_side(g, H)
    for _ in range(14):
        px, py = rnd.uniform(-8, 10), rnd.uniform(-74, -64)
        g.line([(px, py), (px + 0.3, py + 1.8)], 0.7, C["moustache"], 0.8)
    return f

"""Scenery shared by the result pictures, the splash and the about picture:
sky, sun, clouds, sea, the sailing boat, rain, the sea floor, the hourglass.

All coordinates are in final pixels.  Every element has a one-pixel navy
ink outline and a soft vertical ramp inside, like the toolbar images.
"""

import math
import random

from . import raster as R
from .palette import *  # noqa: F401,F403


def vgrad(y0, y1, *cols):
    n = len(cols) - 1
    return R.Linear((0, y0), (0, y1), [(i / n, c) for i, c in enumerate(cols)])


def grad(a, b, *cols):
    n = len(cols) - 1
    return R.Linear(a, b, [(i / n, c) for i, c in enumerate(cols)])


# ---------------------------------------------------------------------------
# sky and weather
# ---------------------------------------------------------------------------

def sky(c, x0, y0, x1, y1, top=SKY_TOP, mid=SKY_MID, low=SKY_LOW):
    c.fill(R.rect(x0, y0, x1, y1), vgrad(y0, y1, top, mid, low))


def sun(c, cx, cy, r, rays=True):
    for k in range(10):
        c.fill(R.circle(cx, cy, r * (2.4 - 0.12 * k)), GOLD_L, opacity=0.06)
    if rays:
        for k in range(12):
            a = k * math.pi / 6 + math.pi / 12
            p0 = (cx + math.cos(a) * r * 1.25, cy + math.sin(a) * r * 1.25)
            p1 = (cx + math.cos(a) * r * 1.75, cy + math.sin(a) * r * 1.75)
            c.line([p0, p1], max(1.0, r * 0.16), GOLD, cap="round")
    c.fill(R.circle(cx, cy, r), GOLD_D)
    c.fill(R.circle(cx, cy, r - 1), grad((cx - r, cy - r), (cx + r, cy + r), GOLD_L, GOLD))


def cloud_shape(cx, cy, w):
    """A cumulus cloud of width w with a flat base at cy."""
    h = w * 0.5
    blobs = [(-0.30, -0.18, 0.24), (-0.06, -0.36, 0.30), (0.22, -0.22, 0.24),
             (0.34, -0.06, 0.16), (-0.38, -0.04, 0.14)]
    cons = [R.oriented(R.circle(cx + bx * w, cy + by * w, br * w)) for bx, by, br in blobs]
    cons.append(R.oriented(R.rrect(cx - 0.45 * w, cy - 0.16 * w, cx + 0.45 * w, cy, 0.12 * w)))
    return cons, h


def cloud(c, cx, cy, w, light=WHITE, shade=(214, 228, 242), ink=INK_SOFT, outline=True):
    cons, h = cloud_shape(cx, cy, w)
    if outline:
        c.fill([R.oriented(R.offset(k, 1.0)) for k in cons], ink)
    c.fill(cons, vgrad(cy - 0.7 * w, cy, light, shade))


def storm_cloud(c, cx, cy, w, light=(150, 158, 174), shade=(70, 78, 96)):
    cloud(c, cx, cy, w, light=light, shade=shade, ink=(38, 44, 60))


def lightning(c, x, y, h):
    """A small zig-zag bolt hanging from (x, y), h tall."""
    k = h / 24.0
    bolt = [(0, 0), (5, 0), (2.5, 9), (7, 9), (-1, 24), (1.2, 12), (-3, 12)]
    pts = [(x + px * k, y + py * k) for px, py in bolt]
    c.fill(R.offset(pts, 0.8), (120, 96, 40))
    c.fill(pts, GOLD_L)


def fish(c, x, y, k=1.0, body=GOLD, dark=GOLD_D):
    """A small round fish swimming to the right, centre (x, y)."""
    b = R.ellipse(x, y, 6 * k, 4 * k)
    tail = [(x - 5 * k, y), (x - 10 * k, y - 4 * k), (x - 9 * k, y), (x - 10 * k, y + 4 * k)]
    c.fill(R.offset(tail, 0.9), INK)
    c.fill(tail, dark)
    c.fill(R.ellipse(x, y, 6 * k + 0.9, 4 * k + 0.9), INK)
    c.fill(b, R.Linear((0, y - 4 * k), (0, y + 4 * k), [(0, GOLD_L), (0.5, body), (1, dark)]))
    c.fill([(x - 1 * k, y - 3.6 * k), (x + 2 * k, y - 6 * k), (x + 3 * k, y - 3.4 * k)], dark)
    c.fill(R.circle(x + 3.2 * k, y - 1.0 * k, 1.2 * k), WHITE)
    c.fill(R.circle(x + 3.5 * k, y - 1.0 * k, 0.6 * k), INK)


def rain(c, x0, y0, x1, y1, seed, n, col=(200, 214, 232), length=8.0, slant=0.35, opacity=0.55):
    rnd = random.Random(seed)
    for _ in range(n):
        x = rnd.uniform(x0, x1)
        y = rnd.uniform(y0, y1)
        ln = length * rnd.uniform(0.7, 1.2)
        c.fill(R.stroke([(x, y), (x - slant * ln, y + ln)], 1.0, cap="round"), col, opacity=opacity)


def gull(c, x, y, s):
    pts = R.qbezier((x - s, y - s * 0.2), (x - s * 0.5, y - s * 0.7), (x, y)) + \
        R.qbezier((x, y), (x + s * 0.5, y - s * 0.7), (x + s, y - s * 0.2))[1:]
    c.fill(R.stroke(pts, 1.0, cap="round"), INK_SOFT)


# ---------------------------------------------------------------------------
# sea
# ---------------------------------------------------------------------------

def sea(c, x0, y0, x1, y1, top=SEA_L, mid=SEA, low=SEA_D):
    c.fill(R.rect(x0, y0, x1, y1), vgrad(y0, y1, top, mid, low))


def wave_marks(c, x0, y0, x1, y1, seed, n, col=WHITE, opacity=0.55, size=(4, 9)):
    """Short light arcs on the water, smaller and fainter towards the horizon."""
    rnd = random.Random(seed)
    for _ in range(n):
        t = rnd.random()
        y = y0 + (y1 - y0) * t * t
        x = rnd.uniform(x0, x1)
        w = size[0] + (size[1] - size[0]) * (y - y0) / max(1, (y1 - y0))
        pts = R.qbezier((x - w / 2, y + 0.6), (x, y - 1.2), (x + w / 2, y + 0.6), 8)
        c.fill(R.stroke(pts, 1.0, cap="round"), col, opacity=opacity * (0.5 + 0.5 * (y - y0) / max(1, y1 - y0)))


def swell(c, x0, x1, y, amp, period, phase, paint, depth):
    """A band of water whose top edge is a gentle sine, filled down by depth."""
    pts = []
    n = int((x1 - x0) * 2) + 2
    for k in range(n + 1):
        x = x0 + (x1 - x0) * k / n
        pts.append((x, y + amp * math.sin(2 * math.pi * (x - x0) / period + phase)))
    pts += [(x1, y + depth), (x0, y + depth)]
    c.fill(pts, paint)


# ---------------------------------------------------------------------------
# the sailing boat
# ---------------------------------------------------------------------------

def boat(c, x, y, k=1.0, rot=0.0, faded=None, broken=False):
    """The sailing boat, waterline centre at (x, y), about 64k wide.
    rot tilts it (radians, positive = clockwise).  faded: a colour that
    washes over the boat (for the sunken one)."""

    def T(pts):
        return R.transform(pts, x, y, k, k, rot, 0, 0)

    def P(px, py):
        return T([(px, py)])[0]

    def col(cl, amt=0.0):
        if faded is None:
            return cl
        return R.lerp(cl, faded[0], faded[1] + amt)

    ink = col(INK, -0.15)
    w = 1.0                                   # outline width

    # mast
    mast = T(R.rect(-1.2, -60, 1.2, -1))
    c.fill(mast, ink)
    c.fill(R.offset(mast, -0.8), col(WOOD))
    # the pennant
    flag = T([(0.8, -60), (-10 if not broken else -6, -56.5), (0.8, -53)])
    c.fill(flag, ink)
    c.fill(R.offset(flag, -w), col(RED))

    # main sail (aft of the mast) with a curved leech
    top = (-1.8, -57)
    foot = (-27, -8)
    tack = (-1.8, -8)
    leech = R.qbezier(top, (-20, -36), foot, 16)
    main = T(leech + [tack])
    c.fill(main, ink)
    sa, sb = P(-20, -50), P(-6, -10)
    c.fill(R.offset(main, -w), grad(sa, sb, col(WHITE), col(PAPER), col(PAPER_D)))
    # a blue band across the main sail
    band = T([(-1.8, -24), (-1.8, -19), (-25.2, -13.2), (-22.8, -18.5)])
    c.fill(band, col(BLUE))
    # the seam lines
    for t in (0.35, 0.62):
        a = (-1.8, top[1] + (tack[1] - top[1]) * t)
        b = R.qbezier(top, (-20, -36), foot, 40)[int(40 * t)]
        c.fill(R.stroke(T([a, (b[0] + 1.2, b[1])]), 0.7, cap="butt"), col(PAPER_D), opacity=0.9)

    # jib (forward of the mast)
    jtop = (2.2, -50)
    jfoot = (27, -7)
    jib = T(R.qbezier(jtop, (18, -30), jfoot, 14) + [(2.2, -7)])
    c.fill(jib, ink)
    c.fill(R.offset(jib, -w), grad(P(4, -45), P(20, -8), col(WHITE), col(PAPER), col(PAPER_D)))

    # boom
    boom = T(R.rect(-29, -8.2, 1.5, -5.6))
    c.fill(boom, ink)
    c.fill(R.offset(boom, -0.7), col(WOOD_L))

    # hull: a sheer line rising to the bow and a rounded bottom
    bottom = R.bezier((34, -9), (26, 8), (-18, 9), (-28, 2), 24)
    hull = T([(-30, -6)] + bottom)
    c.fill(hull, ink)
    c.fill(R.offset(hull, -w), grad(P(0, -8), P(0, 8), col(RED_L), col(RED), col(RED_D)))
    # white stripe along the sheer
    stripe = T([(-28.6, -4.3), (32.4, -7.2), (31.0, -4.6), (-28.3, -2.2)])
    c.fill(stripe, col(WHITE))
    # portholes
    for px in (-12, 0, 12):
        c.fill(T(R.circle(px, 1.5, 1.9)), ink)
        c.fill(T(R.circle(px, 1.5, 1.0)), col(BLUE_XL))


# ---------------------------------------------------------------------------
# the hourglass
# ---------------------------------------------------------------------------

def hourglass(c, cx, top, bottom, half_w):
    """An hourglass with all its sand run down."""
    plate_h = 8
    post_w = 5
    gy0 = top + plate_h
    gy1 = bottom - plate_h
    mid = (gy0 + gy1) / 2.0
    bw = half_w - post_w - 4          # bulb half width
    neck = 2.2
    left = (R.bezier((cx - bw, gy0), (cx - bw, mid - 8), (cx - neck, mid - 5), (cx - neck, mid), 18) +
            R.bezier((cx - neck, mid), (cx - neck, mid + 5), (cx - bw, mid + 8), (cx - bw, gy1), 18)[1:])
    right = [(2 * cx - px, py) for px, py in left][::-1]
    glass = left + right
    c.fill(glass, INK)
    inner = R.offset(glass, -1.0)
    c.fill(inner, grad((cx - bw, 0), (cx + bw, 0), (200, 228, 244), (238, 249, 255), (184, 216, 238)))
    # the sand: a heap in the lower bulb
    heap_top = mid + 10
    sand = [(cx - bw + 1, gy1 - 0.5)] + R.qbezier((cx - bw + 2.5, gy1 - 9), (cx, heap_top - 6),
                                                  (cx + bw - 2.5, gy1 - 9), 20) + [(cx + bw - 1, gy1 - 0.5)]
    c.fill(sand, vgrad(heap_top, gy1, GOLD_L, GOLD, GOLD_D))
    c.fill(R.stroke(R.qbezier((cx - bw + 4, gy1 - 7.5), (cx, heap_top - 3), (cx + bw - 4, gy1 - 7.5), 20),
                    1.0, cap="round"), GOLD_L, opacity=0.7)
    # re-draw the glass outline over the sand edges
    c.fill([glass, inner], INK, rule="evenodd")
    # highlights on the glass
    hl = R.bezier((cx - bw + 3, gy0 + 3), (cx - bw + 3, mid - 10), (cx - 5, mid - 6), (cx - 3.4, mid - 2), 12)
    c.fill(R.stroke(hl, 1.6, cap="round"), WHITE, opacity=0.9)
    hl2 = R.bezier((cx - 3.4, mid + 3), (cx - 6, mid + 7), (cx - bw + 3, mid + 10), (cx - bw + 3, gy1 - 12), 12)
    c.fill(R.stroke(hl2, 1.6, cap="round"), WHITE, opacity=0.75)
    # wooden posts with a bead at each end
    for px in (cx - half_w + 3, cx + half_w - 3 - post_w):
        px = int(round(px))
        c.fill(R.rect(px, top + 4, px + post_w, bottom - 4), INK)
        c.fill(R.rect(px + 1, top + 4, px + post_w - 1, bottom - 4),
               grad((px + 1, 0), (px + post_w - 1, 0), WOOD_L, WOOD, WOOD_D))
        for by in (top + plate_h + 2.5, bottom - plate_h - 2.5):
            bead = R.ellipse(px + post_w / 2.0, by, post_w / 2.0 + 1.6, 2.2)
            c.fill(R.oriented(R.offset(bead, 1.0)), INK)
            c.fill(bead, grad((px - 1, 0), (px + post_w + 1, 0), WOOD_L, WOOD, WOOD_D))
    # plates
    for y0 in (top, bottom - plate_h):
        plate = R.rrect(cx - half_w, y0, cx + half_w, y0 + plate_h, 2.5)
        c.fill(plate, INK)
        c.fill(R.rrect(cx - half_w + 1, y0 + 1, cx + half_w - 1, y0 + plate_h - 1, 1.6),
               vgrad(y0 + 1, y0 + plate_h - 1, WOOD_L, WOOD, WOOD_D))
        c.fill(R.rect(cx - half_w + 3, y0 + 2, cx + half_w - 3, y0 + 3), GOLD_L, opacity=0.45)
        c.fill(R.rect(cx - half_w + 1, y0 + plate_h / 2.0, cx + half_w - 1, y0 + plate_h / 2.0 + 1), WOOD_D,
               opacity=0.6)

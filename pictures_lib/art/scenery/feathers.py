"""Feathers, one by one: the flight feathers and coverts of an open or a
folded wing and the fanned tail, laid in the order they overlap on a real
bird, so that wings read as layered feathers rather than as flat shapes.

Everything is drawn through a Figure in its own coordinates.  A wing is
given by its skeleton (shoulder, wrist, the tip of the longest primary)
and its trailing edge; the feathers are spread along it.
"""

import math

from artkit import raster as R
from . import paint as P
from .shapes import path


def lerp(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


def bez(p0, p1, p2, t):
    """Point at t on a quadratic Bezier."""
    u = 1 - t
    return (u * u * p0[0] + 2 * u * t * p1[0] + t * t * p2[0], u * u * p0[1] + 2 * u * t * p1[1] + t * t * p2[1])


def bez3(p0, p1, p2, p3, t):
    u = 1 - t
    return (u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0],
            u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1])


def _profile(u, shape):
    """Half-width of a feather at u (0 at the quill, 1 at the tip), as a
    fraction of its full half-width."""
    if u < 0.18:
        base = 0.5 + 0.5 * (u / 0.18) ** 0.7
    else:
        base = 1.0
    if shape == "round":
        ts = 0.7
        if u > ts:
            s = (u - ts) / (1 - ts)
            return base * math.sqrt(max(0.0, 1 - s * s))
    elif shape == "point":
        ts = 0.55
        if u > ts:
            s = (u - ts) / (1 - ts)
            return base * max(0.0, 1 - s ** 1.6) ** 0.9
    elif shape == "finger":                 # an emarginated primary: narrow outer part, round end
        if u > 0.45:
            nar = 1.0 - 0.55 * min(1.0, (u - 0.45) / 0.15)
            base *= nar
        ts = 0.84
        if u > ts:
            s = (u - ts) / (1 - ts)
            return base * math.sqrt(max(0.0, 1 - s * s))
    elif shape == "blunt":                  # owls' soft square-ended feathers
        ts = 0.82
        if u > ts:
            s = (u - ts) / (1 - ts)
            return base * math.sqrt(max(0.0, 1 - s ** 3))
    return base


def outline(base, tip, w, shape="round", bend=0.0, asym=0.0, u0=0.0, u1=1.0, n=14):
    """Outline of one feather from its quill at base to its tip, w wide.
    bend curves the shaft sideways (a fraction of the length); asym makes
    one vane narrower than the other (the outer vane of a primary)."""
    bx, by = base
    dx, dy = tip[0] - bx, tip[1] - by
    ln = math.hypot(dx, dy) or 1.0
    ux, uy = dx / ln, dy / ln
    nx, ny = -uy, ux
    left, right = [], []
    for i in range(n + 1):
        u = u0 + (u1 - u0) * i / n
        off = bend * ln * math.sin(math.pi * u) * 0.5
        cx, cy = bx + dx * u + nx * off, by + dy * u + ny * off
        h = w / 2 * _profile(u, shape)
        left.append((cx + nx * h * (1 - asym), cy + ny * h * (1 - asym)))
        right.append((cx - nx * h * (1 + asym), cy - ny * h * (1 + asym)))
    if u1 >= 1.0:
        right = right[:-1]
    return left + right[::-1]


def shaft(base, tip, bend=0.0, u0=0.08, u1=0.9, n=8):
    bx, by = base
    dx, dy = tip[0] - bx, tip[1] - by
    ln = math.hypot(dx, dy) or 1.0
    nx, ny = -dy / ln, dx / ln
    pts = []
    for i in range(n + 1):
        u = u0 + (u1 - u0) * i / n
        off = bend * ln * math.sin(math.pi * u) * 0.5
        pts.append((bx + dx * u + nx * off, by + dy * u + ny * off))
    return pts


def feather(f, base, tip, w, col, col_tip=None, edge=None, shape="round", bend=0.0, asym=0.0,
            bars=None, dark_tip=None, shaft_col=None, rim=0.55, opacity=1.0, pale_edge=None):
    """One feather: a darker rim, the vane (a ramp from col at the quill to
    col_tip), optional bars [(u, width)] and a dark or pale tip."""
    out = outline(base, tip, w, shape, bend, asym)
    if edge is not None and rim > 0:
        grown = R.offset(R.oriented(f.pts(out)), rim * 0.5)
        f.fill_final([R.oriented(grown)], edge, opacity)
    paint = col if col_tip is None else P.L(base, tip, col, col_tip)
    f.fill(out, paint, opacity)
    if pale_edge is not None:
        f.fill(outline(base, tip, w, shape, bend, asym, 0.55, 1.0), pale_edge[0], pale_edge[1] * opacity)
        f.fill(outline(base, tip, w * 0.72, shape, bend, asym, 0.5, 0.985), paint, opacity)
    if bars:
        bcol, bop = bars[0], bars[1]
        for (u, bw) in bars[2]:
            f.fill(outline(base, tip, w, shape, bend, asym, max(0.0, u - bw / 2), min(1.0, u + bw / 2), 4),
                   bcol, bop * opacity)
    if dark_tip:
        f.fill(outline(base, tip, w, shape, bend, asym, dark_tip[1], 1.0, 8), dark_tip[0],
               (dark_tip[2] if len(dark_tip) > 2 else 1.0) * opacity)
    if shaft_col is not None:
        f.line(shaft(base, tip, bend), max(0.25, w * 0.05), shaft_col, 0.6 * opacity)
    return out


# ---------------------------------------------------------------------------
# the open wing
# ---------------------------------------------------------------------------

class Wing:
    """An open wing in figure coordinates.

    S: shoulder on the leading edge, W: wrist, T: tip of the longest
    primary, Q: the trailing edge where primaries meet secondaries, B: the
    trailing edge at the body.  Ct bends the primaries' tip line (T to Q),
    Cs the secondaries' trailing edge (Q to B), Cl the arm's leading edge
    (S to W).  hand: how far along W->T the outermost quill sits."""

    def __init__(self, S, W, T, Q, B, Ct=None, Cs=None, Cl=None, n_prim=10, n_sec=11, hand=0.42,
                 fingers=0, finger_spread=0.0):
        self.S, self.W, self.T, self.Q, self.B = S, W, T, Q, B
        self.Ct = Ct or lerp(lerp(T, Q, 0.5), W, -0.25)
        self.Cs = Cs or lerp(lerp(Q, B, 0.5), lerp(S, W, 0.5), -0.08)
        self.Cl = Cl or lerp(lerp(S, W, 0.5), lerp(Q, B, 0.5), -0.12)
        self.n_prim, self.n_sec, self.hand = n_prim, n_sec, hand
        self.fingers, self.finger_spread = fingers, finger_spread
        self.H = lerp(W, T, hand)

    def lead(self, n=16):
        """The leading edge from shoulder to tip."""
        arm = [bez(self.S, self.Cl, self.W, i / n) for i in range(n + 1)]
        return arm + [lerp(self.W, self.T, i / 6) for i in range(1, 7)]

    def primaries(self):
        """(base, tip, width) of each primary, the outermost first."""
        out = []
        n = self.n_prim
        for i in range(n):
            t = i / (n - 1)                         # 0 outermost .. 1 innermost
            base = lerp(self.H, lerp(self.W, self.H, 0.08), t)
            tt = t
            if self.fingers and i < self.fingers:
                # fingers: the outer tips are spread apart along the tip line
                tt = t * (1 + self.finger_spread * (1 - i / self.fingers))
            tip = bez(self.T, self.Ct, self.Q, min(1.0, tt))
            if i == 0 and not self.fingers:
                tip = lerp(tip, base, 0.05)         # the outermost is a little shorter than the next
            out.append((base, tip))
        res = []
        for i, (b, t) in enumerate(out):
            j = min(n - 1, i + 1)
            k = max(0, i - 1)
            gap = math.hypot(out[j][1][0] - out[k][1][0], out[j][1][1] - out[k][1][1]) / max(1, j - k)
            res.append((b, t, gap))
        return res

    def secondaries(self):
        """(base, tip, gap) of each secondary, the outermost (by the wrist) first."""
        n = self.n_sec
        out = []
        for i in range(n):
            t = (i + 0.5) / n
            base = bez(self.W, self.Cl, self.S, t * 0.96)
            base = lerp(base, bez(self.Q, self.Cs, self.B, t), 0.12)
            tip = bez(self.Q, self.Cs, self.B, t)
            out.append((base, tip))
        res = []
        for i, (b, t) in enumerate(out):
            j = min(n - 1, i + 1)
            k = max(0, i - 1)
            gap = math.hypot(out[j][1][0] - out[k][1][0], out[j][1][1] - out[k][1][1]) / max(1, j - k)
            res.append((b, t, gap))
        return res

    def area(self):
        """A rough outline of the whole wing, for clips and shadows."""
        lead = self.lead()
        trail = [bez(self.T, self.Ct, self.Q, i / 12) for i in range(13)] + \
            [bez(self.Q, self.Cs, self.B, i / 12) for i in range(1, 13)]
        return lead + trail


def draw_wing(f, wg, C, view="upper", prim_shape="point", sec_shape="round", widen=1.7, prim_widen=None,
              bars=None, prim_bars=None, dark_tips=None, covert_rows=(0.42, 0.26), lesser=0.14, margin=2.2,
              covert_spots=None, rim=0.55, shade=1.0, sec_tip=None, pale_edges=None, row_cols=None):
    """Lay the feathers of a Wing.  C: colour table with prim, prim_l, sec,
    sec_l, cov, cov_l, lesser, lesser_l, edge (and optional spot).  view
    'upper' shows the back of the wing (inner feathers overlie outer ones),
    'under' its underside (the other way round)."""
    def col(name, default=None):
        v = C.get(name, default)
        if v is None:
            return None
        return P.mix(v, (0, 0, 0), 1 - shade) if shade < 1 else v

    edge = col("edge")
    prims = wg.primaries()
    secs = wg.secondaries()
    pw = prim_widen or widen
    feats = []
    for i, (b, t, gap) in enumerate(prims):
        finger = wg.fingers and i < wg.fingers
        shape = "finger" if finger else prim_shape
        w = gap * pw * (0.8 if finger else 1.0)
        ln = math.hypot(t[0] - b[0], t[1] - b[1])
        w = min(w, ln * 0.32)
        feats.append(("p", i, b, t, w, shape))
    for i, (b, t, gap) in enumerate(secs):
        w = gap * widen
        feats.append(("s", i, b, t, w, sec_shape))
    if view == "upper":
        order = [x for x in feats if x[0] == "p"] + [x for x in feats if x[0] == "s"]
    else:
        order = [x for x in feats if x[0] == "s"][::-1] + [x for x in feats if x[0] == "p"][::-1]
    for kind, i, b, t, w, shape in order:
        if kind == "p":
            c0, c1 = col("prim_l"), col("prim")
            fb = prim_bars
            asym = 0.35
        else:
            c0, c1 = col("sec_l"), col("sec")
            fb = bars
            asym = 0.1
        dt = None
        if dark_tips and (kind == "p" or dark_tips[2]):
            dt = (col("tip"), dark_tips[0] if kind == "p" else dark_tips[1])
        if kind == "s" and sec_tip:
            dt = (sec_tip[0], sec_tip[1])
        pe = pale_edges if kind == "s" else None
        feather(f, b, t, w, c0, c1, edge, shape, 0.04 if kind == "p" else 0.0, asym, bars=fb, dark_tip=dt,
                rim=rim, pale_edge=pe)

    # coverts in rows: greater (one over each flight feather), median, lesser
    cov_l, cov = col("cov_l"), col("cov")
    rows = [(frac, 0.12 + 0.3 * r) for r, frac in enumerate(covert_rows)] + [(lesser, 0.75)]
    f.set_clip(wg.area())
    for r, (frac, shift) in enumerate(rows):
        row = []
        for kind, i, b, t, w, shape in feats:
            lead_pt = _nearest_lead(wg, b)
            bb = lerp(b, lead_pt, shift)
            tt = lerp(b, t, frac)
            tt = lerp(tt, lead_pt, shift * 0.5)
            row.append((kind, i, bb, tt, w * (1.05 + 0.08 * r)))
        if view == "upper":
            row = [x for x in row if x[0] == "p"] + [x for x in row if x[0] == "s"]
        else:
            row = [x for x in row if x[0] == "s"][::-1] + [x for x in row if x[0] == "p"][::-1]
        last = r == len(rows) - 1
        c0 = col("lesser_l", cov_l) if last else P.mix(cov_l, cov, 0.3 * r)
        c1 = col("lesser", cov) if last else cov
        if row_cols and r < len(row_cols) and row_cols[r]:
            c0, c1 = row_cols[r]
        ce = P.mix(c1, edge, 0.55)
        for kind, i, bb, tt, w in row:
            feather(f, bb, tt, w, c0, c1, ce, "round", 0.0, 0.0, rim=rim * 0.8)
            if covert_spots and not last:
                sp = lerp(bb, tt, 0.72)
                f.fill(R.ellipse(sp[0], sp[1], w * 0.16, w * 0.16), covert_spots[0], covert_spots[1])
    f.set_clip(None)
    # the marginal coverts: a narrow smooth band along the leading edge
    lead = wg.lead(20)
    m = len(lead)
    inner = []
    for j, p in enumerate(lead):
        t = j / (m - 1)
        q = _towards_trail(wg, p, t)
        d = math.hypot(q[0] - p[0], q[1] - p[1]) or 1.0
        bw = margin * max(0.0, 1.0 - max(0.0, t - 0.75) / 0.25)
        inner.append((p[0] + (q[0] - p[0]) / d * bw, p[1] + (q[1] - p[1]) / d * bw))
    f.fill(lead + inner[::-1], col("lesser_l", cov_l))
    return feats


def _nearest_lead(wg, p):
    best, bd = None, 1e9
    for q in wg.lead(24):
        d = (q[0] - p[0]) ** 2 + (q[1] - p[1]) ** 2
        if d < bd:
            best, bd = q, d
    return best


def _towards_trail(wg, p, t):
    """The trailing-edge point roughly opposite the leading-edge point at t."""
    if t < 0.7:
        return bez(wg.B, wg.Cs, wg.Q, min(1.0, t / 0.7))
    return bez(wg.Q, wg.Ct, wg.T, min(1.0, (t - 0.7) / 0.3))


def wing_outline(wg, view="upper", widen=1.7, prim_shape="point", sec_shape="round"):
    """The outlines of every flight feather (for the bird's silhouette)."""
    cons = []
    for i, (b, t, gap) in enumerate(wg.primaries()):
        finger = wg.fingers and i < wg.fingers
        w = gap * widen * (0.8 if finger else 1.0)
        ln = math.hypot(t[0] - b[0], t[1] - b[1])
        cons.append(outline(b, t, min(w, ln * 0.32), "finger" if finger else prim_shape, 0.04, 0.35))
    for b, t, gap in wg.secondaries():
        cons.append(outline(b, t, gap * widen, sec_shape, 0.0, 0.1))
    cons.append(wg.lead(20) + [wg.Q, wg.B])
    return cons


# ---------------------------------------------------------------------------
# the tail
# ---------------------------------------------------------------------------

def tail_feathers(base, ang, length, spread, n=12, width=None, shape="round", profile="square", base_w=None):
    """(base, tip, width) of n tail feathers fanned about direction ang
    (radians) through `spread` radians in all, left to right.  profile:
    'square', 'round' (middle longest), 'fork' (outer longest), 'wedge'."""
    out = []
    bw = base_w if base_w is not None else length * 0.16
    ca, sa = math.cos(ang), math.sin(ang)
    nx, ny = -sa, ca
    for i in range(n):
        t = i / (n - 1) - 0.5 if n > 1 else 0.0
        a = ang + t * spread
        e = abs(t) * 2
        if profile == "round":
            ln = length * (1 - 0.1 * e * e)
        elif profile == "fork":
            ln = length * (0.7 + 0.3 * e ** 1.6)
        elif profile == "wedge":
            ln = length * (1 - 0.3 * e)
        else:
            ln = length * (1 - 0.03 * e)
        b = (base[0] + nx * bw * t, base[1] + ny * bw * t)
        tip = (b[0] + math.cos(a) * ln, b[1] + math.sin(a) * ln)
        out.append((b, tip))
    res = []
    for i, (b, tip) in enumerate(out):
        j, k = min(n - 1, i + 1), max(0, i - 1)
        gap = math.hypot(out[j][1][0] - out[k][1][0], out[j][1][1] - out[k][1][1]) / max(1, j - k)
        w = width if width is not None else max(gap * 1.9, length * 0.14)
        res.append((b, tip, w))
    return res


def draw_tail(f, feathers, col, col_tip, edge, shape="round", bars=None, dark_tip=None, rim=0.55, pale_tip=None,
              order=None):
    """Draw tail feathers, the outer ones first and the middle pair on top."""
    n = len(feathers)
    idx = order or sorted(range(n), key=lambda i: -abs(i - (n - 1) / 2))
    for i in idx:
        b, t, w = feathers[i]
        feather(f, b, t, w, col, col_tip, edge, shape, 0.0, 0.0, bars=bars, dark_tip=dark_tip, rim=rim)
        if pale_tip:
            f.fill(outline(b, t, w, shape, 0, 0, 0.93, 1.0, 6), pale_tip, 0.95)
    return [outline(b, t, w, shape) for b, t, w in feathers]


# ---------------------------------------------------------------------------
# the folded wing of a perched bird
# ---------------------------------------------------------------------------

def folded_wing(f, A, Pt, width, C, n_prim=6, prim_shape="point", spots=None, bars=None, rim=0.5, droop=0.0,
                tertial_bars=None, rows=2, prim_tip_dark=None, mirror=False, fringe=None):
    """A closed wing seen from the side: the bend at A (the wrist, at the
    front of the breast), the primaries' tips at Pt.  width: the wing's
    depth across its axis.  Coverts lie in rows over the secondaries and
    tertials, the primaries stick out behind them over the tail."""
    ax, ay = A
    dx, dy = Pt[0] - ax, Pt[1] - ay
    ln = math.hypot(dx, dy)
    ux, uy = dx / ln, dy / ln
    nx, ny = -uy, ux                    # across the wing, towards its lower (belly) edge
    if mirror:
        nx, ny = -nx, -ny

    def W(u, v):
        """u along the wing (0 bend .. 1 tip), v across (-0.5 top .. 0.5 bottom) in widths."""
        sag = droop * math.sin(math.pi * u) * width
        return (ax + ux * u * ln + nx * (v * width + sag), ay + uy * u * ln + ny * (v * width + sag))

    edge = C["edge"]
    cons = []
    # primaries: long and narrow, tips stepped back from the longest
    for i in range(n_prim - 1, -1, -1):
        t = i / max(1, n_prim - 1)
        b = W(0.38 + 0.04 * t, 0.12 + 0.1 * t)
        tip = W(1.0 - 0.085 * i, 0.16 + 0.07 * t)
        w = width * 0.34
        o = feather(f, b, tip, w, C["prim_l"], C["prim"], edge, prim_shape, -0.03, 0.2, bars=bars,
                    dark_tip=prim_tip_dark, rim=rim)
        cons.append(o)
    # secondaries, stacked from the lowest up
    for i in range(5):
        t = i / 4
        b = W(0.2 + 0.06 * t, 0.28 - 0.34 * t)
        tip = W(0.62 - 0.03 * t, 0.3 - 0.2 * t)
        feather(f, b, tip, width * 0.4, C["sec_l"], C["sec"], edge, "round", 0.0, 0.0, bars=bars, rim=rim,
                pale_edge=fringe)
    # tertials, broad, on top towards the back
    for i in range(3):
        t = i / 2
        b = W(0.24 + 0.05 * t, -0.28 + 0.1 * t)
        tip = W(0.66 - 0.06 * t, -0.1 + 0.08 * t)
        feather(f, b, tip, width * 0.46, C["ter_l"] if "ter_l" in C else C["sec_l"], C.get("ter", C["sec"]), edge,
                "round", 0.0, 0.0, bars=tertial_bars or bars, rim=rim, pale_edge=fringe)
        if spots:
            for u in (0.45, 0.75):
                p = lerp(b, tip, u)
                f.fill(R.ellipse(p[0], p[1], width * 0.07, width * 0.05), spots[0], spots[1])
    # greater and median coverts in rows of scallops
    for r in range(rows):
        u0, u1 = 0.1 + 0.02 * r, 0.44 - 0.12 * r
        for i in range(6):
            t = i / 5
            b = W(u0 + 0.04 * t - 0.02 * r, 0.3 - 0.62 * t)
            tip = W(u1 - 0.05 * t, 0.3 - 0.5 * t)
            tip = (tip[0] - nx * width * 0.08 * r, tip[1] - ny * width * 0.08 * r)
            feather(f, b, tip, width * (0.3 - 0.05 * r), C["cov_l"], C["cov"], edge, "round", 0.0, 0.0, rim=rim * 0.9,
                    pale_edge=fringe)
            if spots:
                p = lerp(b, tip, 0.7)
                f.fill(R.ellipse(p[0], p[1], width * 0.06, width * 0.045), spots[0], spots[1])
    # the leading edge over the bend
    front = path(W(0.0, -0.1), (W(0.02, -0.45), W(0.14, -0.55), W(0.3, -0.45)), (W(0.2, 0.0), W(0.06, 0.32), W(0.0, -0.1)))
    f.fill(front, P.L(W(0, -0.5), W(0.2, 0.3), C["lesser_l"], C["lesser"]))
    return cons

"""A tiny exact vector rasteriser on top of Pillow.

Shapes are described in final-pixel units: pixel (i, j) covers the square
[i, i+1) x [j, j+1).  A Canvas draws at an integer supersampling factor with
its own scanline filler (half-open spans, sampled at sub-pixel centres), so
that an edge lying on a whole pixel boundary comes out perfectly sharp after
the box-filter reduction, while slanted and curved edges get smooth coverage.

Everything here is deterministic: no randomness, no system fonts.
"""

import math
from PIL import Image, ImageDraw


# --------------------------------------------------------------------------
# contours
# --------------------------------------------------------------------------

def signed_area(pts):
    a = 0.0
    n = len(pts)
    for i in range(n):
        x0, y0 = pts[i]
        x1, y1 = pts[(i + 1) % n]
        a += x0 * y1 - x1 * y0
    return a / 2.0


def oriented(pts, positive=True):
    """Return the contour with a fixed orientation (for non-zero unions)."""
    pts = list(pts)
    if (signed_area(pts) >= 0) != positive:
        pts.reverse()
    return pts


def rect(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def ellipse(cx, cy, rx, ry, n=None, a0=0.0, a1=None):
    if n is None:
        n = max(24, int(2 * math.pi * max(rx, ry) * 2.5))
    if a1 is None:
        return [(cx + rx * math.cos(a0 + 2 * math.pi * k / n),
                 cy + ry * math.sin(a0 + 2 * math.pi * k / n)) for k in range(n)]
    steps = max(2, int(abs(a1 - a0) / (2 * math.pi) * n))
    return [(cx + rx * math.cos(a0 + (a1 - a0) * k / steps),
             cy + ry * math.sin(a0 + (a1 - a0) * k / steps)) for k in range(steps + 1)]


def circle(cx, cy, r, n=None):
    return ellipse(cx, cy, r, r, n)


def arc(cx, cy, rx, ry, a0, a1, n=None):
    """Points along an elliptic arc from angle a0 to a1 (radians, y down)."""
    return ellipse(cx, cy, rx, ry, n, a0, a1)


def rrect(x0, y0, x1, y1, r):
    """Rounded rectangle."""
    r = min(r, (x1 - x0) / 2.0, (y1 - y0) / 2.0)
    if r <= 0:
        return rect(x0, y0, x1, y1)
    pts = []
    pi = math.pi
    pts += arc(x1 - r, y0 + r, r, r, -pi / 2, 0)
    pts += arc(x1 - r, y1 - r, r, r, 0, pi / 2)
    pts += arc(x0 + r, y1 - r, r, r, pi / 2, pi)
    pts += arc(x0 + r, y0 + r, r, r, pi, 3 * pi / 2)
    return pts


def bezier(p0, p1, p2, p3, n=24):
    pts = []
    for k in range(n + 1):
        t = k / n
        u = 1 - t
        pts.append((u * u * u * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t * t * t * p3[0],
                    u * u * u * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t * t * t * p3[1]))
    return pts


def qbezier(p0, p1, p2, n=20):
    pts = []
    for k in range(n + 1):
        t = k / n
        u = 1 - t
        pts.append((u * u * p0[0] + 2 * u * t * p1[0] + t * t * p2[0],
                    u * u * p0[1] + 2 * u * t * p1[1] + t * t * p2[1]))
    return pts


def offset(pts, d, miter_limit=3.0):
    """Offset a simple closed polygon by d (positive = outwards), mitred."""
    pts = oriented(pts, True)          # positive area: y-down => clockwise on screen
    n = len(pts)
    # drop duplicate points
    clean = []
    for p in pts:
        if not clean or abs(p[0] - clean[-1][0]) + abs(p[1] - clean[-1][1]) > 1e-9:
            clean.append(p)
    if abs(clean[0][0] - clean[-1][0]) + abs(clean[0][1] - clean[-1][1]) < 1e-9:
        clean.pop()
    pts = clean
    n = len(pts)
    normals = []
    for i in range(n):
        x0, y0 = pts[i]
        x1, y1 = pts[(i + 1) % n]
        dx, dy = x1 - x0, y1 - y0
        ln = math.hypot(dx, dy)
        # outward normal for positive (shoelace) orientation in y-down coords
        normals.append((dy / ln, -dx / ln))
    out = []
    for i in range(n):
        n0 = normals[i - 1]
        n1 = normals[i]
        bx, by = n0[0] + n1[0], n0[1] + n1[1]
        bl = math.hypot(bx, by)
        if bl < 1e-9:
            out.append((pts[i][0] + n1[0] * d, pts[i][1] + n1[1] * d))
            continue
        bx, by = bx / bl, by / bl
        cosh = bx * n1[0] + by * n1[1]
        k = d / max(cosh, 1.0 / miter_limit)
        out.append((pts[i][0] + bx * k, pts[i][1] + by * k))
    return out


def stroke(points, width, cap="round", join="round", closed=False):
    """Outline of a thick polyline as a list of positively oriented contours
    (fill them with the non-zero rule)."""
    h = width / 2.0
    pts = list(points)
    if closed:
        pts = pts + [pts[0]]
    contours = []
    segs = []
    for i in range(len(pts) - 1):
        (x0, y0), (x1, y1) = pts[i], pts[i + 1]
        dx, dy = x1 - x0, y1 - y0
        ln = math.hypot(dx, dy)
        if ln < 1e-9:
            continue
        ux, uy = dx / ln, dy / ln
        nx, ny = -uy * h, ux * h
        ex0 = ex1 = 0.0
        if cap == "square":
            if i == 0 and not closed:
                ex0 = h
            if i == len(pts) - 2 and not closed:
                ex1 = h
        a = (x0 - ux * ex0, y0 - uy * ex0)
        b = (x1 + ux * ex1, y1 + uy * ex1)
        quad = [(a[0] + nx, a[1] + ny), (b[0] + nx, b[1] + ny),
                (b[0] - nx, b[1] - ny), (a[0] - nx, a[1] - ny)]
        contours.append(oriented(quad))
        segs.append((x0, y0, x1, y1))
    joins = pts[1:-1] if not closed else pts[:-1]
    if join == "round":
        for (x, y) in joins:
            contours.append(oriented(circle(x, y, h)))
    elif join == "miter":
        # fill the wedge at each join with the mitred corner
        for i in range(1, len(pts) - 1 if not closed else len(pts)):
            p0 = pts[i - 1]
            p1 = pts[i % len(pts)]
            p2 = pts[(i + 1) % len(pts)] if i + 1 < len(pts) else pts[1]
            contours.append(oriented(_miter_wedge(p0, p1, p2, h)))
    if cap == "round" and not closed:
        contours.append(oriented(circle(pts[0][0], pts[0][1], h)))
        contours.append(oriented(circle(pts[-1][0], pts[-1][1], h)))
    return contours


def _miter_wedge(p0, p1, p2, h):
    def unit(a, b):
        dx, dy = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(dx, dy)
        return dx / ln, dy / ln
    u0 = unit(p0, p1)
    u1 = unit(p1, p2)
    n0 = (-u0[1], u0[0])
    n1 = (-u1[1], u1[0])
    cross = u0[0] * u1[1] - u0[1] * u1[0]
    s = -1 if cross > 0 else 1
    a = (p1[0] + s * n0[0] * h, p1[1] + s * n0[1] * h)
    b = (p1[0] + s * n1[0] * h, p1[1] + s * n1[1] * h)
    bx, by = s * (n0[0] + n1[0]), s * (n0[1] + n1[1])
    bl = math.hypot(bx, by)
    cosh = max((bx * s * n1[0] + by * s * n1[1]) / bl, 0.3)
    m = (p1[0] + bx / bl * h / cosh, p1[1] + by / bl * h / cosh)
    return [p1, a, m, b]


def transform(pts, dx=0.0, dy=0.0, sx=1.0, sy=None, rot=0.0, cx=0.0, cy=0.0):
    """Scale about (cx, cy), rotate about (cx, cy) by rot radians, then move."""
    if sy is None:
        sy = sx
    c, s = math.cos(rot), math.sin(rot)
    out = []
    for x, y in pts:
        x, y = (x - cx) * sx, (y - cy) * sy
        x, y = x * c - y * s, x * s + y * c
        out.append((x + cx + dx, y + cy + dy))
    return out


# --------------------------------------------------------------------------
# paints
# --------------------------------------------------------------------------

def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


def ramp(stops, t):
    """Colour at t in [0, 1] along a list of (position, colour) stops."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return lerp(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 0.0)
    return stops[-1][1]


class Linear:
    """Linear gradient from point a to point b (final-pixel units)."""

    def __init__(self, a, b, stops):
        self.a, self.b, self.stops = a, b, stops
        self.lut = [ramp(stops, i / 1023.0) for i in range(1024)]

    def render(self, box, s):
        x0, y0, x1, y1 = box
        w, h = x1 - x0, y1 - y0
        ax, ay = self.a[0] * s, self.a[1] * s
        bx, by = self.b[0] * s, self.b[1] * s
        dx, dy = bx - ax, by - ay
        ll = dx * dx + dy * dy or 1.0
        img = Image.new("RGB", (w, h))
        if abs(dx) < 1e-9:        # vertical: one colour per row
            for j in range(h):
                t = ((y0 + j + 0.5) - ay) * dy / ll
                t = min(1.0, max(0.0, t))
                img.paste(self.lut[int(t * 1023 + 0.5)], (0, j, w, j + 1))
            return img
        if abs(dy) < 1e-9:        # horizontal: one colour per column
            for i in range(w):
                t = ((x0 + i + 0.5) - ax) * dx / ll
                t = min(1.0, max(0.0, t))
                img.paste(self.lut[int(t * 1023 + 0.5)], (i, 0, i + 1, h))
            return img
        px = img.load()
        for j in range(h):
            yy = (y0 + j + 0.5 - ay) * dy
            for i in range(w):
                t = ((x0 + i + 0.5 - ax) * dx + yy) / ll
                t = min(1.0, max(0.0, t))
                px[i, j] = self.lut[int(t * 1023 + 0.5)]
        return img


class Radial:
    """Radial gradient around c with radius r (final-pixel units)."""

    def __init__(self, c, r, stops, ry=None):
        self.c, self.r, self.ry, self.stops = c, r, ry or r, stops
        self.lut = [ramp(stops, i / 1023.0) for i in range(1024)]

    def render(self, box, s):
        x0, y0, x1, y1 = box
        w, h = x1 - x0, y1 - y0
        img = Image.new("RGB", (w, h))
        px = img.load()
        cx, cy = self.c[0] * s, self.c[1] * s
        rx, ry = self.r * s, self.ry * s
        for j in range(h):
            dy = (y0 + j + 0.5 - cy) / ry
            for i in range(w):
                dx = (x0 + i + 0.5 - cx) / rx
                t = min(1.0, math.sqrt(dx * dx + dy * dy))
                px[i, j] = self.lut[int(t * 1023 + 0.5)]
        return img


# --------------------------------------------------------------------------
# canvas
# --------------------------------------------------------------------------

class Canvas:
    def __init__(self, w, h, s=8, bg=(0, 0, 0, 0)):
        self.w, self.h, self.s = w, h, s
        mode = "RGBA" if len(bg) == 4 else "RGB"
        self.img = Image.new(mode, (w * s, h * s), bg)

    # -- coverage -----------------------------------------------------------
    def _mask(self, contours, rule):
        s = self.s
        edges = []
        minx = miny = float("inf")
        maxx = maxy = float("-inf")
        for c in contours:
            n = len(c)
            if n < 3:
                continue
            for i in range(n):
                xa, ya = c[i][0] * s, c[i][1] * s
                xb, yb = c[(i + 1) % n][0] * s, c[(i + 1) % n][1] * s
                minx = min(minx, xa)
                maxx = max(maxx, xa)
                miny = min(miny, ya)
                maxy = max(maxy, ya)
                if ya == yb:
                    continue
                wdir = 1 if yb > ya else -1
                if ya > yb:
                    xa, ya, xb, yb = xb, yb, xa, ya
                edges.append((ya, yb, xa, (xb - xa) / (yb - ya), wdir))
        if not edges:
            return None, None
        W, H = self.w * s, self.h * s
        bx0 = max(0, int(math.floor(minx)))
        by0 = max(0, int(math.floor(miny)))
        bx1 = min(W, int(math.ceil(maxx)) + 1)
        by1 = min(H, int(math.ceil(maxy)) + 1)
        if bx1 <= bx0 or by1 <= by0:
            return None, None
        mask = Image.new("L", (bx1 - bx0, by1 - by0), 0)
        draw = ImageDraw.Draw(mask)
        edges.sort(key=lambda e: e[0])
        ei = 0
        active = []
        for j in range(by0, by1):
            yc = j + 0.5
            while ei < len(edges) and edges[ei][0] <= yc:
                active.append(edges[ei])
                ei += 1
            active = [e for e in active if e[1] > yc]
            xs = []
            for (ya, yb, xa, slope, wdir) in active:
                if ya <= yc < yb:
                    xs.append((xa + (yc - ya) * slope, wdir))
            if not xs:
                continue
            xs.sort(key=lambda t: t[0])
            wind = 0
            for k in range(len(xs) - 1):
                wind += xs[k][1]
                inside = (wind != 0) if rule == "nonzero" else (k % 2 == 0)
                if not inside:
                    continue
                xl = int(math.ceil(xs[k][0] - 0.5))
                xr = int(math.ceil(xs[k + 1][0] - 0.5)) - 1
                xl = max(xl, bx0)
                xr = min(xr, bx1 - 1)
                if xr >= xl:
                    draw.line((xl - bx0, j - by0, xr - bx0, j - by0), fill=255)
        return mask, (bx0, by0, bx1, by1)

    def fill(self, contours, paint, rule="nonzero", opacity=1.0):
        """Fill one contour (list of points) or several (list of lists)."""
        if contours and isinstance(contours[0][0], (int, float)):
            contours = [contours]
        mask, box = self._mask(contours, rule)
        if mask is None:
            return
        if opacity < 1.0:
            mask = mask.point(lambda v: int(round(v * opacity)))
        self._paint(mask, box, paint)

    def _paint(self, mask, box, paint):
        bx0, by0, bx1, by1 = box
        if isinstance(paint, tuple):
            if len(paint) == 4:                     # colour with alpha
                mask = mask.point(lambda v: int(round(v * paint[3] / 255.0)))
                paint = paint[:3]
            src = paint if self.img.mode == "RGB" else paint + (255,)
            layer = Image.new(self.img.mode, (bx1 - bx0, by1 - by0), src)
        else:
            layer = paint.render(box, self.s)
            if self.img.mode == "RGBA":
                layer = layer.convert("RGBA")
        if self.img.mode == "RGBA":
            # source-over with straight alpha
            region = self.img.crop(box)
            layer.putalpha(mask)
            region = Image.alpha_composite(region, layer)
            self.img.paste(region, box)
        else:
            self.img.paste(layer, box, mask)

    def erase(self, contours, rule="nonzero"):
        """Make the covered area fully transparent (RGBA canvases)."""
        if contours and isinstance(contours[0][0], (int, float)):
            contours = [contours]
        mask, box = self._mask(contours, rule)
        if mask is None:
            return
        region = self.img.crop(box)
        a = region.getchannel("A")
        inv = mask.point(lambda v: 255 - v)
        from PIL import ImageChops
        region.putalpha(ImageChops.multiply(a, inv))
        self.img.paste(region, box)

    # -- composite helpers ---------------------------------------------------
    def outlined(self, contour, ink, paint, width=1.0, rule="nonzero"):
        """A filled shape with an outline of `width` pixels inside its edge."""
        self.fill(contour, ink, rule)
        self.fill(offset(contour, -width), paint, rule)

    def line(self, pts, width, paint, cap="round", join="round", closed=False):
        self.fill(stroke(pts, width, cap, join, closed), paint)

    def result(self):
        """The reduced (final-size) image."""
        if self.img.mode == "RGBA":
            im = self.img.convert("RGBa").reduce(self.s).convert("RGBA")
        else:
            im = self.img.reduce(self.s)
        return im


class Placed:
    """Draw on `canvas` with coordinates scaled by k and moved by (dx, dy):
    lets a picture designed on its own grid (the icon) be reused larger."""

    def __init__(self, canvas, dx, dy, k):
        self.c, self.dx, self.dy, self.k = canvas, dx, dy, k

    def _pt(self, p):
        return (p[0] * self.k + self.dx, p[1] * self.k + self.dy)

    def _paint(self, paint):
        if isinstance(paint, Linear):
            return Linear(self._pt(paint.a), self._pt(paint.b), paint.stops)
        if isinstance(paint, Radial):
            return Radial(self._pt(paint.c), paint.r * self.k, paint.stops, paint.ry * self.k)
        return paint

    def fill(self, contours, paint, rule="nonzero", opacity=1.0):
        if contours and isinstance(contours[0][0], (int, float)):
            contours = [contours]
        self.c.fill([[self._pt(p) for p in con] for con in contours], self._paint(paint), rule, opacity)

    def line(self, pts, width, paint, cap="round", join="round", closed=False):
        self.fill(stroke(pts, width, cap, join, closed), paint)

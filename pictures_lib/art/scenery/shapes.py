"""Path building and placing for figures drawn in their own coordinates."""

import math

from PIL import Image, ImageChops

from artkit import raster as R
from . import paint as P


def path(start, *segs, n=14):
    """A path from start through cubic segments (c1, c2, end) or straight
    points (a bare (x, y)).  Returns the list of points."""
    pts = [start]
    cur = start
    for s in segs:
        if isinstance(s[0], (int, float)):
            pts.append(s)
            cur = s
        else:
            c1, c2, end = s
            pts += R.bezier(cur, c1, c2, end, n)[1:]
            cur = end
    return pts


class Figure:
    """Draws on a canvas in figure coordinates: scaled by k, mirrored when
    flip is set, rotated by rot (radians), with the origin placed at (x, y)."""

    def __init__(self, c, x, y, k=1.0, flip=False, rot=0.0):
        self.c, self.x, self.y, self.k, self.flip = c, x, y, k, flip
        self.cr, self.sr = math.cos(rot), math.sin(rot)
        self.clip = None

    def sub(self, x, y, k=1.0, rot=0.0, flip=False):
        """A Figure drawing in its own coordinates placed inside this one:
        origin at (x, y) here, scaled by k, rotated by rot, mirrored."""
        g = Figure(self.c, 0, 0, self.k * k)
        g.clip = self.clip
        cr, sr = math.cos(rot), math.sin(rot)
        outer = self.pt

        def pt(p):
            u, v = p
            if flip:
                u = -u
            return outer((x + (u * cr - v * sr) * k, y + (u * sr + v * cr) * k))
        g.pt = pt
        return g

    def set_clip(self, contours=None):
        """Later fills only paint inside these contours (None: everywhere)."""
        if contours is None:
            self.clip = None
            return
        if isinstance(contours[0][0], (int, float)):
            contours = [contours]
        mask, box = self.c._mask([R.oriented(self.pts(con)) for con in contours], "nonzero")
        full = Image.new("L", self.c.img.size, 0)
        if mask is not None:
            full.paste(mask, box[:2])
        self.clip = full

    def pt(self, p):
        u, v = p
        if self.flip:
            u = -u
        u, v = u * self.cr - v * self.sr, u * self.sr + v * self.cr
        return (self.x + u * self.k, self.y + v * self.k)

    def pts(self, pts):
        return [self.pt(p) for p in pts]

    def paint(self, paint):
        if isinstance(paint, P.Lin):
            a = self.pt(paint.a)
            # rebuild the direction from two transformed points
            ll = paint.ux * paint.ux + paint.uy * paint.uy
            bx = paint.a[0] + paint.ux / ll
            by = paint.a[1] + paint.uy / ll
            return P.Lin(a, self.pt((bx, by)), paint.stops)
        if isinstance(paint, P.Rad):
            return P.Rad(self.pt(paint.c), paint.rx * self.k, paint.stops, paint.ry * self.k)
        return paint

    def fill(self, contours, paint, opacity=1.0, rule="nonzero"):
        if contours and isinstance(contours[0][0], (int, float)):
            contours = [contours]
        self.fill_final([R.oriented(self.pts(con)) for con in contours], paint, opacity, rule)

    def fill_final(self, contours, paint, opacity=1.0, rule="nonzero"):
        """Fill contours already in picture coordinates, within the clip."""
        mask, box = self.c._mask(contours, rule)
        if mask is None:
            return
        if self.clip is not None:
            mask = ImageChops.multiply(mask, self.clip.crop(box))
        if opacity < 1.0:
            mask = mask.point(lambda v: int(round(v * opacity)))
        self.c._paint(mask, box, self.paint(paint))

    def outlined(self, con, ink, paint, width=1.0, opacity=1.0):
        """Fill with a rim of `width` final pixels in the ink colour."""
        outer = R.oriented(self.pts(con))
        self.fill_final([R.oriented(R.offset(outer, width * 0.5))], ink, opacity)
        self.fill_final([R.oriented(R.offset(outer, -width * 0.5))], paint, opacity)

    def line(self, pts, width, paint, opacity=1.0, cap="round"):
        """A stroke `width` figure units wide."""
        self.fill_final(R.stroke(self.pts(pts), width * self.k, cap=cap), paint, opacity)

    def silhouette(self, contours, ink, width=1.0, opacity=1.0):
        """One outline around the union of several parts: fill each part grown
        by `width` final pixels in ink; the parts are then filled on top."""
        grown = [R.oriented(R.offset(R.oriented(self.pts(con)), width)) for con in contours]
        self.fill_final(grown, ink, opacity)


def clip_to(c, contours):
    """A plain (unscaled) Figure whose fills stay inside contours."""
    f = Figure(c, 0, 0, 1.0)
    f.set_clip(contours)
    return f

"""The program icon: a blue book with a white "V" on its cover and a green
tick badge, drawn separately for 16, 32 and 48 pixels so that every size
keeps whole-pixel edges."""

from . import raster as R
from .palette import *  # noqa: F401,F403


def vgrad(y0, y1, *cols):
    n = len(cols) - 1
    return R.Linear((0, y0), (0, y1), [(i / n, c) for i, c in enumerate(cols)])


def v_glyph(l, t, r, b, stem):
    """A bold sans-serif V with its arms `stem` wide (measured horizontally)."""
    cx = (l + r) / 2.0
    half = stem / 2.0
    # inner apex: where the inner edges of the two arms meet
    # left inner edge runs from (l + stem, t) to (cx + half... ) -> use similar triangles
    h = b - t
    w_top = (r - l) / 2.0                  # half width at the top
    k = (w_top - stem) / (w_top - half)    # fraction of the height at the inner apex
    inner_y = t + h * k
    return [(l, t), (l + stem, t), (cx, inner_y), (r - stem, t), (r, t),
            (cx + half, b), (cx - half, b)]


# geometry per size: everything on whole pixels where the edge is straight
GEOM = {
    48: dict(pages=(9, 7, 44, 45), cover=(4, 3, 39, 42), spine=9, radius=3,
             v=(12, 11, 33, 32), stem=6.5, lines=True,
             badge=(36, 36, 10.5), tick=[(31.0, 36.5), (34.8, 40.2), (41.4, 32.2)], tick_w=3.4,
             ribbon=(34, 37, 3, 14), ink=1.0),
    32: dict(pages=(6, 5, 30, 30), cover=(2, 2, 26, 28), spine=6, radius=2,
             v=(9, 7, 24, 21), stem=4.6, lines=False,
             badge=(24, 24, 7.5), tick=[(20.5, 24.3), (23.2, 27.0), (27.8, 21.4)], tick_w=2.6,
             ribbon=(20, 23, 2, 9), ink=1.0),
    16: dict(pages=(3, 2, 15, 15), cover=(1, 1, 13, 14), spine=3, radius=1,
             v=(4, 3, 12, 11), stem=2.7, lines=False,
             badge=(12, 12, 4.0), tick=[(10.0, 12.1), (11.5, 13.6), (14.0, 10.5)], tick_w=1.5,
             ribbon=None, ink=1.0),
}


def draw_icon(size, s=16):
    c = R.Canvas(size, size, s)
    paint_icon(c, size)
    return c.result()


def paint_icon(c, size):
    """Draw the icon designed for `size` on c (a Canvas or a raster.Placed)."""
    g = GEOM[size]
    ink = g["ink"]
    # the page block behind the cover
    px0, py0, px1, py1 = g["pages"]
    c.fill(R.rrect(px0, py0, px1, py1, g["radius"]), INK)
    c.fill(R.rrect(px0 + ink, py0 + ink, px1 - ink, py1 - ink, max(0, g["radius"] - 1)),
           vgrad(py0, py1, PAPER, PAPER_D))
    if g["lines"]:
        for x in range(px1 - 4, px1 - 1, 2):
            c.fill(R.rect(x, py0 + 4, x + 1, py1 - 2), PAPER_D)
        for y in range(py1 - 4, py1 - 1, 2):
            c.fill(R.rect(px0 + 4, y, px1 - 2, y + 1), PAPER_D)
    # the cover
    x0, y0, x1, y1 = g["cover"]
    c.fill(R.rrect(x0, y0, x1, y1, g["radius"]), INK)
    c.fill(R.rrect(x0 + ink, y0 + ink, x1 - ink, y1 - ink, max(0, g["radius"] - 1)),
           vgrad(y0, y1, BLUE_L, BLUE, BLUE_D))
    sp = g["spine"]
    c.fill(R.rect(x0 + ink, y0 + ink, sp, y1 - ink), vgrad(y0, y1, BLUE, BLUE_D))
    c.fill(R.rect(sp, y0 + ink, sp + 1, y1 - ink), INK_SOFT)
    if g["ribbon"]:
        rx0, rx1, ry0, ry1 = g["ribbon"]
        c.fill([(rx0, y0 + ink), (rx1, y0 + ink), (rx1, ry1), ((rx0 + rx1) / 2.0, ry1 - 2), (rx0, ry1)], RED)
    # the V
    vl, vt, vr, vb = g["v"]
    v = v_glyph(vl, vt, vr, vb, g["stem"])
    if size >= 32:
        c.fill(R.transform(v, 1, 1), BLUE_D)           # soft drop shadow
    c.fill(v, WHITE)
    # the tick badge
    bx, by, br = g["badge"]
    c.fill(R.circle(bx, by, br), INK)
    c.fill(R.circle(bx, by, br - ink), vgrad(by - br, by + br, GREEN_L, GREEN, GREEN_D))
    c.line(g["tick"], g["tick_w"], WHITE, cap="round", join="round")


def icon_images():
    return [draw_icon(16), draw_icon(32), draw_icon(48)]

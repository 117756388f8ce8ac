"""The eleven 18 x 18 toolbar images and the two 16-colour button images.

Every image is drawn as vectors on an 18 x 18 grid (edges on whole pixel
boundaries where they are straight), one pixel of navy ink around each
shape and a soft top-to-bottom ramp inside.  For the toolbar strip the
coverage is snapped: a pixel at least half covered becomes opaque (blended
with a neutral grey), anything less becomes the magenta key, so no pink
fringe can appear when the program makes the key transparent.
"""

import math
from PIL import Image

from . import raster as R
from .palette import *  # noqa: F401,F403
from .fileio import VGA16

N = 18


def vgrad(y0, y1, *cols):
    n = len(cols) - 1
    return R.Linear((0, y0), (0, y1), [(i / n, c) for i, c in enumerate(cols)])


# ---------------------------------------------------------------------------
# the shapes (shared by the 24-bit and the 16-colour versions)
# ---------------------------------------------------------------------------

def play_shape():
    return [(4, 1.6), (4, 16.4), (16, 9)]


def check_shape():
    return [(2.6, 9.6), (6.8, 13.6), (15.4, 4.4)]


def arrow_shape():
    return [(2, 6), (9, 6), (9, 2), (16, 9), (9, 16), (9, 12), (2, 12)]


def draw_start(c, pal):
    tri = play_shape()
    c.fill(R.offset(tri, 0.0), pal["ink"])
    c.fill(R.offset(tri, -1.1), vgrad(3, 15, pal["g_l"], pal["g"], pal["g_d"]))


def draw_ready(c, pal):
    pts = check_shape()
    c.line(pts, 5.0, pal["ink"], cap="round", join="round")
    c.line(pts, 3.0, vgrad(4, 14, pal["g_l"], pal["g"], pal["g_d"]), cap="round", join="round")


def draw_skip(c, pal):
    a = arrow_shape()
    c.fill(a, pal["ink"])
    c.fill(R.offset(a, -1.0), vgrad(3, 15, pal["b_l"], pal["b"], pal["b_d"]))
    c.fill([(3, 7), (10, 7), (10, 4.4), (13.6, 8), (3, 8)], pal["b_hi"], opacity=0.4)


def draw_stop(c, pal):
    sq = R.rrect(3, 3, 15, 15, 2.2)
    c.fill(sq, pal["ink"])
    c.fill(R.rrect(4, 4, 14, 14, 1.3), vgrad(4, 14, pal["r_l"], pal["r"], pal["r_d"]))
    c.fill(R.rrect(5, 5, 13, 8.5, 1.0), pal["r_hi"], opacity=0.35)


def draw_list(c, pal):
    # a sheet with a blue heading and two columns of words
    c.fill(R.rect(2, 1, 16, 17), pal["ink"])
    c.fill(R.rect(3, 2, 15, 16), pal["white"])
    c.fill(R.rect(3, 2, 15, 5), vgrad(2, 5, pal["b_l"], pal["b"]))
    c.fill(R.rect(3, 5, 15, 6), pal["ink"])
    for y in (7, 10, 13):
        c.fill(R.rect(4, y, 8, y + 2), pal["b_d"])
        c.fill(R.rect(10, y, 14, y + 2), pal["grey_d"])
    c.fill(R.rect(9, 6, 10, 16), pal["grey_l"])


def draw_exit(c, pal):
    # door frame with a dark opening
    c.fill(R.rect(2, 1, 12, 17), pal["ink"])
    c.fill(R.rect(3, 2, 11, 17), vgrad(2, 17, pal["grey_d"], pal["ink"]))
    # the open door leaf, hinged on the left
    leaf = [(2, 1), (7, 3), (7, 17), (2, 17)]
    c.fill(leaf, pal["ink"])
    c.fill(R.offset(leaf, -1.0), vgrad(2, 17, pal["w_l"], pal["w"], pal["w_d"]))
    c.fill(R.rect(5, 9, 6, 11), pal["gold"])
    # the way out
    arr = [(7.5, 7), (12, 7), (12, 3.5), (17.5, 9), (12, 14.5), (12, 11), (7.5, 11)]
    c.fill(arr, pal["ink"])
    c.fill(R.offset(arr, -1.0), vgrad(4, 14, pal["g_l"], pal["g"], pal["g_d"]))
    c.fill([(8.5, 8), (13, 8), (13, 5.8), (15.2, 8)], pal["g_hi"], opacity=0.4)


def gear_shape(cx, cy, r_out, r_in, teeth, tooth_frac=0.5, rot=0.0):
    pts = []
    step = 2 * math.pi / teeth
    half_top = step * tooth_frac * 0.36
    half_root = step * tooth_frac * 0.62
    for k in range(teeth):
        a = rot + k * step
        for ang, r in ((a - half_root, r_in), (a - half_top, r_out),
                       (a + half_top, r_out), (a + half_root, r_in)):
            pts.append((cx + r * math.cos(ang), cy + r * math.sin(ang)))
        # follow the root circle to the next tooth
        a0 = a + half_root
        a1 = a + step - half_root
        for t in (0.33, 0.66):
            ang = a0 + (a1 - a0) * t
            pts.append((cx + r_in * math.cos(ang), cy + r_in * math.sin(ang)))
    return pts


def draw_options(c, pal):
    g = gear_shape(9, 9, 8.4, 6.2, 8, rot=math.pi / 8)
    c.fill([g, R.circle(9, 9, 2.6)], pal["ink"], rule="evenodd")
    inner = R.offset(g, -1.0)
    c.fill([inner, R.circle(9, 9, 3.6)], vgrad(1, 17, pal["grey_l"], pal["grey"], pal["grey_d"]),
           rule="evenodd")
    c.fill([R.circle(9, 9, 4.6), R.circle(9, 9, 3.6)], pal["grey_l"], rule="evenodd", opacity=0.7)


def letter_a():
    outer = [(7, 1), (11, 1), (16, 16), (12, 16), (11, 13), (7, 13), (6, 16), (2, 16)]
    hole = [(9, 5), (10.4, 10), (7.6, 10)]
    return outer, hole


def draw_font(c, pal):
    outer, hole = letter_a()
    c.fill([outer, hole], pal["ink"], rule="evenodd")
    c.fill([R.offset(outer, -1.0), R.offset(hole, 1.0)],
           vgrad(2, 15, pal["b_l"], pal["b"], pal["b_d"]), rule="evenodd")
    # a red underline: the font command also sets the text colour
    c.fill(R.rect(2, 16, 16, 18), pal["r"])
    c.fill(R.rect(2, 17, 16, 18), pal["r_d"])


def draw_theme(c, pal):
    c.fill(R.rect(1, 3, 17, 16), pal["ink"])
    c.fill(R.rect(2, 4, 16, 15), vgrad(4, 15, pal["gold_l"], pal["gold"], pal["gold_d"]))
    c.fill(R.rect(3, 5, 15, 14), pal["ink"])
    c.fill(R.rect(4, 6, 14, 13), vgrad(6, 13, pal["sky_t"], pal["sky_l"]))
    c.fill(R.circle(11.5, 8.3, 1.55), pal["gold"])
    c.fill([(4, 13), (4, 11.2), (6.8, 8.8), (9.6, 11.4), (11.2, 10.4), (14, 12.4), (14, 13)],
           vgrad(9, 13, pal["g_l"], pal["g_d"]))


TICK = [".......L",
        "......LD",
        "..L..LD.",
        "..DLLD..",
        "...DD...",]


def draw_groups(c, pal):
    # three groups in a checklist: two ticked, one left out
    for k, y in enumerate((1, 7, 13)):
        c.fill(R.rect(1, y, 6, y + 5), pal["ink"])
        c.fill(R.rect(2, y + 1, 5, y + 4), pal["white"])
        c.fill(R.rect(9, y + 2, 17, y + 4), pal["grey"] if k == 2 else pal["b_d"])
        if k < 2:
            for j, row in enumerate(TICK):
                for i, ch in enumerate(row):
                    if ch != ".":
                        col = pal["g"] if ch == "L" else pal["g_d"]
                        c.fill(R.rect(i, y - 1 + j, i + 1, y + j), col)


def draw_about(c, pal):
    c.fill(R.circle(9, 9, 8.1), pal["ink"])
    c.fill(R.circle(9, 9, 7.1), vgrad(2, 16, pal["b_l"], pal["b"], pal["b_d"]))
    c.fill(R.ellipse(9, 5.6, 4.6, 2.6), pal["b_hi"], opacity=0.25)
    c.fill(R.circle(9, 5.2, 1.35), pal["white"])
    c.fill([(7, 7.5), (10, 7.5), (10, 13), (11, 13), (11, 14), (7, 14), (7, 13), (8, 13),
            (8, 8.5), (7, 8.5)], pal["white"])


ICONS = [draw_start, draw_ready, draw_skip, draw_stop, draw_list, draw_exit,
         draw_options, draw_font, draw_theme, draw_groups, draw_about]

TRUE_PAL = {
    "ink": INK, "white": WHITE,
    "g": GREEN, "g_l": GREEN_L, "g_d": GREEN_D, "g_hi": WHITE,
    "b": BLUE, "b_l": BLUE_L, "b_d": BLUE_D, "b_hi": WHITE,
    "r": RED, "r_l": RED_L, "r_d": RED_D, "r_hi": WHITE,
    "w": WOOD, "w_l": WOOD_L, "w_d": WOOD_D,
    "gold": GOLD, "gold_l": GOLD_L, "gold_d": GOLD_D,
    "grey": GREY, "grey_l": GREY_L, "grey_d": GREY_D,
    "sky_t": SKY_TOP, "sky_l": SKY_LOW,
}


def render_icon(fn, s=16):
    c = R.Canvas(N, N, s)
    fn(c, TRUE_PAL)
    return c.result()


def snap_on_key(rgba, key=KEY, face=FACE, threshold=128):
    """Opaque where at least half covered (blended with `face`), key elsewhere."""
    out = Image.new("RGB", rgba.size, key)
    src = rgba.load()
    dst = out.load()
    for y in range(rgba.size[1]):
        for x in range(rgba.size[0]):
            r, g, b, a = src[x, y]
            if a >= threshold:
                t = a / 255.0
                dst[x, y] = (int(round(r * t + face[0] * (1 - t))),
                             int(round(g * t + face[1] * (1 - t))),
                             int(round(b * t + face[2] * (1 - t))))
    return out


def toolbar_strip():
    strip = Image.new("RGB", (N * len(ICONS), N), KEY)
    for i, fn in enumerate(ICONS):
        strip.paste(snap_on_key(render_icon(fn)), (i * N, 0))
    return strip


# ---------------------------------------------------------------------------
# the same drawings at twice the size, for screens scaled above 100 %: the
# vectors are reduced to 36 x 36 instead of 18 x 18, so outlines stay two
# pixels wide and every curve keeps its shape
# ---------------------------------------------------------------------------

def render_icon_large(fn, s=16):
    c = R.Canvas(N, N, s)
    fn(c, TRUE_PAL)
    return c.img.convert("RGBa").reduce(s // 2).convert("RGBA")


def toolbar_strip_large():
    strip = Image.new("RGB", (2 * N * len(ICONS), 2 * N), KEY)
    for i, fn in enumerate(ICONS):
        strip.paste(snap_on_key(render_icon_large(fn)), (i * 2 * N, 0))
    return strip


def large_button(kind):
    """Ready (tick) or Skip (arrow) at 36 x 36 in full colour on the key."""
    return snap_on_key(render_icon_large(draw_ready if kind == "ready" else draw_skip))


# ---------------------------------------------------------------------------
# 16-colour versions: same shapes, each pixel takes the colour that covers
# most of it (no blending), using only the standard VGA colours
# ---------------------------------------------------------------------------

VGA_PAL = {
    "ink": (0, 0, 0), "white": (255, 255, 255),
    "g": (0, 128, 0), "g_l": (0, 255, 0), "g_d": (0, 128, 0), "g_hi": (0, 255, 0),
    "b": (0, 0, 255), "b_l": (0, 255, 255), "b_d": (0, 0, 128), "b_hi": (0, 255, 255),
}


def majority_reduce(img, s, bg):
    w, h = img.size[0] // s, img.size[1] // s
    out = Image.new("RGB", (w, h), bg)
    for y in range(h):
        for x in range(w):
            block = img.crop((x * s, y * s, (x + 1) * s, (y + 1) * s))
            cols = block.getcolors(s * s)
            cols.sort(key=lambda t: (-t[0], t[1]))
            out.putpixel((x, y), cols[0][1])
    return out


def vga_button(kind, s=16):
    """Ready (tick) or Skip (arrow) in the 16 standard colours on silver."""
    bg = (192, 192, 192)
    c = R.Canvas(N, N, s, bg=bg)
    if kind == "ready":
        pts = check_shape()
        c.line(pts, 5.0, VGA_PAL["ink"])
        c.line(pts, 3.0, VGA_PAL["g"])
        fill, light = VGA_PAL["g"], VGA_PAL["g_l"]
    else:
        a = arrow_shape()
        c.fill(a, VGA_PAL["ink"])
        c.fill(R.offset(a, -1.0), VGA_PAL["b"])
        fill, light = VGA_PAL["b"], VGA_PAL["b_l"]
    img = majority_reduce(c.img, s, bg)
    # a one-pixel bevel: fill pixels lying right under the outline catch the light
    px = img.load()
    lit = [(x, y) for y in range(1, N) for x in range(N)
           if px[x, y] == fill and px[x, y - 1] == VGA_PAL["ink"]]
    for x, y in lit:
        px[x, y] = light
    assert all(col in VGA16 for _, col in img.getcolors(1024))
    return img

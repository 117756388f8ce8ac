"""The splash picture (276 x 281) and the about-box picture (91 x 195)."""

import math
import random

from PIL import ImageDraw, ImageFont

from . import raster as R
from . import scenes as S
from . import icon as I
from .palette import *  # noqa: F401,F403

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"

# The version line ("Version 2.0.001") is not part of the picture: the program
# writes it over the title panel as it shows the splash, centred, baseline at
# y = VERSION_BASELINE, in GREY_D, so that it is always the version of the
# build. Keep that strip free.
VERSION_BASELINE = 269


def font(name, size):
    # the basic layout keeps FreeType's hinted advances: even letter spacing
    return ImageFont.truetype(FONT_DIR + name, size, layout_engine=ImageFont.Layout.BASIC)


def text_centered(img, cx, top, text, fnt, fill, shadow=None):
    """Draw text with its ink box horizontally centred on cx, its top at `top`
    (whole pixels, so the hinted glyphs stay sharp)."""
    d = ImageDraw.Draw(img)
    l, t, r, b = d.textbbox((0, 0), text, font=fnt)
    x = int(round(cx - (r - l) / 2.0)) - l
    y = top - t
    if shadow:
        d.text((x + shadow[0], y + shadow[1]), text, font=fnt, fill=shadow[2])
    d.text((x, y), text, font=fnt, fill=fill)
    return x + l, x + r, top + (b - t)


def text_width(text, fnt):
    l, t, r, b = fnt.getbbox(text)
    return r - l


# ---------------------------------------------------------------------------
# splash
# ---------------------------------------------------------------------------

SW, SH = 276, 281
SEA_TOP = 104            # horizon
PANEL = 150              # top of the title panel


def splash():
    c = R.Canvas(SW, SH, 8, bg=(255, 255, 255))
    # the sunny sea
    S.sky(c, 0, 0, SW, SEA_TOP)
    S.sun(c, 46, 34, 13)
    S.cloud(c, 206, 38, 50)
    S.cloud(c, 124, 22, 28)
    S.cloud(c, 252, 70, 24)
    S.gull(c, 96, 52, 3.6)
    S.gull(c, 106, 58, 2.6)
    S.sea(c, 0, SEA_TOP, SW, PANEL + 8)
    c.fill(R.rect(0, SEA_TOP, SW, SEA_TOP + 1), WHITE, opacity=0.5)
    rnd = random.Random(9)
    for _ in range(18):
        y = rnd.uniform(SEA_TOP + 2, PANEL - 4)
        x = 46 + rnd.gauss(0, 4 + (y - SEA_TOP) * 0.4)
        w = 2 + (y - SEA_TOP) * 0.1
        c.fill(R.rect(x - w / 2, y, x + w / 2, y + 1), (255, 240, 190), opacity=0.7)
    S.wave_marks(c, 0, SEA_TOP + 4, SW, PANEL - 2, 17, 40)
    c.fill(R.ellipse(170, 136, 42, 3.6), SEA_D, opacity=0.45)
    S.boat(c, 170, 133, 1.2, rot=-0.02)
    S.swell(c, 0, SW, 136, 1.2, 34, 0.3, R.Linear((0, 134), (0, PANEL), [(0, SEA), (1, SEA_D)]), 30)
    # the title panel with a foamy wave for its top edge
    edge = [(x, PANEL + 2.2 * math.sin(2 * math.pi * x / 69.0)) for x in range(0, SW + 1, 2)]
    foam = [(x, y - 2.0) for x, y in edge]
    c.fill(foam + [(SW, SH), (0, SH)], (228, 244, 252))
    c.fill(edge + [(SW, SH), (0, SH)], S.vgrad(PANEL, SH, PAPER, (244, 238, 222)))
    # three word cards: the forms of one verb
    cards_y = 235
    frame(c)
    img = c.result()

    # ---- crisp text and the cards, straight on the final pixels ----
    f_title = font("DejaVuSans-Bold.ttf", 30)
    f_sub = font("DejaVuSans-Bold.ttf", 13)
    f_ru = font("DejaVuSansCondensed.ttf", 12)
    f_card = font("DejaVuSans-Bold.ttf", 11)

    # the icon and the title side by side, centred as a group
    title = "Lexoria"
    tw = text_width(title, f_title)
    gap = 8
    group = 32 + gap + tw
    gx = int(round((SW - group) / 2.0))
    icon = I.draw_icon(32)
    img.paste(icon, (gx, 160), icon)
    d = ImageDraw.Draw(img)
    l, t, r, b = d.textbbox((0, 0), title, font=f_title)
    tx = gx + 32 + gap - l
    ty = 160 + (32 - (b - t)) // 2 - t + 1
    d.text((tx + 1, ty + 1), title, font=f_title, fill=(214, 206, 186))
    d.text((tx, ty), title, font=f_title, fill=INK)

    text_centered(img, SW / 2.0, 200, "Irregular English verbs", f_sub, BLUE_D)
    text_centered(img, SW / 2.0, 218, "Неправильные глаголы английского языка", f_ru, INK_SOFT)

    # go -> went -> gone
    words = ["go", "went", "gone"]
    pad = 7
    widths = [text_width(w, f_card) + 2 * pad for w in words]
    arrow = 14
    total = sum(widths) + arrow * 2
    x = int(round((SW - total) / 2.0))
    cc = R.Canvas(SW, SH, 8, bg=(0, 0, 0, 0))
    boxes = []
    for i, wd in enumerate(widths):
        box = (x, cards_y, x + wd, cards_y + 17)
        boxes.append(box)
        colr = (BLUE, BLUE_D) if i == 0 else (GREEN, GREEN_D)
        cc.fill(R.rrect(box[0], box[1] + 1, box[2], box[3] + 1, 3.5), (214, 206, 186))
        cc.fill(R.rrect(*box, 3.5), INK)
        cc.fill(R.rrect(box[0] + 1, box[1] + 1, box[2] - 1, box[3] - 1, 2.6),
                S.vgrad(box[1], box[3], R.lerp(colr[0], WHITE, 0.25), colr[1]))
        x += wd
        if i < 2:
            ay = cards_y + 8.5
            cc.fill(R.stroke([(x + 3, ay), (x + arrow - 4, ay)], 1.6, cap="butt"), INK_SOFT)
            cc.fill([(x + arrow - 5.5, ay - 3.5), (x + arrow - 1.5, ay), (x + arrow - 5.5, ay + 3.5)], INK_SOFT)
            x += arrow
    layer = cc.result()
    img.paste(layer, (0, 0), layer)
    d = ImageDraw.Draw(img)
    # one baseline for the three words, their x-height centred in the card
    xl, xt, xr, xb = f_card.getbbox("x", anchor="ls")
    base = cards_y + int(round((17 + (xb - xt)) / 2.0))
    for wtxt, box in zip(words, boxes):
        l, t, r, b = d.textbbox((0, 0), wtxt, font=f_card, anchor="ls")
        tx = box[0] + (box[2] - box[0] - (r - l)) // 2 - l
        d.text((tx, base), wtxt, font=f_card, fill=WHITE, anchor="ls")

    return img


def frame(c):
    w, h = c.w, c.h
    c.fill([R.rect(0, 0, w, h), R.rect(1, 1, w - 1, h - 1)], INK, rule="evenodd")


# ---------------------------------------------------------------------------
# about-box side picture
# ---------------------------------------------------------------------------

AW, AH = 91, 195


def about():
    c = R.Canvas(AW, AH, 8, bg=(255, 255, 255))
    horizon = 132
    S.sky(c, 0, 0, AW, horizon, top=SKY_TOP, mid=SKY_MID, low=SKY_LOW)
    # the book rises like the sun, with rays behind it
    cx, cy = 45.5, 62
    for k in range(10):
        c.fill(R.circle(cx, cy, 44 - 2.2 * k), GOLD_L, opacity=0.05)
    for k in range(16):
        a = k * math.pi / 8 + math.pi / 16
        a0, a1 = a - 0.09, a + 0.09
        c.fill([(cx, cy), (cx + 60 * math.cos(a0), cy + 60 * math.sin(a0)),
                (cx + 60 * math.cos(a1), cy + 60 * math.sin(a1))], WHITE, opacity=0.16)
    S.cloud(c, 16, 118, 22)
    S.cloud(c, 80, 112, 18)
    S.sea(c, 0, horizon, AW, AH)
    c.fill(R.rect(0, horizon, AW, horizon + 1), WHITE, opacity=0.5)
    S.wave_marks(c, 0, horizon + 3, AW, AH - 2, 23, 22)
    c.fill(R.ellipse(47, 170, 24, 2.4), SEA_D, opacity=0.45)
    S.boat(c, 47, 168, 0.66, rot=-0.02)
    S.swell(c, 0, AW, 170, 0.9, 23, 0.9, R.Linear((0, 169), (0, AH), [(0, SEA), (1, SEA_D)]), 30)
    S.wave_marks(c, 0, 174, AW, AH - 1, 29, 8, opacity=0.6, size=(6, 9))
    # the book (the icon's 48-pixel design, 1.5 times larger)
    k = 1.5
    I.paint_icon(R.Placed(c, cx - 24 * k, cy - 24 * k, k), 48)
    frame(c)
    return c.result()

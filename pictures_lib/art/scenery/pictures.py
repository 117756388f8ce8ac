"""The sixteen theme pictures: the year of the kestrel and its cousins,
spring to winter, each season at dawn, by day, at dusk and at night.

Every picture is 240 x 300, drawn at four times its size and reduced.
"""

import math
import random

from artkit import raster as R
from . import paint as P
from . import sky, land, flora, kestrel, owls, raptors
from .shapes import Figure, clip_to, path

W, H = 240, 300
SS = 4


def canvas():
    return R.Canvas(W, H, SS, bg=(0, 0, 0))


def bark_branch(c, p0, p1, p2, p3, w0, w1, bark=(96, 66, 48), light=(150, 112, 82), dark=(58, 40, 30)):
    return flora.limb(c, p0, p1, p2, p3, w0, w1, bark, light, dark)


def cabin(c, x, y, k=1.0):
    """A small log cabin with snow on the roof and a warm lit window."""
    f = Figure(c, x, y, k)
    f.fill(R.rect(-16, -16, 16, 0), P.V(-16, 0, (120, 84, 80), (90, 60, 60)))
    for yy in (-12, -8, -4):
        f.line([(-16, yy), (16, yy)], 0.5, (60, 40, 44), 0.6)
    f.fill(R.rect(8, -30, 13, -16), (90, 70, 76))
    P.glow(c, *f.pt((-4, -8)), 14 * k, (255, 200, 110), opacity=0.45, blur=6 * k)
    f.fill(R.rect(-8, -12, 0, -4), (255, 214, 120))
    f.line([(-4, -12), (-4, -4)], 0.8, (90, 60, 60))
    f.line([(-8, -8), (0, -8)], 0.8, (90, 60, 60))
    f.fill([(-20, -15), (0, -30), (20, -15), (20, -13), (0, -27), (-20, -13)], (250, 246, 255))
    f.fill([(-20, -15), (0, -30), (20, -15)], P.V(-30, -15, (255, 255, 255), (226, 222, 244)))
    f.fill(R.rect(8.5, -32, 12.5, -29.5), (250, 246, 255))
    for i, (sx, sy, r) in enumerate(((11, -36, 2.2), (13, -42, 3), (16, -49, 3.8))):
        f.fill(R.circle(sx, sy, r), (220, 210, 236), 0.5 - i * 0.1)


def butterfly(c, x, y, k, col, tilt=0.0):
    """A small butterfly, wings open."""
    f = Figure(c, x, y, k, rot=tilt)
    dark = P.mix(col, (60, 40, 30), 0.5)
    for sx in (-1, 1):
        f.fill(R.ellipse(sx * 3.2, -2, 3.4, 2.8), col)
        f.fill(R.ellipse(sx * 2.4, 2, 2.2, 1.9), P.mix(col, (255, 160, 60), 0.3))
        f.fill(R.circle(sx * 3.6, -2.4, 0.8), dark)
    f.line([(0, -3), (0, 3)], 0.9, (50, 40, 40))
    f.line([(0, -3), (-1.5, -6)], 0.3, (50, 40, 40))
    f.line([(0, -3), (1.5, -6)], 0.3, (50, 40, 40))


def vole(c, x, y, k=1.0):
    """A little field vole sitting up in the grass, looking at the sky."""
    f = Figure(c, x, y, k)
    fur, dark, light = (150, 110, 80), (100, 70, 50), (214, 184, 150)
    f.fill(R.ellipse(0, -6, 9, 7.5), P.V(-14, 2, (176, 134, 100), fur, dark))
    f.fill(R.ellipse(4, -14, 6, 5.2), P.V(-19, -9, (176, 134, 100), fur))
    f.fill(R.ellipse(-1, -4, 5, 4.5), light, 0.8)
    f.fill(R.circle(1.5, -18.2, 2.2), dark)
    f.fill(R.circle(1.5, -18.2, 1.2), (230, 170, 160))
    f.fill(R.circle(6, -15.5, 1.4), (20, 14, 12))
    f.fill(R.circle(6.4, -16, 0.5), (255, 255, 255))
    f.fill(R.circle(10, -13.2, 1.0), (60, 40, 40))
    for d in (-1, 0, 1):
        f.line([(9, -13 + d * 0.6), (14, -14 + d * 2)], 0.25, (60, 50, 40), 0.7)
    f.fill(R.ellipse(6, -6, 2, 1.4), (230, 170, 160))


# ---------------------------------------------------------------------------
# spring
# ---------------------------------------------------------------------------

def spring_dawn():
    """A kestrel on a blossoming branch at sunrise over misty green hills."""
    c = canvas()
    sky.gradient(c, (116, 140, 204), (214, 170, 196), (255, 196, 170), (255, 228, 180), y1=190)
    sky.sun(c, 74, 158, 15, halo=(255, 190, 140))
    sky.streaks(c, 11, 7, 40, 130, [(255, 206, 196), (246, 176, 176), (255, 222, 200)], opacity=0.8)
    land.layered_hills(c, 3, [
        dict(y=160, waves=[(9, 110), (4, 37)], col=(176, 164, 196), trees=((164, 152, 186), 5, 1.4)),
        dict(y=178, waves=[(10, 140), (4, 45)], col=(140, 170, 150), trees=((124, 158, 138), 7, 1.0, "round")),
        dict(y=204, waves=[(12, 170), (5, 53)], col=(112, 170, 96)),
        dict(y=244, waves=[(10, 220), (4, 61)], col=(86, 156, 70), depth=80),
    ], haze=(255, 232, 214))
    P.soft_band(c, 186, 200, (255, 240, 232), 0.55, 5)
    P.soft_band(c, 222, 234, (255, 244, 236), 0.45, 5)
    flora.round_tree(c, 26, 236, 54, (236, 170, 196), (255, 216, 230), (196, 124, 156), seed=5,
                     blossom=[(255, 255, 255), (255, 220, 232)], dots=50)
    flora.grass(c, 4, -5, 245, lambda x: 302, 150, (12, 34), [(70, 140, 56), (98, 168, 66), (50, 112, 44)])
    rnd0 = random.Random(44)
    for _ in range(16):
        y = rnd0.uniform(262, 298)
        flora.daisy(c, rnd0.uniform(4, 236), y, 2 + (y - 262) * 0.05)
    for _ in range(10):
        flora.dandelion(c, rnd0.uniform(4, 236), rnd0.uniform(268, 298), 2.6)
    butterfly(c, 58, 150, 1.0, (255, 220, 90), 0.3)
    butterfly(c, 40, 176, 0.8, (255, 250, 250), -0.2)
    # the branch from the right with its blossom
    bark_branch(c, (250, 224), (200, 214), (150, 212), (90, 198), 16, 5)
    bark_branch(c, (180, 214), (162, 200), (150, 190), (136, 174), 6, 2)
    bark_branch(c, (124, 206), (110, 214), (98, 222), (80, 228), 5, 1.5)
    bark_branch(c, (226, 220), (222, 236), (216, 246), (204, 256), 5, 1.5)
    for i, (x, y, n) in enumerate([(92, 196, 13), (136, 172, 12), (82, 226, 11), (236, 210, 10), (204, 256, 10),
                                   (118, 204, 5)]):
        flora.blossom_cluster(c, 40 + i, x, y, 13, n, [(255, 220, 232), (255, 236, 242), (248, 190, 212)],
                              (226, 100, 140), r=(2.6, 4.0), leaves=(110, 170, 80))
    bird = P.tinted(kestrel.KESTREL, (255, 200, 160), 0.08)
    kestrel.perched(c, 166, 211, 1.45, flip=True, C=bird)
    flora.blossom_cluster(c, 60, 192, 220, 8, 6, [(255, 220, 232), (255, 236, 242)], (226, 100, 140),
                          leaves=(110, 170, 80))
    rnd = random.Random(9)
    for _ in range(10):
        flora.blossom(c, rnd.uniform(10, 230), rnd.uniform(110, 280), rnd.uniform(1.5, 2.5), (255, 226, 236),
                      (236, 140, 170), rnd.uniform(0, 3), 0.85)
    return c


def spring_day():
    """A kestrel hovering over a meadow of dandelions and daisies."""
    c = canvas()
    sky.gradient(c, (58, 128, 214), (124, 184, 240), (206, 232, 250), y1=200)
    sky.cloud(c, 52, 64, 70, 3)
    sky.cloud(c, 196, 40, 56, 4)
    sky.cloud(c, 190, 150, 40, 5, opacity=0.9)
    land.layered_hills(c, 8, [
        dict(y=190, waves=[(8, 120), (3, 40)], col=(150, 186, 206), trees=((138, 176, 198), 5, 1.3)),
        dict(y=206, waves=[(9, 150), (4, 47)], col=(124, 186, 110), trees=((96, 160, 88), 8, 1.0, "round")),
        dict(y=230, waves=[(8, 190), (4, 59)], col=(122, 196, 84)),
        dict(y=258, waves=[(6, 260), (3, 71)], col=(100, 180, 70), depth=60),
    ], haze=(220, 240, 250), mist=0.25)
    flora.round_tree(c, 208, 226, 44, (70, 150, 64), (130, 200, 96), (40, 104, 44), seed=3)
    flora.round_tree(c, 30, 214, 30, (70, 150, 64), (130, 200, 96), (40, 104, 44), seed=4)
    rnd = random.Random(21)
    for _ in range(26):
        x, y = rnd.uniform(0, 240), rnd.uniform(236, 256)
        flora.dandelion(c, x, y, 1.2)
    flora.grass(c, 6, -5, 245, lambda x: 303, 160, (12, 34), [(62, 146, 52), (96, 178, 64), (46, 116, 42), (130, 196, 80)])
    for _ in range(14):
        flora.dandelion(c, rnd.uniform(5, 235), rnd.uniform(268, 296), rnd.uniform(2.4, 3.4))
    for _ in range(12):
        flora.daisy(c, rnd.uniform(5, 235), rnd.uniform(262, 296), rnd.uniform(3, 4.2))
    vole(c, 174, 286, 1.7)
    kestrel.hovering(c, 124, 150, 1.1)
    return c


def spring_dusk():
    """An osprey carrying a fish over a mountain lake at sunset."""
    c = canvas()
    sky.gradient(c, (52, 60, 124), (150, 92, 150), (246, 134, 110), (255, 200, 120), y1=176)
    sky.sun(c, 168, 168, 13, core=(255, 244, 210), rim=(255, 190, 100), halo=(255, 150, 90))
    sky.streaks(c, 14, 8, 30, 140, [(250, 150, 140), (200, 110, 150), (255, 180, 150)], opacity=0.7)
    land.mountains(c, [(50, 104), (118, 122), (200, 96)], 178, (120, 92, 140), (86, 64, 110),
                   snow=(255, 206, 196), snow_shade=(206, 150, 170), seed=4)
    land.layered_hills(c, 12, [
        dict(y=168, waves=[(5, 90), (2, 31)], col=(70, 58, 96), trees=((62, 50, 88), 7, 1.6)),
    ], haze=(200, 120, 130), mist=0.2)
    land.water(c, 176, 300, (250, 170, 130), (60, 60, 110))
    land.reflect(c, 176, 300, (70, 60, 110), amount=0.35, ripples=40, ripple_opacity=0.4)
    # the sun's path on the water
    rnd = random.Random(3)
    for _ in range(26):
        y = rnd.uniform(180, 296)
        w = 4 + (y - 176) * 0.22
        x = 168 + rnd.gauss(0, 2 + (y - 176) * 0.1)
        c.fill(R.rect(x - w / 2, y, x + w / 2, y + 0.8 + (y - 176) * 0.008), (255, 220, 150), opacity=0.7)
    # dark pines on the near shore
    for i, (x, h) in enumerate([(8, 70), (24, 54), (38, 44), (214, 62), (232, 80)]):
        flora.fir(c, x, 300, h, (40, 34, 60), (70, 56, 88), seed=i)
    raptors.osprey_fishing(c, 118, 94, 0.98, rot=-0.1, tint=((255, 170, 130), 0.12))
    return c


def spring_night():
    """A barn owl on a blossoming branch under the full moon."""
    c = canvas()
    sky.gradient(c, (10, 16, 46), (28, 44, 96), (62, 84, 140), y1=240)
    sky.stars(c, 31, 120, 0, 200, avoid=(164, 82, 44))
    sky.moon(c, 164, 82, 30)
    land.layered_hills(c, 2, [
        dict(y=220, waves=[(8, 110), (3, 39)], col=(44, 56, 100), trees=((38, 50, 92), 6, 1.4)),
        dict(y=250, waves=[(8, 160), (4, 49)], col=(30, 42, 78), trees=((26, 36, 70), 8, 1.0, "round")),
        dict(y=280, waves=[(6, 200), (3, 61)], col=(20, 30, 58)),
    ], haze=(70, 90, 150), mist=0.3)
    P.soft_band(c, 236, 252, (120, 140, 200), 0.3, 6)
    bark_branch(c, (-10, 224), (40, 216), (100, 212), (170, 222), 17, 6, (70, 52, 50), (120, 100, 110), (40, 30, 34))
    bark_branch(c, (130, 216), (160, 200), (186, 190), (210, 180), 6, 2, (70, 52, 50), (120, 100, 110))
    bark_branch(c, (40, 220), (46, 236), (50, 248), (62, 258), 6, 2, (70, 52, 50), (120, 100, 110))
    for i, (x, y, n) in enumerate([(208, 178, 13), (172, 222, 12), (62, 256, 11), (14, 214, 9), (146, 206, 6)]):
        flora.blossom_cluster(c, 70 + i, x, y, 13, n, [(236, 210, 236), (250, 236, 250), (214, 186, 226)],
                              (180, 100, 150), r=(2.6, 4.0), leaves=(60, 100, 90))
    rnd0 = random.Random(13)
    for _ in range(12):
        fx, fy = rnd0.uniform(10, 230), rnd0.uniform(240, 296)
        P.glow(c, fx, fy, 3, (230, 255, 140), opacity=0.5, blur=2)
        c.fill(R.circle(fx, fy, 0.8), (250, 255, 190))
    owls.perched_side(c, 104, 214, 1.12, owls.BARN)
    rnd = random.Random(12)
    for _ in range(8):
        flora.blossom(c, rnd.uniform(10, 230), rnd.uniform(120, 290), rnd.uniform(1.3, 2.2), (240, 220, 240),
                      (190, 120, 160), rnd.uniform(0, 3), 0.8)
    return c


# ---------------------------------------------------------------------------
# summer
# ---------------------------------------------------------------------------

def summer_dawn():
    """A little owl on a fence post over a field of poppies at sunrise."""
    c = canvas()
    sky.gradient(c, (140, 180, 226), (250, 214, 170), (255, 236, 190), y1=180)
    sky.sun(c, 176, 154, 16, halo=(255, 220, 150))
    sky.streaks(c, 21, 5, 50, 120, [(255, 240, 220), (255, 226, 200)], opacity=0.8)
    sky.cloud(c, 190, 70, 56, 22, top=(255, 246, 236), base=(250, 206, 186), opacity=0.9)
    sky.cloud(c, 50, 40, 40, 23, top=(255, 246, 236), base=(240, 206, 196), opacity=0.8)
    for (bx, by, bs, fl) in ((150, 112, 5, 0.0), (166, 100, 4, 0.3), (200, 124, 3.5, 0.1)):
        sky.swallow(c, bx, by, bs, (60, 56, 80), fl)
    land.layered_hills(c, 17, [
        dict(y=166, waves=[(6, 120), (3, 41)], col=(170, 190, 180), trees=((156, 178, 170), 6, 1.2, "round")),
        dict(y=182, waves=[(7, 150), (3, 47)], col=(196, 196, 120)),
        dict(y=204, waves=[(8, 190), (4, 57)], col=(150, 180, 80), trees=((120, 154, 70), 9, 0.6, "round")),
        dict(y=236, waves=[(6, 240), (3, 67)], col=(110, 160, 60), depth=70),
    ], haze=(255, 236, 200), mist=0.35)
    P.soft_band(c, 176, 188, (255, 246, 230), 0.5, 5)
    flora.grass(c, 31, -5, 245, lambda x: 302, 150, (14, 40), [(88, 150, 56), (120, 176, 70), (64, 124, 46)])
    rnd = random.Random(5)
    for _ in range(40):
        y = rnd.uniform(232, 298)
        flora.poppy(c, rnd.uniform(0, 240), y, 1.2 + (y - 232) * 0.045)
    land.fence(c, [(-30, 198, 256, 7), (60, 200, 244, 7), (150, 206, 240, 6), (250, 208, 236, 5)], (0.25, 0.6))
    # the near post with its grain
    px = 78
    c.fill(R.rect(px - 11, 206, px + 11, 302), P.L((px - 11, 0), (px + 11, 0), (170, 128, 92), (122, 86, 58), (80, 56, 38)))
    c.fill([(px - 11, 206), (px, 201), (px + 11, 206)], (186, 146, 106))
    for gx in (-5, 1, 6):
        c.fill(R.stroke([(px + gx, 212), (px + gx + 1, 240), (px + gx - 1, 298)], 0.6), (80, 56, 38), opacity=0.6)
    owls.little_owl(c, px + 1, 205, 1.5, P.tinted(owls.LITTLE, (255, 220, 170), 0.06))
    for _ in range(10):
        flora.poppy(c, rnd.uniform(100, 240), rnd.uniform(270, 298), rnd.uniform(3.5, 5), stem_h=8)
    return c


def summer_day():
    """A golden eagle soaring over snowy peaks and a blue lake."""
    c = canvas()
    sky.gradient(c, (36, 100, 196), (96, 160, 230), (190, 222, 246), y1=190)
    sky.cloud(c, 44, 150, 64, 7)
    sky.cloud(c, 200, 170, 50, 8)
    land.mountains(c, [(36, 150), (110, 124), (190, 140), (250, 160)], 220, (130, 140, 164), (96, 104, 132),
                   snow=(250, 252, 255), snow_shade=(200, 214, 236), snow_line=0.4, seed=2)
    land.layered_hills(c, 22, [
        dict(y=214, waves=[(5, 100), (3, 33)], col=(70, 130, 96), trees=((54, 112, 82), 8, 1.8)),
    ], haze=(160, 200, 210), mist=0.25)
    land.water(c, 232, 300, (110, 170, 220), (40, 100, 160))
    land.reflect(c, 232, 300, (50, 110, 170), amount=0.4, ripples=30)
    land.layered_hills(c, 23, [
        dict(y=268, waves=[(6, 140), (3, 41)], col=(80, 150, 70), depth=30),
    ], haze=(120, 170, 110), mist=0.2)
    for i, (x, h) in enumerate([(10, 58), (26, 44), (224, 50)]):
        flora.fir(c, x, 300, h, (36, 92, 60), (70, 130, 80), seed=10 + i)
    raptors.eagle_soaring(c, 120, 96, 0.98, rot=0.07)
    return c


def summer_dusk():
    """A harrier gliding low over ripe wheat and round bales at sunset."""
    c = canvas()
    sky.gradient(c, (70, 60, 130), (200, 90, 110), (250, 150, 80), (255, 210, 110), y1=200)
    sky.sun(c, 196, 196, 22, core=(255, 240, 200), rim=(255, 170, 70), halo=(255, 140, 60), halo_r=80)
    sky.streaks(c, 41, 6, 30, 130, [(240, 120, 110), (200, 90, 120), (255, 170, 120)], opacity=0.8)
    land.layered_hills(c, 33, [
        dict(y=196, waves=[(4, 110), (2, 37)], col=(150, 84, 96), trees=((130, 72, 88), 6, 1.0, "round")),
        dict(y=214, waves=[(5, 150), (2, 47)], col=(214, 130, 70)),
    ], haze=(255, 170, 110), mist=0.3)
    c.fill(R.rect(-2, 226, 242, 302), P.V(226, 300, (236, 160, 70), (200, 120, 50), (150, 80, 40)))
    flora.hay_bale(c, 14, 232, 14, (214, 150, 70), (160, 96, 44), (240, 180, 100))
    flora.hay_bale(c, 168, 234, 18, (214, 150, 70), (160, 96, 44), (240, 180, 100))
    flora.wheat(c, 52, -5, 245, lambda x: 302, 70, (20, 50), (190, 120, 50), (250, 190, 90), (210, 140, 60))
    flora.wheat(c, 53, -5, 245, lambda x: 304, 60, (50, 80), (170, 100, 40), (255, 204, 110), (220, 150, 70))
    raptors.harrier_gliding(c, 124, 150, 0.98, rot=0.05, tint=((255, 160, 110), 0.14))
    return c


def summer_night():
    """An eagle owl on a boulder by a moonlit lake."""
    c = canvas()
    sky.gradient(c, (8, 14, 40), (24, 40, 90), (70, 90, 150), y1=190)
    sky.stars(c, 51, 140, 0, 180, avoid=(60, 60, 34))
    sky.moon(c, 60, 60, 24)
    land.layered_hills(c, 41, [
        dict(y=178, waves=[(7, 120), (3, 37)], col=(40, 52, 96), trees=((34, 46, 88), 7, 1.6)),
        dict(y=190, waves=[(4, 160), (2, 41)], col=(26, 36, 72), trees=((22, 30, 64), 9, 1.3)),
    ], haze=(60, 80, 140), mist=0.2)
    land.water(c, 196, 300, (50, 70, 130), (14, 22, 56))
    land.reflect(c, 196, 300, (20, 30, 70), amount=0.35, ripples=36, ripple_opacity=0.3)
    rnd = random.Random(8)
    for _ in range(24):
        y = rnd.uniform(200, 296)
        w = 3 + (y - 196) * 0.2
        x = 60 + rnd.gauss(0, 2 + (y - 196) * 0.08)
        c.fill(R.rect(x - w / 2, y, x + w / 2, y + 0.8), (230, 236, 255), opacity=0.6)
    # reeds on the near shore and fireflies
    for i in range(40):
        x = rnd.uniform(150, 245)
        h = rnd.uniform(20, 50)
        flora.blade(c, x, 302, h, rnd.uniform(-6, 6), 1.4, (20, 28, 50))
    for i in range(6):
        x = 150 + i * 16 + rnd.uniform(-4, 4)
        c.fill(R.ellipse(x + 2, 302 - rnd.uniform(34, 52), 1.6, 4.5), (40, 30, 30))
    for _ in range(18):
        x, y = rnd.uniform(120, 240), rnd.uniform(230, 296)
        P.glow(c, x, y, 3, (230, 255, 140), opacity=0.5, blur=2)
        c.fill(R.circle(x, y, 0.8), (250, 255, 190))
    # the boulder on the near shore
    stone = path((54, 304), ((56, 280), (70, 258), (96, 250)), ((118, 244), (150, 246), (170, 256)),
                 ((190, 266), (200, 286), (204, 304)))
    c.fill(stone, P.L((80, 246), (190, 304), (96, 104, 140), (62, 68, 104), (34, 38, 66)))
    c.fill(path((70, 262), ((90, 250), (130, 244), (166, 254)), ((140, 250), (100, 252), (70, 262))), (150, 160, 200),
           opacity=0.6)
    for i in range(10):
        x = 60 + i * 15 + rnd.uniform(-4, 4)
        flora.blade(c, x, 304, rnd.uniform(10, 20), rnd.uniform(-4, 4), 1.3, (28, 38, 62))
    bird = P.tinted(owls.EAGLE_OWL, (150, 170, 240), 0.16)
    owls.eagle_owl(c, 126, 250, 1.18, bird)
    return c


# ---------------------------------------------------------------------------
# autumn
# ---------------------------------------------------------------------------

AUTUMN = [(232, 120, 40), (214, 70, 40), (246, 180, 60), (190, 60, 40), (240, 150, 50)]


def autumn_dawn():
    """A buzzard on an autumn branch above a misty valley of coloured woods."""
    c = canvas()
    sky.gradient(c, (150, 170, 210), (250, 206, 170), (255, 232, 196), y1=170)
    sky.sun(c, 150, 138, 14, halo=(255, 210, 150))
    land.layered_hills(c, 61, [
        dict(y=146, waves=[(9, 120), (4, 40)], col=(190, 170, 180), trees=((178, 158, 170), 6, 1.4, "round")),
        dict(y=170, waves=[(10, 150), (4, 47)], col=(210, 150, 110), trees=((196, 134, 96), 8, 1.4, "round")),
        dict(y=198, waves=[(10, 180), (5, 53)], col=(200, 110, 60), trees=((186, 92, 48), 10, 1.3, "round")),
    ], haze=(255, 236, 214), mist=0.55)
    P.soft_band(c, 160, 172, (255, 244, 234), 0.6, 5)
    P.soft_band(c, 190, 206, (255, 244, 234), 0.55, 6)
    # the near slope with its woods in full colour
    near = land.ridge_line(62, 246, [(8, 200), (3, 61)])
    land.hill(c, near, P.V(236, 300, (176, 120, 50), (120, 80, 40)))
    rnd = random.Random(63)
    for i in range(16):
        x = -6 + i * 16 + rnd.uniform(-5, 5)
        y = land.y_at(near, x) + rnd.uniform(4, 16)
        h = rnd.uniform(30, 46)
        col = AUTUMN[rnd.randrange(len(AUTUMN))]
        flora.round_tree(c, x, y, h, col, P.mix(col, (255, 236, 160), 0.45), P.mix(col, (70, 24, 10), 0.35), seed=200 + i)
    for i in range(9):
        x = 6 + i * 28 + rnd.uniform(-6, 6)
        col = AUTUMN[rnd.randrange(len(AUTUMN))]
        flora.round_tree(c, x, 304 + rnd.uniform(0, 8), rnd.uniform(40, 56), col, P.mix(col, (255, 236, 160), 0.45),
                         P.mix(col, (70, 24, 10), 0.35), seed=220 + i)
    bark_branch(c, (-10, 200), (40, 194), (100, 192), (172, 176), 18, 6)
    bark_branch(c, (120, 188), (140, 200), (160, 208), (184, 216), 6, 2)
    bark_branch(c, (60, 196), (70, 180), (80, 170), (96, 158), 6, 2)
    bark_branch(c, (10, 198), (16, 214), (24, 226), (34, 236), 6, 2)
    for i, (x, y, n) in enumerate([(176, 174, 22), (186, 214, 18), (98, 156, 18), (34, 236, 18), (8, 186, 14)]):
        flora.leaf_cluster(c, 80 + i, x, y, 17, n, AUTUMN, size=(6, 10))
    raptors.buzzard_perched(c, 128, 186, 1.2, True, P.tinted(raptors.BUZZARD, (255, 210, 160), 0.06))
    flora.falling_leaves(c, 88, 10, 0, 120, 240, 300, AUTUMN, size=(4, 7))
    return c


def autumn_day():
    """A red kite banking over autumn woods and a winding river."""
    c = canvas()
    sky.gradient(c, (60, 126, 206), (130, 186, 236), (214, 234, 248), y1=170)
    sky.cloud(c, 190, 52, 54, 11)
    sky.cloud(c, 40, 30, 40, 12, opacity=0.9)
    land.layered_hills(c, 71, [
        dict(y=160, waves=[(8, 110), (3, 37)], col=(150, 170, 190), trees=((138, 160, 182), 5, 1.3)),
        dict(y=176, waves=[(9, 150), (4, 47)], col=(196, 150, 90)),
    ], haze=(220, 236, 248), mist=0.3)
    # the river from the hills to the front
    river = (R.bezier((112, 178), (90, 200), (150, 214), (120, 240), 20) +
             R.bezier((120, 240), (96, 264), (60, 280), (50, 304), 20) +
             R.bezier((110, 304), (120, 280), (160, 262), (150, 240), 20) +
             R.bezier((150, 240), (176, 214), (110, 200), (122, 178), 20))
    c.fill(R.rect(-2, 176, 242, 302), P.V(176, 300, (180, 150, 80), (130, 120, 50)))
    c.fill(river, P.V(178, 300, (170, 210, 240), (80, 140, 200)))
    rnd = random.Random(7)
    trees = []
    for _ in range(70):
        y = rnd.uniform(176, 300)
        x = rnd.uniform(-10, 250)
        trees.append((y, x))
    trees.sort()
    for i, (y, x) in enumerate(trees):
        if abs(x - (120 + (y - 178) * (-0.4 if y > 240 else 0.0))) < 14 + (y - 176) * 0.15:
            continue
        h = 10 + (y - 176) * 0.4
        col = AUTUMN[rnd.randrange(len(AUTUMN))]
        if rnd.random() < 0.25:
            flora.fir(c, x, y, h * 1.3, (50, 90, 60), (80, 120, 80), seed=i, tiers=3)
        else:
            flora.round_tree(c, x, y, h, col, P.mix(col, (255, 240, 160), 0.4), P.mix(col, (60, 20, 10), 0.35),
                             seed=i)
    raptors.kite_banking(c, 114, 100, 1.0, rot=-0.12)
    return c


def autumn_dusk():
    """A peregrine falcon on a sea cliff at sunset."""
    c = canvas()
    sky.gradient(c, (60, 50, 110), (170, 80, 120), (250, 140, 90), (255, 200, 120), y1=200)
    sky.sun(c, 170, 196, 18, core=(255, 240, 200), rim=(255, 170, 80), halo=(255, 130, 70), halo_r=70)
    sky.streaks(c, 91, 8, 40, 170, [(240, 120, 120), (190, 90, 130), (255, 170, 130)], opacity=0.8)
    land.water(c, 200, 300, (230, 140, 110), (50, 50, 100))
    rnd = random.Random(4)
    for _ in range(30):
        y = rnd.uniform(202, 296)
        w = 5 + (y - 200) * 0.3
        x = 170 + rnd.gauss(0, 3 + (y - 200) * 0.12)
        c.fill(R.rect(x - w / 2, y, x + w / 2, y + 1 + (y - 200) * 0.01), (255, 210, 140), opacity=0.75)
    for _ in range(40):
        y = rnd.uniform(204, 296)
        x = rnd.uniform(0, 240)
        w = 4 + (y - 200) * 0.15
        c.fill(R.rect(x - w / 2, y, x + w / 2, y + 0.8), (255, 200, 180), opacity=0.35)
    # a far headland, then the near cliff with its layered rock
    c.fill([(-5, 200), (-5, 188), (20, 184), (44, 190), (60, 200)], (120, 70, 100), opacity=0.8)
    cliff = [(-5, 168), (22, 164), (56, 170), (84, 176), (98, 188), (104, 206), (112, 232), (118, 262), (136, 304),
             (-5, 304)]
    c.fill(cliff, P.L((0, 170), (110, 300), (150, 96, 104), (96, 60, 82), (54, 36, 60)))
    f = clip_to(c, cliff)
    rnd2 = random.Random(17)
    for k in range(7):
        y = 188 + k * 16 + rnd2.uniform(-4, 4)
        x0 = rnd2.uniform(-10, 30)
        x1 = x0 + rnd2.uniform(60, 120)
        ledge = [(x, y + 2.5 * math.sin(x / 19.0 + k) + (x - x0) * 0.08) for x in range(int(x0), int(x1), 4)]
        f.fill(flora.taper(ledge, 0.5, 3.5), (52, 32, 56), 0.6)
        f.fill(flora.taper([(px, py - 1.2) for px, py in ledge], 0.4, 1.2), (214, 134, 120), 0.45)
    for k in range(4):
        x = 20 + k * 22 + rnd2.uniform(-4, 4)
        f.fill(flora.taper([(x, 180), (x + rnd2.uniform(-3, 3), 210), (x + rnd2.uniform(-5, 5), 240)], 1.2, 0.3),
               (46, 30, 52), 0.5)
    # the shaded seaward face and the lit top edge
    f.fill([(70, 172), (84, 176), (98, 188), (104, 206), (112, 232), (118, 262), (136, 304), (96, 304), (88, 250),
            (80, 206), (72, 186)], (56, 36, 64), 0.75)
    f.set_clip(None)
    c.fill([(-5, 168), (22, 164), (56, 170), (84, 176), (82, 181), (50, 176), (20, 171), (-5, 175)], (120, 110, 70))
    c.fill([(-5, 168), (22, 164), (56, 170), (84, 176), (82, 178), (50, 172.5), (20, 167), (-5, 171)], (250, 170, 110),
           opacity=0.8)
    # foam where the waves break on the rocks
    rnd3 = random.Random(23)
    for k in range(7):
        y0 = 214 + k * 13
        xe = 104 + (y0 - 206) * 0.3
        crest = R.qbezier((xe - 2, y0), (xe + 8, y0 - 3), (xe + 18 + k * 2, y0 + 1), 10)
        c.fill(flora.taper(crest, 2.2, 0.4), (255, 232, 222), opacity=0.75)
    for _ in range(26):
        y = rnd3.uniform(210, 300)
        x = 104 + (y - 206) * 0.3 + rnd3.uniform(-1, 8)
        c.fill(R.circle(x, y, rnd3.uniform(0.5, 1.3)), (255, 240, 230), opacity=0.8)
    # sea pinks on the top
    for _ in range(9):
        x = rnd3.uniform(2, 80)
        flora.daisy(c, x, 168 + x * 0.06 + rnd3.uniform(-1, 1), 2.2, (250, 160, 200), (255, 220, 120))
    # grass tufts on the edge
    flora.grass(c, 95, 0, 84, lambda x: 174 + x * 0.06, 40, (4, 10), [(120, 100, 70), (160, 120, 70)])
    raptors.peregrine_front(c, 48, 172, 1.12, P.tinted(raptors.PEREGRINE_F, (255, 160, 120), 0.12), look=0.3)
    # gulls far out
    for gx, gy, s in ((190, 100, 4), (206, 110, 3)):
        c.fill(R.stroke(R.qbezier((gx - s, gy), (gx - s / 2, gy - s * 0.6), (gx, gy), 6) +
                        R.qbezier((gx, gy), (gx + s / 2, gy - s * 0.6), (gx + s, gy), 6)[1:], 0.9), (80, 50, 80))
    return c


def autumn_night():
    """A tawny owl looking out of its hollow in an old oak under the harvest moon."""
    c = canvas()
    sky.gradient(c, (16, 18, 50), (44, 40, 92), (110, 80, 120), y1=260)
    sky.stars(c, 101, 110, 0, 220, avoid=(176, 92, 60))
    sky.moon(c, 176, 92, 44, light=(255, 216, 146), shade=(236, 172, 104), halo=(255, 170, 100), halo_opacity=0.45)
    land.layered_hills(c, 77, [
        dict(y=246, waves=[(8, 110), (3, 39)], col=(64, 48, 88), trees=((56, 42, 80), 8, 1.3, "round")),
        dict(y=272, waves=[(6, 160), (3, 49)], col=(42, 32, 62)),
    ], haze=(110, 80, 120), mist=0.25)
    # the old oak: a broad trunk with a hollow, a long limb to the right
    flora.limb(c, (100, 150), (150, 138), (200, 150), (250, 130), 16, 7, (76, 56, 52), (124, 96, 86), (40, 28, 30))
    flora.limb(c, (190, 146), (204, 130), (214, 120), (228, 112), 5, 1.5, (76, 56, 52))
    flora.leaf_cluster(c, 111, 228, 112, 18, 22, AUTUMN, size=(6, 10))
    flora.leaf_cluster(c, 112, 246, 136, 16, 16, AUTUMN, size=(6, 10))
    trunk = [(-5, 304), (-5, -5), (96, -5), (100, 60), (110, 150), (120, 230), (150, 304)]
    # the owl in the dark of its hollow first; the trunk is then laid round the opening
    ox, oy = 60, 168
    hole = R.ellipse(ox, oy, 42, 54)
    c.fill(R.ellipse(ox, oy, 44, 56), P.V(oy - 54, oy + 54, (8, 4, 8), (26, 16, 18)))
    owls.tawny_peeking(c, ox, oy - 18, 1.3, P.tinted(owls.TAWNY, (255, 190, 140), 0.06))
    bark = P.L((0, 0), (124, 0), (58, 42, 44), (96, 72, 64), (46, 32, 36))
    c.fill([R.oriented(trunk), R.oriented(hole)], bark, rule="evenodd")
    f = clip_to(c, trunk)
    mask, box = c._mask([R.oriented(trunk), R.oriented(hole)], "evenodd")
    f.clip.paste(0, (0, 0) + f.clip.size)
    f.clip.paste(mask, box[:2])
    rnd = random.Random(5)
    for k in range(11):
        x = 4 + k * 10 + rnd.uniform(-3, 3)
        f.fill(flora.taper(R.bezier((x, -5), (x + 6, 80), (x - 3, 170), (x + 14, 304), 24), 1.4, 2.6), (40, 28, 30), 0.5)
        f.fill(flora.taper(R.bezier((x + 3, -5), (x + 9, 80), (x, 170), (x + 17, 304), 24), 0.6, 1.0), (130, 100, 90),
               0.35)
    f.set_clip(None)
    # the rim of the opening and its thick lower lip in front of the owl's breast
    c.fill([R.oriented(R.ellipse(ox, oy, 47, 59)), R.oriented(hole)], (118, 90, 78), rule="evenodd")
    c.fill([R.oriented(R.ellipse(ox - 1, oy - 1, 45, 57)), R.oriented(hole)], (150, 118, 100), rule="evenodd",
           opacity=0.7)
    ly = 30
    a0 = math.asin(ly / 59.0)
    lip = R.bezier((ox - 50, oy + ly), (ox - 22, oy + ly - 10), (ox + 22, oy + ly - 10), (ox + 50, oy + ly), 20) + \
        R.arc(ox, oy, 50, 59, a0, math.pi - a0, 40)
    c.fill(lip, P.V(oy + ly - 8, oy + 59, (134, 104, 88), (90, 66, 58)))
    c.fill(flora.taper(R.bezier((ox - 44, oy + ly + 1), (ox - 20, oy + ly - 6.5), (ox + 20, oy + ly - 6.5),
                                (ox + 44, oy + ly + 1), 20), 1.8, 1.8), (176, 140, 116), opacity=0.85)
    for k in range(5):
        x = ox - 24 + k * 12
        c.fill(flora.taper(R.bezier((x, oy + ly), (x + 2, oy + ly + 8), (x - 1, oy + ly + 16), (x + 3, oy + 58), 10),
                           1.2, 0.4), (70, 50, 46), opacity=0.6)
    flora.falling_leaves(c, 114, 14, 100, 120, 240, 300, AUTUMN)
    return c


# ---------------------------------------------------------------------------
# winter
# ---------------------------------------------------------------------------

def winter_dawn():
    """A goshawk on a snowy branch at a pink winter sunrise, looking over its shoulder."""
    c = canvas()
    sky.gradient(c, (120, 140, 200), (210, 170, 210), (255, 200, 190), (255, 226, 200), y1=190)
    sky.sun(c, 60, 170, 14, halo=(255, 190, 170))
    land.layered_hills(c, 121, [
        dict(y=170, waves=[(10, 110), (4, 37)], col=(214, 200, 230), trees=((190, 176, 214), 6, 1.4)),
        dict(y=196, waves=[(9, 150), (4, 47)], col=(236, 226, 240), dark=(196, 190, 226)),
        dict(y=232, waves=[(8, 200), (3, 61)], col=(250, 244, 250), dark=(206, 204, 234), depth=70),
    ], haze=(255, 226, 226), mist=0.3)
    for i, (x, y, h) in enumerate([(20, 236, 60), (44, 242, 44), (196, 230, 52), (222, 238, 64)]):
        flora.fir(c, x, y, h, (60, 90, 100), (100, 130, 140), snow=(252, 246, 250), seed=20 + i)
    land.snow_ground(c, 122, 262, [(5, 160), (2, 41)], (255, 250, 252), (210, 206, 236))
    flora.fir(c, 22, 306, 190, (44, 76, 90), (84, 116, 130), snow=(252, 246, 252), seed=29)
    bark_branch(c, (250, 182), (200, 176), (150, 174), (70, 190), 17, 5, (86, 66, 64), (140, 116, 116), (50, 38, 40))
    bark_branch(c, (160, 175), (140, 160), (128, 150), (110, 142), 6, 2, (86, 66, 64))
    bark_branch(c, (220, 179), (214, 194), (206, 204), (194, 212), 6, 2, (86, 66, 64))
    # snow lying on the branches
    c.fill(flora.taper(R.bezier((246, 174), (200, 168.5), (150, 166.5), (74, 184.5), 24), 7, 2.5), (255, 252, 255))
    c.fill(flora.taper(R.bezier((158, 170), (140, 156), (128, 146), (111, 138.5), 12), 3.5, 1.2), (255, 252, 255))
    c.fill(flora.taper(R.bezier((220, 175), (216, 188), (208, 198), (195, 207), 12), 3, 1), (255, 252, 255))
    raptors.goshawk_back(c, 150, 172, 1.2, False, P.tinted(raptors.GOSHAWK, (255, 200, 210), 0.07))
    land.snowfall(c, 123, 30, 0, 300, size=(0.5, 1.2), opacity=(0.5, 0.9))
    return c


def winter_day():
    """A short-eared owl gliding over a snowy field with frosted trees."""
    c = canvas()
    sky.gradient(c, (40, 110, 200), (110, 170, 230), (210, 232, 250), y1=210)
    sky.cloud(c, 200, 200, 60, 31, top=(255, 255, 255), base=(220, 230, 245))
    land.layered_hills(c, 131, [
        dict(y=200, waves=[(8, 120), (3, 41)], col=(200, 216, 240), trees=((150, 170, 200), 6, 1.3)),
        dict(y=222, waves=[(7, 160), (3, 49)], col=(236, 244, 252), dark=(196, 212, 236)),
    ], haze=(230, 240, 252), mist=0.2)
    for i, (x, y, h) in enumerate([(20, 250, 70), (48, 246, 50), (214, 248, 60), (236, 254, 76)]):
        flora.fir(c, x, y, h, (40, 90, 90), (80, 130, 120), snow=(255, 255, 255), seed=30 + i)
    flora.bare_tree(c, 170, 236, 60, (90, 80, 90), seed=7, depth=5, snow=(255, 255, 255))
    land.snow_ground(c, 132, 250, [(4, 170), (2, 43)], (255, 255, 255), (200, 216, 240))
    # tracks in the snow
    rnd = random.Random(5)
    for k in range(12):
        x = 60 + k * 10 + rnd.uniform(-2, 2)
        y = 268 + k * 2.2
        c.fill(R.ellipse(x, y, 1.6, 1), (170, 190, 224), opacity=0.8)
    land.snowfall(c, 133, 24, 0, 300, size=(0.5, 1.1), opacity=(0.5, 0.9))
    owls.short_eared_gliding(c, 122, 120, 1.12, rot=0.04)
    return c


def winter_dusk():
    """A snowy owl on a snowy fence post in falling snow at dusk."""
    c = canvas()
    sky.gradient(c, (40, 40, 100), (110, 90, 150), (220, 140, 150), (250, 190, 150), y1=220)
    land.layered_hills(c, 141, [
        dict(y=210, waves=[(8, 110), (3, 37)], col=(110, 100, 150), trees=((90, 84, 130), 7, 1.4)),
        dict(y=232, waves=[(6, 160), (3, 47)], col=(200, 190, 220), dark=(150, 146, 196)),
    ], haze=(230, 180, 190), mist=0.3)
    cabin(c, 196, 230, 1.0)
    for i, (x, y, h) in enumerate([(170, 234, 36), (230, 236, 44), (24, 232, 40), (46, 236, 30)]):
        flora.fir(c, x, y, h, (60, 64, 100), (90, 94, 130), snow=(236, 232, 248), seed=60 + i)
    land.snow_ground(c, 142, 256, [(4, 170), (2, 43)], (240, 236, 250), (160, 160, 210))
    land.fence(c, [(-20, 224, 262, 6), (40, 226, 258, 6), (190, 230, 256, 5), (250, 232, 254, 4)], (0.3, 0.65),
               wood=(90, 70, 80), dark=(60, 46, 60), light=(130, 110, 120))
    px = 118
    c.fill(R.rect(px - 12, 196, px + 12, 302), P.L((px - 12, 0), (px + 12, 0), (130, 106, 110), (92, 70, 80), (58, 44, 56)))
    c.fill(R.rrect(px - 14, 190, px + 14, 200, 4), (246, 242, 252))
    owls.perched(c, px, 192, 1.2, P.tinted(owls.SNOWY, (220, 200, 255), 0.08), seed=5)
    land.snowfall(c, 143, 80, 0, 300, size=(0.5, 1.8), opacity=(0.5, 0.95))
    return c


def winter_night():
    """A white gyrfalcon on a snowy crag in the tundra under the northern lights."""
    c = canvas()
    sky.gradient(c, (6, 10, 30), (14, 30, 64), (30, 60, 96), y1=240)
    sky.stars(c, 151, 160, 0, 200)
    sky.aurora(c, 152, 120, 90)
    land.mountains(c, [(40, 176), (120, 158), (200, 180)], 236, (60, 80, 120), (36, 50, 84),
                   snow=(190, 210, 236), snow_shade=(120, 140, 180), snow_line=0.45, seed=5)
    land.snow_ground(c, 153, 240, [(5, 150), (2, 41)], (170, 196, 226), (90, 110, 160))
    for x0, y0, w, h in ((20, 252, 26, 9), (196, 248, 30, 10), (226, 258, 20, 7)):
        land.rock(c, x0, y0, w, h, (86, 100, 136), (40, 50, 80), seed=int(x0))
        c.fill(R.ellipse(x0 - 2, y0 - h * 0.8, w * 0.36, h * 0.32), (200, 220, 244), opacity=0.9)
    # the crag: dark rock with snow on its ledges
    crag = [(24, 304), (38, 278), (54, 262), (70, 244), (90, 233), (112, 229), (136, 228), (152, 236), (166, 250),
            (178, 262), (186, 280), (200, 304)]
    c.fill(crag, P.L((70, 230), (180, 304), (74, 86, 120), (44, 52, 82), (24, 28, 52)))
    f = clip_to(c, crag)
    # lit and shaded facets and the cracks between them
    f.fill([(54, 262), (70, 244), (90, 233), (112, 229), (104, 252), (84, 270), (60, 304), (38, 304)], (96, 110, 148), 0.55)
    f.fill([(136, 228), (152, 236), (166, 250), (178, 262), (186, 280), (200, 304), (150, 304), (140, 262)],
           (18, 22, 42), 0.55)
    for pts in (((112, 229), (104, 252), (84, 270), (60, 304)), ((136, 228), (140, 262), (150, 304)),
                ((104, 252), (124, 262), (140, 262)), ((70, 280), (96, 284), (112, 304))):
        f.fill(R.stroke(list(pts), 1.0), (20, 24, 44), 0.7)
    f.set_clip(None)
    c.fill(path((84, 233), ((100, 226), (130, 222), (156, 235)), ((140, 232), (120, 232), (100, 236)),
                ((94, 238), (88, 238), (84, 233))), (214, 230, 250))
    c.fill(path((58, 252), ((70, 244), (84, 244), (92, 250)), ((80, 252), (66, 254), (58, 252))), (200, 218, 244))
    bird = P.tinted(raptors.GYR, (140, 220, 210), 0.12)
    raptors.gyrfalcon_perched(c, 118, 229, 1.18, False, bird)
    land.snowfall(c, 154, 20, 0, 300, size=(0.4, 0.9), opacity=(0.4, 0.8))
    return c


PICTURES = [
    ("01", spring_dawn), ("02", spring_day), ("03", spring_dusk), ("04", spring_night),
    ("05", summer_dawn), ("06", summer_day), ("07", summer_dusk), ("08", summer_night),
    ("09", autumn_dawn), ("10", autumn_day), ("11", autumn_dusk), ("12", autumn_night),
    ("13", winter_dawn), ("14", winter_day), ("15", winter_dusk), ("16", winter_night),
]


def render(fn):
    return fn().result().convert("RGB")

"""The four result pictures (155 x 119): the boat in sunshine, in the rain,
sunk, and the hourglass."""

import math
import random

from . import raster as R
from . import scenes as S
from .palette import *  # noqa: F401,F403

W, H = 155, 119
HORIZON = 72
SS = 8


def frame(c):
    """A one-pixel ink frame around the picture."""
    c.fill([R.rect(0, 0, W, H), R.rect(1, 1, W - 1, H - 1)], INK, rule="evenodd")


def correct():
    c = R.Canvas(W, H, SS, bg=(255, 255, 255))
    S.sky(c, 0, 0, W, HORIZON)
    S.sun(c, 30, 24, 10)
    S.cloud(c, 118, 30, 34)
    S.cloud(c, 70, 17, 20)
    S.gull(c, 58, 40, 3.2)
    S.gull(c, 66, 45, 2.4)
    S.sea(c, 0, HORIZON, W, H)
    c.fill(R.rect(0, HORIZON, W, HORIZON + 1), WHITE, opacity=0.5)
    # glitter of the sun on the water
    rnd = random.Random(7)
    for _ in range(16):
        y = rnd.uniform(HORIZON + 2, H - 6)
        x = 30 + rnd.gauss(0, 3 + (y - HORIZON) * 0.3)
        w = 2 + (y - HORIZON) * 0.12
        c.fill(R.rect(x - w / 2, y, x + w / 2, y + 1), (255, 240, 190), opacity=0.75)
    S.wave_marks(c, 0, HORIZON + 4, W, H - 2, 3, 34)
    # reflection under the boat
    c.fill(R.ellipse(90, 99, 34, 3.2), SEA_D, opacity=0.45)
    S.boat(c, 90, 96, 0.95, rot=-0.02)
    S.swell(c, 0, W, 98, 1.0, 26, 0.6, R.Linear((0, 97), (0, H), [(0, SEA), (1, SEA_D)]), 30)
    S.wave_marks(c, 0, 101, W, H - 1, 11, 12, opacity=0.6, size=(7, 11))
    frame(c)
    return c.result()


def wrong():
    c = R.Canvas(W, H, SS, bg=(255, 255, 255))
    S.sky(c, 0, 0, W, HORIZON, top=STORM_TOP, mid=(92, 102, 120), low=STORM_LOW)
    S.storm_cloud(c, 20, 40, 52, light=(112, 120, 138), shade=(66, 74, 92))
    S.storm_cloud(c, 138, 44, 46, light=(112, 120, 138), shade=(66, 74, 92))
    S.lightning(c, 128, 40, 22)
    S.storm_cloud(c, 50, 30, 64)
    S.storm_cloud(c, 112, 33, 60)
    S.sea(c, 0, HORIZON, W, H, top=(96, 124, 140), mid=(52, 86, 108), low=(26, 50, 70))
    S.wave_marks(c, 0, HORIZON + 3, W, H - 2, 5, 40, col=(214, 226, 236), opacity=0.5)
    c.fill(R.ellipse(86, 100, 32, 3.0), (20, 40, 56), opacity=0.45)
    S.boat(c, 86, 97, 0.95, rot=0.12)
    S.swell(c, 0, W, 99, 2.2, 22, 1.7, R.Linear((0, 96), (0, H), [(0, (62, 96, 118)), (1, (26, 50, 70))]), 30)
    S.wave_marks(c, 0, 102, W, H - 1, 13, 14, col=(214, 226, 236), opacity=0.6, size=(7, 11))
    S.rain(c, 0, 24, W + 10, H, 21, 80)
    frame(c)
    return c.result()


def noattempts():
    c = R.Canvas(W, H, SS, bg=(255, 255, 255))
    # under water: light from the surface at the top
    c.fill(R.rect(0, 0, W, H), S.vgrad(0, H, DEEP_TOP, (24, 98, 146), DEEP_LOW))
    S.swell(c, 0, W, 0, 1.6, 31, 0.4, R.Linear((0, 0), (0, 8), [(0, (146, 214, 236)), (1, DEEP_TOP)]), -3)
    c.fill([(0, 0), (W, 0), (W, 4)] + [(W - x, 4 + 1.4 * math.sin(x / 5.0)) for x in range(0, W + 1, 2)],
           (150, 216, 238))
    # rays of light
    for (xa, xb, op) in ((20, 44, 0.10), (62, 80, 0.08), (104, 132, 0.10)):
        c.fill([(xa, 0), (xb, 0), (xb - 24, H), (xa - 40, H)], WHITE, opacity=op)
    # the sea floor
    floor = [(0, 96)] + R.bezier((0, 96), (40, 88), (90, 100), (W, 92), 30) + [(W, H), (0, H)]
    c.fill(floor, S.vgrad(88, H, SAND, SAND_D))
    c.fill(R.bezier((0, 96), (40, 88), (90, 100), (W, 92), 30), SAND_D)
    c.fill(R.stroke(R.bezier((0, 96), (40, 88), (90, 100), (W, 92), 30), 1.0, cap="butt"), SAND_D)
    # seaweed
    for bx, hgt, ph in ((14, 30, 0.0), (20, 22, 1.3), (136, 34, 0.7), (143, 24, 2.1)):
        pts = [(bx + 2.2 * math.sin(t / 4.0 + ph), 96 - t) for t in range(0, hgt + 1, 2)]
        c.fill(R.stroke(pts, 3.4, cap="round"), GREEN_D)
        c.fill(R.stroke(pts, 1.6, cap="round"), GREEN)
    S.fish(c, 36, 46, 1.0)
    S.fish(c, 124, 62, 0.7, body=RED_L, dark=RED)
    # the boat on its side in the sand
    S.boat(c, 76, 93, 0.9, rot=-0.45, faded=((20, 84, 126), 0.38))
    c.fill([(30, 99), (120, 94), (W, 99), (W, H), (0, H), (0, 101)], S.vgrad(94, H, SAND, SAND_D))
    c.fill(R.stroke([(30, 99), (120, 94), (W, 99)], 1.0, cap="round"), SAND_D)
    # pebbles and a starfish
    for (px, py, r) in ((46, 108, 1.8), (52, 111, 1.2), (118, 106, 2.0)):
        c.fill(R.circle(px, py, r), SAND_D)
    star = []
    for k in range(10):
        a = -math.pi / 2 + k * math.pi / 5
        rr = 4.2 if k % 2 == 0 else 1.8
        star.append((100 + rr * math.cos(a), 110 + rr * math.sin(a)))
    c.fill(star, RED_D)
    c.fill(R.offset(star, -0.8), RED)
    # bubbles rising to the surface
    rnd = random.Random(4)
    for (bx, by, r) in ((86, 62, 3.2), (92, 50, 2.4), (84, 40, 2.8), (90, 28, 2.0), (87, 17, 1.6),
                        (96, 70, 1.6), (80, 52, 1.4), (94, 36, 1.3), (82, 24, 1.2), (98, 58, 2.0)):
        c.fill([R.circle(bx, by, r), R.circle(bx, by, r - 0.9)], (214, 240, 250), rule="evenodd")
        c.fill(R.circle(bx, by, r - 0.9), (120, 196, 230), opacity=0.35)
        c.fill(R.circle(bx - r * 0.38, by - r * 0.38, max(0.5, r * 0.28)), WHITE)
    frame(c)
    return c.result()


def timeover():
    c = R.Canvas(W, H, SS, bg=(255, 255, 255))
    c.fill(R.rect(0, 0, W, H), R.Radial((77.5, 52), 100, [(0, (250, 242, 214)), (0.5, (236, 218, 172)),
                                                           (1, (196, 160, 104))]))
    # soft shadow on the table
    c.fill(R.ellipse(77.5, 109, 37, 4.5), WOOD_D, opacity=0.35)
    S.hourglass(c, 77.5, 8, 109, 29)
    frame(c)
    return c.result()


PICTURES = {"correct": correct, "wrong": wrong, "noattempts": noattempts, "timeover": timeover}

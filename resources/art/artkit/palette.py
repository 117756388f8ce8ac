"""The one palette shared by every picture of the program.

A dark navy ink for outlines, then families of three tones (dark, base,
light) for each hue.  Flat fills use the base tone; a soft top-to-bottom
ramp from the light to the dark tone gives the subtle shading.
"""

INK = (28, 42, 70)          # outlines, text
INK_SOFT = (62, 80, 112)    # secondary lines
WHITE = (255, 255, 255)
PAPER = (250, 247, 238)
PAPER_D = (226, 220, 204)

BLUE_D = (24, 86, 160)
BLUE = (50, 128, 214)
BLUE_L = (126, 184, 240)
BLUE_XL = (214, 234, 252)

GREEN_D = (28, 116, 54)
GREEN = (58, 166, 78)
GREEN_L = (146, 216, 120)

RED_D = (166, 34, 40)
RED = (222, 62, 58)
RED_L = (250, 146, 124)

GOLD_D = (196, 124, 16)
GOLD = (246, 182, 40)
GOLD_L = (255, 224, 124)

WOOD_D = (112, 66, 34)
WOOD = (166, 104, 54)
WOOD_L = (214, 158, 96)

GREY_D = (84, 96, 114)
GREY = (144, 156, 172)
GREY_L = (208, 216, 226)

# scenery
SKY_TOP = (72, 150, 222)
SKY_MID = (136, 196, 240)
SKY_LOW = (214, 238, 252)
SEA_D = (14, 78, 124)
SEA = (30, 120, 172)
SEA_L = (92, 176, 214)
SAND = (226, 200, 146)
SAND_D = (186, 152, 96)
STORM_TOP = (58, 66, 84)
STORM_LOW = (124, 134, 150)
CLOUD_D = (84, 92, 110)
DEEP_TOP = (40, 140, 184)
DEEP_LOW = (10, 50, 92)

# the toolbar's transparent key and the grey its edges are blended with
KEY = (255, 0, 255)
FACE = (212, 212, 212)

"""The 32 x 32 pointing-hand cursor (black outline, white fill).

The hand is built from simple parts (fingers, thumb, palm); each part is
snapped to whole pixels (at least half covered = inside), filled white and
outlined in black.  Parts drawn later cover earlier ones.  "Soft" parts only
show an outline where it is also the outline of the whole hand, so the palm
does not draw lines across the curled fingers.
"""

from . import raster as R

SIZE = 32


def part_mask(contours):
    c = R.Canvas(SIZE, SIZE, 16, bg=(0, 0, 0, 0))
    c.fill(contours, (255, 255, 255))
    alpha = c.result().getchannel("A")
    px = alpha.load()
    return {(x, y) for y in range(SIZE) for x in range(SIZE) if px[x, y] >= 128}


def boundary(mask):
    out = set()
    for (x, y) in mask:
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            if (x + dx, y + dy) not in mask:
                out.add((x, y))
                break
    return out


def hand_parts():
    rr = R.rrect
    return [
        ("little", rr(16, 10, 20, 18, 2.0), False),
        ("ring", rr(12, 8, 17, 17, 2.5), False),
        ("middle", rr(8, 7, 13, 17, 2.5), False),
        ("index", rr(4, 0, 9, 17, 2.5), False),
        ("palm", [rr(5, 14, 20, 25, 3.0), R.rect(6, 20, 19, 26)], True),
        ("thumb", R.stroke([(2.5, 13.2), (6.5, 19.0)], 4.6, cap="round"), False),
        ("cuff", R.rect(6, 25, 19, 30), False),
    ]


def hand_grid():
    parts = [(n, part_mask(c), soft) for n, c, soft in hand_parts()]
    union = set()
    for _, m, _ in parts:
        union |= m
    outer = boundary(union)
    pix = {}
    for name, m, soft in parts:
        edge = boundary(m)
        for p in m:
            if p in edge and (not soft or p in outer):
                pix[p] = "#"
            else:
                pix[p] = "o"
    grid = ["".join(pix.get((x, y), ".") for x in range(SIZE)) for y in range(SIZE)]
    return grid


def hotspot(grid):
    """The top-most hand pixel, middle of the fingertip."""
    for y, row in enumerate(grid):
        xs = [x for x, ch in enumerate(row) if ch != "."]
        if xs:
            return ((xs[0] + xs[-1]) // 2, y)
    raise ValueError("empty cursor")


def doubled(grid):
    """The grid with every pixel made 2 x 2: the cursor for screens at 200 %."""
    return ["".join(ch * 2 for ch in row) for row in grid for _ in (0, 1)]

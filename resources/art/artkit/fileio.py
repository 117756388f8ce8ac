"""Writers for the Windows file formats of the artwork.

BMP files are plain version-3 bitmaps: "BM" file header, 40-byte
BITMAPINFOHEADER, bottom-up rows padded to 4 bytes, no compression.
Icons and cursors use the classic layout (BITMAPINFOHEADER with doubled
height, XOR image followed by a 1-bit AND mask).
"""

import struct
from PIL import Image


def _info_header(w, h, bpp, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 0, image_size,
                       2835, 2835, colours, 0)


def _row_bytes(w, bpp):
    return ((w * bpp + 31) // 32) * 4


def _write_bmp(path, w, h, bpp, palette, rows):
    """rows: list of h byte strings, top row first, already padded."""
    pixels = b"".join(reversed(rows))
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    off = 14 + 40 + len(pal)
    size = off + len(pixels)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", size, 0, 0, off))
        f.write(_info_header(w, h, bpp, len(pixels), len(palette) if bpp <= 8 else 0))
        f.write(pal)
        f.write(pixels)


def write_bmp24(path, img):
    img = img.convert("RGB")
    w, h = img.size
    stride = _row_bytes(w, 24)
    px = img.load()
    rows = []
    for y in range(h):
        row = bytearray()
        for x in range(w):
            r, g, b = px[x, y]
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    _write_bmp(path, w, h, 24, [], rows)


def write_bmp_indexed(path, indices, palette, bpp):
    """indices: 'P' or 'L' image whose values index `palette` (list of RGB)."""
    w, h = indices.size
    n = 1 << bpp
    palette = list(palette) + [(0, 0, 0)] * (n - len(palette))
    assert len(palette) == n
    stride = _row_bytes(w, bpp)
    px = indices.load()
    rows = []
    for y in range(h):
        row = bytearray()
        if bpp == 8:
            row += bytes(px[x, y] for x in range(w))
        elif bpp == 4:
            for x in range(0, w, 2):
                hi = px[x, y]
                lo = px[x + 1, y] if x + 1 < w else 0
                assert hi < 16 and lo < 16
                row.append((hi << 4) | lo)
        else:
            raise ValueError(bpp)
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    _write_bmp(path, w, h, bpp, palette, rows)


# standard 16-colour VGA palette in Windows order
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def write_bmp4_vga(path, img):
    """Write an RGB image whose every pixel is a VGA colour as a 4-bit BMP."""
    img = img.convert("RGB")
    lookup = {c: i for i, c in enumerate(VGA16)}
    idx = Image.new("L", img.size)
    src = img.load()
    dst = idx.load()
    for y in range(img.size[1]):
        for x in range(img.size[0]):
            c = src[x, y]
            if c not in lookup:
                raise ValueError("pixel %r at %d,%d is not a VGA colour" % (c, x, y))
            dst[x, y] = lookup[c]
    write_bmp_indexed(path, idx, VGA16, 4)


def quantize256(img, rounds=8):
    """Median cut for a start, then a few rounds of k-means over the colour
    histogram (weighted by pixel count), then exact nearest-colour mapping.
    No dithering, so flat areas and text stay clean.  Deterministic."""
    img = img.convert("RGB")
    hist = img.getcolors(1 << 24)
    if len(hist) <= 256:
        palette = sorted(c for _, c in hist)
    else:
        q = img.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
        flat = q.getpalette()[:768]
        palette = [tuple(flat[i:i + 3]) for i in range(0, len(flat), 3)]
        for _ in range(rounds):
            assign = _nearest_all([c for _, c in hist], palette)
            acc = [[0, 0, 0, 0] for _ in palette]
            for (n, col), k in zip(hist, assign):
                a = acc[k]
                a[0] += n * col[0]
                a[1] += n * col[1]
                a[2] += n * col[2]
                a[3] += n
            palette = [(int(round(a[0] / a[3])), int(round(a[1] / a[3])), int(round(a[2] / a[3])))
                       if a[3] else p for a, p in zip(acc, palette)]
        palette = sorted(set(palette))
    assign = _nearest_all([c for _, c in hist], palette)
    lookup = {col: k for (_, col), k in zip(hist, assign)}
    idx = Image.new("L", img.size)
    src, dst = img.load(), idx.load()
    for y in range(img.size[1]):
        for x in range(img.size[0]):
            dst[x, y] = lookup[src[x, y]]
    return idx, palette


def _nearest_all(colours, palette):
    """Index of the nearest palette entry for every colour (exact search,
    with a coarse grid of candidate lists to keep it quick)."""
    cell = 32
    grid = {}
    out = []
    for col in colours:
        key = (col[0] // cell, col[1] // cell, col[2] // cell)
        cand = grid.get(key)
        if cand is None:
            # candidates: entries that can be nearest for some colour in this cell
            lo = [k * cell for k in key]
            hi = [k * cell + cell - 1 for k in key]

            def far(p):        # largest distance from p to any point of the cell
                return sum(max(abs(p[i] - lo[i]), abs(p[i] - hi[i])) ** 2 for i in range(3))

            def near(p):       # smallest distance from p to the cell
                return sum((max(lo[i] - p[i], 0, p[i] - hi[i])) ** 2 for i in range(3))
            best = min(far(p) for p in palette)
            cand = [k for k, p in enumerate(palette) if near(p) <= best]
            grid[key] = cand
        bi, bd = 0, None
        for k in cand:
            p = palette[k]
            dd = (p[0] - col[0]) ** 2 + (p[1] - col[1]) ** 2 + (p[2] - col[2]) ** 2
            if bd is None or dd < bd:
                bi, bd = k, dd
        out.append(bi)
    return out


def write_bmp8(path, img):
    """Write an RGB image as an 8-bit BMP with its own 256-colour palette."""
    idx, palette = quantize256(img)
    write_bmp_indexed(path, idx, palette, 8)
    return len(palette)


def _icon_image_bytes(img, bpp32=True):
    """XOR (32-bit BGRA) + AND mask for one icon or cursor image."""
    img = img.convert("RGBA")
    w, h = img.size
    px = img.load()
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = px[x, y]
            xor += bytes((b, g, r, a))
    stride = _row_bytes(w, 1)
    andm = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if px[x, y][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        andm += row
    header = _info_header(w, h * 2, 32, len(xor) + len(andm), 0)
    return header + bytes(xor) + bytes(andm)


def write_ico(path, images):
    """images: list of RGBA images (sizes up to 256)."""
    blobs = [_icon_image_bytes(im) for im in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    off = 6 + 16 * len(images)
    for im, blob in zip(images, blobs):
        w, h = im.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), off)
        off += len(blob)
    with open(path, "wb") as f:
        f.write(out + b"".join(blobs))


def write_cur_mono(path, grid, hotspot):
    """A monochrome cursor from a list of strings: '#' black, 'o' white,
    anything else transparent."""
    h = len(grid)
    w = len(grid[0])
    assert all(len(r) == w for r in grid)
    stride = _row_bytes(w, 1)
    xor = bytearray()
    andm = bytearray()
    for y in range(h - 1, -1, -1):
        xr = bytearray(stride)
        ar = bytearray(stride)
        for x in range(w):
            c = grid[y][x]
            bit = 0x80 >> (x % 8)
            if c == "o":
                xr[x // 8] |= bit
            elif c == "#":
                pass
            else:
                ar[x // 8] |= bit
        xor += xr
        andm += ar
    pal = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    blob = _info_header(w, h * 2, 1, len(xor) + len(andm), 2) + pal + bytes(xor) + bytes(andm)
    out = struct.pack("<HHH", 0, 2, 1)
    out += struct.pack("<BBBBHHII", w % 256, h % 256, 2, 0, hotspot[0], hotspot[1], len(blob), 6 + 16)
    with open(path, "wb") as f:
        f.write(out + blob)

"""A contact sheet of the generated files, read back from disk: every small
picture also at three times its size (nearest neighbour)."""

from PIL import Image, ImageDraw, ImageFont

BG = (236, 236, 236)
FACE = (240, 240, 240)
GAP = 10


def _label(draw, xy, text):
    f = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 10)
    draw.text(xy, text, font=f, fill=(60, 60, 60))


def _x3(im):
    return im.resize((im.width * 3, im.height * 3), Image.NEAREST)


def _keyed(im, bg):
    im = im.convert("RGB")
    out = Image.new("RGB", im.size, bg)
    px, o = im.load(), out.load()
    for y in range(im.height):
        for x in range(im.width):
            if px[x, y] != (255, 0, 255):
                o[x, y] = px[x, y]
    return out


def _on(im, bg):
    im = im.convert("RGBA")
    out = Image.new("RGB", im.size, bg)
    out.paste(im, (0, 0), im)
    return out


def contact_sheet(made, dest):
    tb = Image.open(made["toolbar.bmp"])
    ready = Image.open(made["ready.bmp"])
    skip = Image.open(made["skip.bmp"])
    icons = [_load_ico_size(made["verbs.ico"], size) for size in (16, 32, 48)]
    cur = _load_mono_cur(made["hand.cur"])
    splash = Image.open(made["splash.bmp"])
    about = Image.open(made["about.bmp"])
    bgt = Image.open(made["background.bmp"])
    res = [Image.open(made[n + ".bmp"]) for n in ("correct", "wrong", "noattempts", "timeover")]

    W, H = 760, 1400
    sheet = Image.new("RGB", (W, H), BG)
    d = ImageDraw.Draw(sheet)
    y = GAP
    _label(d, (GAP, y), "toolbar.bmp 1:1 on grey 240 / 192, then x3 as stored and on grey")
    y += 14
    sheet.paste(_keyed(tb, FACE), (GAP, y))
    sheet.paste(_keyed(tb, (192, 192, 192)), (GAP + tb.width + GAP, y))
    y += tb.height + 6
    sheet.paste(_x3(tb.convert("RGB")), (GAP, y))
    y += tb.height * 3 + 4
    sheet.paste(_x3(_keyed(tb, FACE)), (GAP, y))
    y += tb.height * 3 + GAP

    _label(d, (GAP, y), "ready.bmp, skip.bmp (1:1, x3)   verbs.ico 16/32/48 (1:1, x3)   hand.cur (1:1, x3)")
    y += 14
    x = GAP
    for im in (ready, skip):
        sheet.paste(im.convert("RGB"), (x, y))
        x += im.width + 4
    for im in (ready, skip):
        sheet.paste(_x3(im.convert("RGB")), (x, y))
        x += im.width * 3 + 4
    x += GAP
    for im in icons:
        sheet.paste(_on(im, FACE), (x, y))
        x += im.width + 4
    for im in icons:
        sheet.paste(_x3(_on(im, FACE)), (x, y))
        x += im.width * 3 + 4
    x += GAP
    teal = (58, 110, 165)
    sheet.paste(_on(cur, teal), (x, y))
    x += cur.width + 4
    sheet.paste(_x3(_on(cur, teal)), (x, y))
    y += 48 * 3 + GAP

    _label(d, (GAP, y), "splash.bmp, about.bmp, background.bmp tiled 2 x 3 (all 1:1)")
    y += 14
    sheet.paste(splash.convert("RGB"), (GAP, y))
    sheet.paste(about.convert("RGB"), (GAP + splash.width + GAP, y))
    bx = GAP + splash.width + GAP + about.width + GAP
    for ty in range(3):
        for tx in range(2):
            sheet.paste(bgt.convert("RGB"), (bx + tx * bgt.width, y + ty * bgt.height))
    y += splash.height + GAP

    _label(d, (GAP, y), "correct.bmp, wrong.bmp, noattempts.bmp, timeover.bmp (1:1, then x2)")
    y += 14
    x = GAP
    for im in res:
        sheet.paste(im.convert("RGB"), (x, y))
        x += im.width + GAP
    y += res[0].height + GAP
    for i, im in enumerate(res):
        big = im.convert("RGB").resize((im.width * 2, im.height * 2), Image.NEAREST)
        sheet.paste(big, (GAP + (i % 2) * (big.width + GAP), y + (i // 2) * (big.height + GAP)))
    y += 2 * (res[0].height * 2 + GAP)
    sheet = sheet.crop((0, 0, W, min(H, y)))
    sheet.save(dest)


def _load_ico_size(path, size):
    im = Image.open(path)
    im.size = (size, size)
    im.load()
    return im.convert("RGBA")


def _load_mono_cur(path):
    """Read a one-image monochrome cursor back: XOR and AND masks."""
    import struct
    data = open(path, "rb").read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind, count) == (0, 2, 1)
    w, h, _, _, hx, hy, size, off = struct.unpack_from("<BBBBHHII", data, 6)
    hdr = struct.unpack_from("<IiiHHIIiiII", data, off)
    assert hdr[0] == 40 and hdr[1] == w and hdr[2] == 2 * h and hdr[4] == 1
    stride = ((w + 31) // 32) * 4
    xor_off = off + 40 + 8
    and_off = xor_off + stride * h
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    for y in range(h):
        for x in range(w):
            row = h - 1 - y
            bit = 0x80 >> (x % 8)
            xv = data[xor_off + row * stride + x // 8] & bit
            av = data[and_off + row * stride + x // 8] & bit
            if not av:
                img.putpixel((x, y), (255, 255, 255, 255) if xv else (0, 0, 0, 255))
    return img

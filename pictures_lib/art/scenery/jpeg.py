"""Baseline JFIF encoding with the file size held inside a band.

The picture library stores each picture as a JPEG of roughly 15 to 25 KB.
A picture with much fine detail needs a lower quality than a smooth one to
stay under the ceiling; so each picture gets the highest quality whose file
is not above TARGET bytes (and never below FLOOR).
"""

import io

FLOOR = 15600
TARGET = 22000


def encode(img, quality, subsampling=2):
    buf = io.BytesIO()
    # progressive=False and optimize=False: plain baseline Huffman-coded JPEG
    img.save(buf, format="JPEG", quality=quality, subsampling=subsampling, progressive=False,
             optimize=False, dpi=(96, 96))
    return buf.getvalue()


def encode_in_band(img, floor=FLOOR, target=TARGET):
    """Return (bytes, quality, subsampling): the best quality whose file is
    not above target, with 4:2:0 colour; 4:4:4 only when a smooth picture
    would otherwise stay below the floor even at the top quality."""
    for subsampling in (2, 0):
        lo, hi = 30, 97
        found = None
        while lo <= hi:                      # the file grows with the quality
            q = (lo + hi) // 2
            data = encode(img, q, subsampling)
            if len(data) <= target:
                found = (data, q, subsampling)
                lo = q + 1
            else:
                hi = q - 1
        if found and len(found[0]) >= floor:
            return found
    raise ValueError("no quality puts the picture inside %d..%d bytes" % (floor, target))


def check(data):
    """Facts about a JPEG file: (width, height, baseline, jfif)."""
    assert data[:2] == b"\xff\xd8", "not a JPEG"
    jfif = data[6:11] == b"JFIF\x00"
    i = 2
    while i < len(data):
        if data[i] != 0xFF:
            raise ValueError("bad marker at %d" % i)
        m = data[i + 1]
        ln = (data[i + 2] << 8) | data[i + 3]
        if m in (0xC0, 0xC1, 0xC2):
            h = (data[i + 5] << 8) | data[i + 6]
            w = (data[i + 7] << 8) | data[i + 8]
            return w, h, m == 0xC0, jfif
        i += 2 + ln
    raise ValueError("no frame header")

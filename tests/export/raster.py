"""Reading rendered pages back as arrays: PNG (from rsvg-convert) and PPM (from pdftoppm)."""
import struct
import zlib

import numpy as np


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def _unfilter(kind, row, prev, bpp):
    if kind == 0:
        return row
    if kind == 2:
        return (row.astype(np.uint16) + prev).astype(np.uint8)
    if kind == 1:
        px = row.reshape(-1, bpp).astype(np.uint32)
        return (np.cumsum(px, axis=0) % 256).astype(np.uint8).reshape(-1)
    out = bytearray(row.tobytes())
    up = prev.tobytes()
    for i in range(len(out)):
        left = out[i - bpp] if i >= bpp else 0
        if kind == 3:
            out[i] = (out[i] + ((left + up[i]) >> 1)) & 0xFF
        else:
            upleft = up[i - bpp] if i >= bpp else 0
            out[i] = (out[i] + _paeth(left, up[i], upleft)) & 0xFF
    return np.frombuffer(bytes(out), dtype=np.uint8)


def read_png(path):
    """An 8-bit RGBA or RGB PNG as an array of shape (height, width, channels)."""
    data = open(path, 'rb').read()
    assert data[:8] == b'\x89PNG\r\n\x1a\n', 'not a PNG'
    pos, idat, header = 8, b'', None
    while pos < len(data):
        length, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b'IHDR':
            header = struct.unpack('>IIBBBBB', body)
        elif kind == b'IDAT':
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    assert depth == 8 and colour in (2, 6) and interlace == 0, 'unsupported PNG layout'
    bpp = 4 if colour == 6 else 3
    raw = np.frombuffer(zlib.decompress(idat), dtype=np.uint8)
    stride = width * bpp + 1
    rows, prev = [], np.zeros(width * bpp, dtype=np.uint8)
    for y in range(height):
        line = raw[y * stride:(y + 1) * stride]
        prev = _unfilter(int(line[0]), line[1:], prev, bpp)
        rows.append(prev)
    return np.stack(rows).reshape(height, width, bpp)


def read_ppm(path):
    """A binary PPM (P6, maxval 255) as an array of shape (height, width, 3)."""
    data = open(path, 'rb').read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b'#':
            pos = data.index(b'\n', pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    assert fields[0] == b'P6' and fields[3] == b'255', 'unsupported PPM'
    width, height = int(fields[1]), int(fields[2])
    return np.frombuffer(data[pos:pos + width * height * 3], dtype=np.uint8).reshape(height, width, 3)


def bbox(mask):
    """(left, top, right, bottom) pixel indices of the true cells, or None."""
    ys, xs = np.nonzero(mask)
    if len(xs) == 0:
        return None
    return int(xs.min()), int(ys.min()), int(xs.max()), int(ys.max())


def grown(mask, r=1):
    """The mask grown by r pixels in each of the eight directions."""
    out = mask.copy()
    for dy in range(-r, r + 1):
        for dx in range(-r, r + 1):
            out |= np.roll(np.roll(mask, dy, axis=0), dx, axis=1)
    return out


def stray_pixels(a, b):
    """How many pixels of either mask lie more than one pixel from the other (None if the sizes
    differ): two renderings of the same lines differ only at their edges' anti-aliasing."""
    if a.shape != b.shape:
        return None
    return int((a & ~grown(b)).sum() + (b & ~grown(a)).sum())

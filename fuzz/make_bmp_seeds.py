#!/usr/bin/env python3
"""Writes the seed BMP files of the bmp fuzz target into corpus/bmp: every bit depth the reader
understands, bottom-up and top-down, the old core header, 32-bit bit fields and a skin whose
32-bit pixels are shown in place."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus", "bmp")


def bmp(width, height, bits, top_down=False, core=False, bit_fields=False, opaque=False):
    entries = 1 << bits if bits <= 8 else 0
    header_size = 12 if core else 40
    masks = 12 if bit_fields else 0
    palette = b"".join(
        bytes([g, g, g]) + (b"" if core else b"\0")
        for g in (255 * i // max(entries - 1, 1) for i in range(entries)))
    stride = (width * bits + 31) // 32 * 4
    offset = 14 + header_size + masks + len(palette)
    rows = []
    for y in range(height):
        line = bytearray(stride)
        for x in range(width):
            if bits <= 8:
                index = (x * 7 + y * 3 + 1) % entries
                bit = x * bits
                line[bit // 8] |= index << (8 - bits - bit % 8)
            else:
                p = x * bits // 8
                line[p:p + 3] = bytes([(x * y * 30 + 5) & 255, (y * 70 + 20) & 255, (x * 40 + 10) & 255])
                if bits == 32 and opaque:
                    line[p + 3] = 255
        rows.append(bytes(line))
    if not top_down:
        rows.reverse()
    pixels = b"".join(rows)
    head = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    if core:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
    else:
        info = struct.pack("<IiiHHIIiiII", 40, width, -height if top_down else height, 1, bits,
                           3 if bit_fields else 0, len(pixels), 2835, 2835, 0, 0)
    if bit_fields:
        info += struct.pack("<III", 0x00FF0000, 0x0000FF00, 0x000000FF)
    return head + info + palette + pixels


def main():
    os.makedirs(OUT, exist_ok=True)
    for bits in (1, 4, 8, 24, 32):
        for top_down in (False, True):
            name = "%dbit_%s.bmp" % (bits, "topdown" if top_down else "bottomup")
            with open(os.path.join(OUT, name), "wb") as f:
                f.write(bmp(7, 5, bits, top_down))
    with open(os.path.join(OUT, "8bit_core_header.bmp"), "wb") as f:
        f.write(bmp(6, 4, 8, core=True))
    with open(os.path.join(OUT, "32bit_bitfields.bmp"), "wb") as f:
        f.write(bmp(5, 3, 32, bit_fields=True))
    with open(os.path.join(OUT, "32bit_skin.bmp"), "wb") as f:
        f.write(bmp(6, 4, 32, top_down=True, opaque=True))


if __name__ == "__main__":
    main()

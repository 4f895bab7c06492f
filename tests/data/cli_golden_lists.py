#!/usr/bin/env python3
"""Writes the command-line tests' golden list files, laid out field by field from the
record table (122 bytes in 128-byte slots, little-endian integers, code page 936
texts padded with blanks), without the program's code. Run from this folder:
python3 cli_golden_lists.py"""
import struct

OPEN_LOW, OPEN_HIGH = " -∞", " +∞"
# Colours with red in the low byte.
BLUE, GREEN, ORANGE = 0xFF0000, 0x00FF00, 0x0080FF


def text(s, width):
    b = s.encode("gbk")
    assert len(b) <= width
    return b + b" " * (width - len(b))


def record(family, form, para1, para2, para3, color, x1=OPEN_LOW, x2=OPEN_HIGH,
           y1=OPEN_LOW, y2=OPEN_HIGH, int_x=0, zero23=False):
    out = struct.pack("<hh", family, form)
    out += text(para1, 50)
    out += b"\0" * 20 if zero23 else text(para2, 10) + text(para3, 10)
    out += struct.pack("<i", color)
    out += text(x1, 10) + text(x2, 10) + text(y1, 10) + text(y2, 10)
    out += struct.pack("<i", int_x)
    assert len(out) == 122
    return out


def list_file(name, records):
    # Each slot but the last is filled to 128 bytes with zeros.
    open(name, "wb").write((b"\0" * 6).join(records))


# The worksheet of the README, built by three `quorvel add` commands:
#   y=6/x (the first curve: no current list line, automatic colour blue);
#   y=x^2-2x+1 with --color FF8000 (orange, red first on the command line);
#   y=sin(x)*2 for x from -6.28 to 6.28 (the second line is current: green).
list_file("cli_worksheet.qvx", [
    record(2, 0, "6", "0", "0", BLUE),
    record(1, 0, "1", "-2", "1", ORANGE),
    record(13, 0, "sin(x)*2", "", "", GREEN, x1="-6.28", x2="6.28", zero23=True),
])

# A list whose second record fails the draw command's bracket check.
list_file("cli_bad_record.qvx", [
    record(2, 0, "6", "0", "0", BLUE),
    record(13, 0, "(x+1))", "", "", GREEN, zero23=True),
    record(3, 0, "2", "0", "0", BLUE),
])

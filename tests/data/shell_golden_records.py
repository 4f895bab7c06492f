#!/usr/bin/env python3
"""Writes the shell tests' golden list-file records, laid out field by field from the
record table (122 bytes, little-endian integers, code page 936 texts padded with
blanks). Run from this folder: python3 shell_golden_records.py"""
import struct


def text(s, width):
    b = s.encode("gbk")
    assert len(b) <= width
    return b + b" " * (width - len(b))


def record(family, form, para1, para2, para3, color, x1, x2, y1, y2, int_x, zero23=False):
    out = struct.pack("<hh", family, form)
    out += text(para1, 50)
    if zero23:
        out += b"\0" * 20
    else:
        out += text(para2, 10) + text(para3, 10)
    out += struct.pack("<i", color)
    out += text(x1, 10) + text(x2, 10) + text(y1, 10) + text(y2, 10)
    out += struct.pack("<i", int_x)
    assert len(out) == 122
    return out


BLUE = 0xFF0000  # red in the low byte

# y=6/x drawn first (no current list line: automatic colour blue), open ranges.
open(("shell_record_inverse.bin"), "wb").write(
    record(2, 0, "6", "0", "0", BLUE, " -∞", " +∞", " -∞", " +∞", 0))

# Sx=x^2+1 typed as "X^2+1": kept as typed; the sum starts at x = 0, whole x.
open("shell_record_sum.bin", "wb").write(
    record(13, 1, "X^2+1", "", "", BLUE, "0", " +∞", " -∞", " +∞", 1, zero23=True))

# The vertex form with h typed as "5/2" (stored as its value 2.5), k as "pi" (its
# value 3.14159), a as "-12345678" (its value text "-1.234568E+07" too long for ten
# bytes, stored as the plain "-12345680" of the same single), and the x range typed
# as "-1-1" and "1+2" (stored as -2 and 3).
open("shell_record_vertex.bin", "wb").write(
    record(1, 2, "2.5", "3.14159", "-12345680", BLUE, "-2", "3", " -∞", " +∞", 0))

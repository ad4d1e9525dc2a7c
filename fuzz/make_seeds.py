#!/usr/bin/env python3
"""Writes the fuzz seed corpus into tests/data/fuzz/: the two file sizes of a design, designs with
hostile values, and fingerboard edge cases. Each seed is built field by field from the file layout
(eight doubles and an int32 flag; then, when the flag is set, six doubles with the scale length
first and the joint fret), little-endian, so the seeds do not depend on the program's own writer.
Run it again after changing the list; the replay test reads whatever the folder holds."""
import math
import struct
import sys
from pathlib import Path

SHAPE = dict(length=49.0, lower=18.5, waist=12.0, upper=14.0, a3=0.0, a4=-0.25, a5=0.0, a6=-0.5)
HOLE = dict(scale=65.0, diameter=8.8, position=12.0, nut=5.2, fret12=6.2, fret19=0.0, joint=12)
DENORMAL = 5e-324
INF = math.inf


def design(hole_defined=0, with_block=None, **over):
    v = dict(SHAPE, **HOLE)
    v.update(over)
    data = struct.pack("<8d", *(v[k] for k in ("length", "lower", "waist", "upper", "a3", "a4", "a5", "a6")))
    data += struct.pack("<i", hole_defined)
    if with_block if with_block is not None else hole_defined != 0:
        data += struct.pack("<6d", *(v[k] for k in ("scale", "diameter", "position", "nut", "fret12", "fret19")))
        data += struct.pack("<i", v["joint"])
    return data


def seeds():
    d68, d120 = design(), design(1)
    yield "design-68", d68
    yield "design-120", d120
    yield "design-120-joint14", design(1, joint=14)
    yield "design-120-flag-0", design(0, with_block=True)
    yield "design-120-flag-minus1", design(-1)
    yield "design-130-trailing", d120 + bytes(10)
    # Files that end early.
    yield "empty", b""
    yield "short-1", d68[:1]
    yield "short-67", d68[:67]
    yield "short-119", d120[:119]
    yield "flag-1-without-block", design(1, with_block=False)
    # Hostile shape values.
    yield "length-nan", design(length=math.nan)
    yield "length-0", design(length=0.0)
    yield "length-negative", design(length=-49.0)
    yield "length-max", design(length=sys.float_info.max)
    yield "length-denormal", design(length=DENORMAL)
    yield "bouts-inf", design(lower=INF, upper=-INF)
    yield "waist-wider-than-bouts", design(waist=30.0)
    yield "all-zero", bytes(68)
    yield "a3-inf", design(a3=INF)
    yield "a6-max", design(a6=sys.float_info.max)
    yield "bouts-negative-zero", design(lower=-0.0, waist=-0.0, upper=-0.0)
    # Fingerboard and soundhole edge cases (drawn with the fingerboard on).
    for joint in (0, -5, 1, 100000, -(2**31), 2**31 - 1):
        yield f"joint-fret-{joint}", design(1, joint=joint)
    yield "scale-0", design(1, scale=0.0)
    yield "scale-negative", design(1, scale=-65.0)
    yield "scale-nan", design(1, scale=math.nan)
    yield "scale-inf", design(1, scale=INF)
    yield "hole-beyond-saddle", design(1, position=1000.0)
    yield "hole-at-saddle", design(1, position=65.0 * 2 ** (-12 / 12))
    yield "hole-before-first-fret", design(1, position=0.0)
    yield "hole-position-inf", design(1, position=INF)
    yield "hole-position-nan", design(1, position=math.nan)
    yield "hole-diameter-max", design(1, diameter=sys.float_info.max)
    yield "hole-diameter-negative", design(1, diameter=-8.8)
    yield "widths-nan", design(1, nut=math.nan, fret12=math.nan)
    yield "widths-max", design(1, nut=sys.float_info.max, fret12=-sys.float_info.max)
    yield "scale-0-hole-positive", design(1, scale=0.0, position=5.0)


def main():
    out = Path(__file__).resolve().parent.parent / "tests" / "data" / "fuzz"
    out.mkdir(parents=True, exist_ok=True)
    for name, data in seeds():
        (out / name).write_bytes(data)


if __name__ == "__main__":
    main()

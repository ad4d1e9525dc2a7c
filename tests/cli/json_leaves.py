#!/usr/bin/env python3
"""Reads JSON from stdin with Python's own reader and prints every value in document order, one a
line: path, kind and value. Numbers are printed as the 16 hex digits of the IEEE double they read as
(integers through float()), strings as the hex of their UTF-8, so a test compares them exactly."""
import json
import struct
import sys


def bits(x):
    return struct.pack(">d", float(x)).hex()


def walk(path, value, out):
    if isinstance(value, tuple):  # an object, its members in the order they were written
        for key, member in value[1]:
            walk(path + "/" + key, member, out)
    elif isinstance(value, list):
        for i, item in enumerate(value):
            walk(path + "/" + str(i), item, out)
    elif value is None:
        out.append((path, "null", ""))
    elif isinstance(value, bool):
        out.append((path, "bool", str(value).lower()))
    elif isinstance(value, int):
        out.append((path, "int", bits(value)))
    elif isinstance(value, float):
        out.append((path, "float", bits(value)))
    else:
        out.append((path, "str", value.encode("utf-8").hex()))


def main():
    text = sys.stdin.buffer.read().decode("utf-8")
    root = json.loads(text, object_pairs_hook=lambda pairs: ("object", pairs))
    out = []
    walk("", root, out)
    for path, kind, value in out:
        print(f"{path}\t{kind}\t{value}")


main()

"""Writes COUNT damaged copies of a report template into a folder: each has
one part changed by a few random edits (bytes replaced, removed or repeated,
fragments of markup put in), as a fuzzer would, from a fixed seed so that every
run makes the same corpus (another SEED makes another).

    damaged_templates.py TEMPLATE FOLDER COUNT [SEED]
"""
import random
import sys
import zipfile

FRAGMENTS = [
    b"<", b">", b"&", b'"', b"'", b"/", b"=", b":", b"x:", b"<x:a/>", b"<a>", b"</a>",
    b"\xff\xfe", b"\xc3", b"\x01", b"]]>", b"&#0;", b"&nope;", b' a="1"', b' r="A1"',
    b"<!DOCTYPE a>", b"<?xml version='1.0'?>", b"<![CDATA[x]]>", b"xmlns:x=''", b"0", b"-1",
    b"99999999999", b"1e309", b"NaN", b" ", b"\n",
]


def damage(data, rng):
    data = bytearray(data)
    for _ in range(rng.randint(1, 4)):
        at = rng.randrange(len(data) + 1)
        edit = rng.randrange(4)
        if edit == 0 and data:
            data[min(at, len(data) - 1)] = rng.randrange(256)
        elif edit == 1:
            data[at:at] = rng.choice(FRAGMENTS)
        elif edit == 2:
            del data[at:at + rng.randint(1, 16)]
        else:
            data[at:at] = data[at:at + rng.randint(1, 32)]
    return bytes(data)


def main():
    template, folder, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
    rng = random.Random(int(sys.argv[4]) if len(sys.argv) > 4 else 24)
    with zipfile.ZipFile(template) as source:
        parts = [(name, source.read(name)) for name in source.namelist()]
    for index in range(count):
        target = rng.randrange(len(parts))
        with zipfile.ZipFile(f"{folder}/{index:04d}.xltx", "w", zipfile.ZIP_DEFLATED) as out:
            for number, (name, data) in enumerate(parts):
                out.writestr(name, damage(data, rng) if number == target else data)


main()

#!/usr/bin/python3
"""Writes the code page 932 tables of core/text/cp932.cpp, as the C
library's iconv converts: every one- and two-byte sequence decoded, and
every character so read encoded again. A character is written only where
its bytes read back as itself ("¥" would come back as "\\"), so what the
program writes reads back unchanged.

Usage: make_cp932_tables.py OUTPUT
"""

import ctypes
import ctypes.util
import sys

libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
libc.iconv_open.restype = ctypes.c_void_p
libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
libc.iconv.restype = ctypes.c_size_t
libc.iconv.argtypes = [ctypes.c_void_p] + [ctypes.POINTER(ctypes.c_char_p),
                                           ctypes.POINTER(ctypes.c_size_t)] * 2
libc.iconv_close.argtypes = [ctypes.c_void_p]


def converter(to, source):
    handle = libc.iconv_open(to, source)
    if handle in (None, ctypes.c_void_p(-1).value):
        sys.exit(f"make_cp932_tables.py: iconv cannot convert {source!r} to {to!r}")

    def convert(data):
        """The whole of `data` converted, or None where iconv refuses it."""
        libc.iconv(handle, None, None, None, None)  # back to the initial state
        inbuf = ctypes.create_string_buffer(data, len(data))
        outbuf = ctypes.create_string_buffer(16)
        inptr = ctypes.c_char_p(ctypes.addressof(inbuf))
        outptr = ctypes.c_char_p(ctypes.addressof(outbuf))
        inleft = ctypes.c_size_t(len(data))
        outleft = ctypes.c_size_t(16)
        result = libc.iconv(handle, ctypes.byref(inptr), ctypes.byref(inleft),
                            ctypes.byref(outptr), ctypes.byref(outleft))
        if result == ctypes.c_size_t(-1).value or inleft.value:
            return None
        return outbuf.raw[:16 - outleft.value]

    return convert


def character(utf8):
    """The one character of a UTF-8 text, or None for none or several."""
    text = utf8.decode("utf-8")
    return ord(text) if len(text) == 1 else None


decode = converter(b"UTF-8", b"CP932")
encode = converter(b"CP932", b"UTF-8")

NONE = 0xFFFF  # a noncharacter, which no byte sequence decodes to
single = [NONE] * 256
double = {}
for byte in range(256):
    utf8 = decode(bytes([byte]))
    if utf8 is not None:
        single[byte] = character(utf8)
for lead in range(256):
    if single[lead] != NONE:
        continue
    for trail in range(256):
        utf8 = decode(bytes([lead, trail]))
        if utf8 is not None:
            double[(lead, trail)] = character(utf8)

decoded = set(single) - {NONE} | set(double.values())
if None in decoded or any(c > 0xFFFF for c in decoded):
    sys.exit("make_cp932_tables.py: a sequence decodes to other than one BMP character")
leads = sorted({lead for lead, _ in double})
trails = sorted({trail for _, trail in double})
first_lead, last_lead = leads[0], leads[-1]
first_trail, last_trail = trails[0], trails[-1]

encoded = []
for code in sorted(decoded):
    data = encode(chr(code).encode("utf-8"))
    if data is None:
        continue
    back = decode(data)
    if back is not None and character(back) == code:
        encoded.append((code, data))
if any(len(data) not in (1, 2) for _, data in encoded):
    sys.exit("make_cp932_tables.py: a character encodes to other than one or two bytes")


def rows(values, per_line=12):
    values = list(values)
    return "\n".join("    " + " ".join(values[i:i + per_line]) for i in range(0, len(values), per_line))


out = []
out.append("// Made by cmake/make_cp932_tables.py from the C library's iconv.\n")
out.append(f"constexpr char16_t kNoCharacter = 0x{NONE:04X};")
out.append("// The character of each byte that is one on its own.")
out.append("constexpr char16_t kSingleByte[256] = {")
out.append(rows(f"0x{c:04X}," for c in single))
out.append("};")
out.append(f"constexpr unsigned kFirstLead = 0x{first_lead:02X};")
out.append(f"constexpr unsigned kLastLead = 0x{last_lead:02X};")
out.append(f"constexpr unsigned kFirstTrail = 0x{first_trail:02X};")
out.append(f"constexpr unsigned kLastTrail = 0x{last_trail:02X};")
out.append("// The character of each two-byte sequence, by lead and trail byte.")
out.append(f"constexpr char16_t kDoubleByte[{last_lead - first_lead + 1}][{last_trail - first_trail + 1}] = {{")
for lead in range(first_lead, last_lead + 1):
    out.append("  {")
    out.append(rows(f"0x{double.get((lead, trail), NONE):04X},"
                    for trail in range(first_trail, last_trail + 1)))
    out.append("  },")
out.append("};")
out.append("struct Encoding {")
out.append("    char16_t character;")
out.append("    unsigned char bytes[2];  // a one-byte character has 0 in the second")
out.append("};")
out.append("// The bytes of every character that reads back as itself, by character.")
out.append(f"constexpr Encoding kEncodings[{len(encoded)}] = {{")
out.append(rows((f"{{0x{code:04X}, {{0x{data[0]:02X}, 0x{data[1] if len(data) == 2 else 0:02X}}}}},"
                 for code, data in encoded), per_line=4))
out.append("};")

with open(sys.argv[1] + ".partial", "w", encoding="ascii") as f:
    f.write("\n".join(out) + "\n")
import os
os.replace(sys.argv[1] + ".partial", sys.argv[1])

"""Reads a project file by the format's original rules, as a reader that
knows nothing of descriptive lines does, and prints what it read as JSON.

Usage: original_rules_reader.py FILE HEADER
Exits 1 (printing the reason) when that reader would refuse the file.
"""
import json
import re
import sys

SECTIONS = ["[開削幅]", "[堤体幅]", "[土質条件]", "[盛土荷重]", "[上載荷重]",
            "[着目点手動設定]", "[処理Mode]", "[ﾎﾟｱｿﾝ比]"]
COLUMNS = {"[土質条件]": 3, "[盛土荷重]": 12, "[上載荷重]": 3}
NUMBER = re.compile(r"[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?")


def number(text):
    match = NUMBER.match(text.replace(" ", ""))
    return float(match.group(0)) if match else 0.0


def refuse(reason):
    print(reason)
    sys.exit(1)


def main(path, header):
    with open(path, "rb") as f:
        text = f.read().decode("cp932")
    lines = text.split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    first = lines[0].lstrip(" ").split(",")[0] if lines else ""
    if first != header:
        refuse("wrong header")
    read = {"widths": {}, "tables": {}, "points": None, "mode": "", "poisson": ""}
    section, closed, counter = None, True, 0
    for line in lines:
        if line == header:
            section, counter = None, -1
        elif line in SECTIONS:
            if not closed:
                refuse("section not closed")
            section, counter, closed = line, -1, False
        elif line == "!END":
            closed = True
        elif section in ("[開削幅]", "[堤体幅]"):
            read["widths"][section] = number(line)
        elif section in COLUMNS:
            parts = line.split(",")
            if len(parts) > COLUMNS[section]:
                refuse("too many values")
            table = read["tables"].setdefault(section, [])
            while len(table) <= counter:
                table.append([None] * COLUMNS[section])
            for j, part in enumerate(parts):
                table[counter][j] = number(part)
        elif section == "[着目点手動設定]":
            parts = line.split(",")
            if len(parts) > 11:
                refuse("too many points")
            read["points"] = [None if p == "NULL" else number(p) for p in parts]
        elif section == "[処理Mode]":
            read["mode"] = line
        elif section == "[ﾎﾟｱｿﾝ比]":
            read["poisson"] = line
        # A value line of no section is skipped.
        counter += 1
    if read["mode"] not in ("0", "1"):
        refuse("bad mode")
    print(json.dumps(read, ensure_ascii=False, sort_keys=True))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])

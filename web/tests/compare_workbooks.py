#!/usr/bin/python3
"""Compares two workbooks part by part after inflating: the same parts in
the same order with the same bytes, but for the run's time (written as
"yyyy/mm/dd hh:mm" on the sheets and in the page headers, and as the
document's creation and change times). The zip's own time stamps are not
compared. Prints each difference; exit status 1 when any.

Usage: compare_workbooks.py EXPECTED.xlsx ACTUAL.xlsx
"""
import re
import sys
import zipfile

RUN_TIME = re.compile(rb"\d{4}/\d{2}/\d{2} \d{2}:\d{2}")
DOCUMENT_TIME = re.compile(rb"\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}Z")


def parts(path):
    with zipfile.ZipFile(path) as book:
        return [(item.filename, book.read(item)) for item in book.infolist()]


def masked(data):
    return DOCUMENT_TIME.sub(b"(time)", RUN_TIME.sub(b"(run time)", data))


def main():
    expected, actual = parts(sys.argv[1]), parts(sys.argv[2])
    found = []
    if [name for name, _ in expected] != [name for name, _ in actual]:
        found.append(f"parts {[n for n, _ in actual]} instead of {[n for n, _ in expected]}")
    for (name, want), (_, got) in zip(expected, actual):
        if masked(want) != masked(got):
            found.append(f"{name} differs")
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())

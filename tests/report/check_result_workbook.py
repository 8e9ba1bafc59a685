"""Reads a result workbook with openpyxl, a reader independent of the
program, and checks it against an expectations file written by the test.

Usage: check_result_workbook.py EXPECTATIONS WORKBOOK

Each line of EXPECTATIONS is tab-separated; "\\n" in a text stands for a
line break:
  sheets   NAME...                     the workbook's sheets, in order
  text     SHEET  CELL  VALUE          a text cell
  number   SHEET  CELL  VALUE          a number cell (the cached value of a formula)
  empty    SHEET  CELL                 no value
  formula  SHEET  CELL  FORMULA        the formula as written, e.g. =SUM(D4:E4)
  breaks   SHEET  ROW,ROW...           manual page breaks before these rows
  maxcol   SHEET  N                    the last column holding a cell
"""
import math
import sys

import openpyxl


def unescape(text):
    return text.replace("\\n", "\n")


def check(expectations, path):
    values = openpyxl.load_workbook(path, data_only=True)
    formulas = openpyxl.load_workbook(path, data_only=False)
    failures = []

    def fail(message):
        failures.append(message)

    for line in expectations:
        fields = line.rstrip("\n").split("\t")
        kind, args = fields[0], fields[1:]
        if kind == "sheets":
            if values.sheetnames != args:
                fail(f"sheets {values.sheetnames} != {args}")
            continue
        sheet = args[0]
        if sheet not in values.sheetnames:
            fail(f"no sheet {sheet}")
            continue
        ws = values[sheet]
        if kind == "text":
            got = ws[args[1]].value
            if got != unescape(args[2]):
                fail(f"{sheet}!{args[1]}: {got!r} != {unescape(args[2])!r}")
        elif kind == "number":
            got = ws[args[1]].value
            if not isinstance(got, (int, float)) or not math.isclose(
                    got, float(args[2]), rel_tol=1e-12, abs_tol=1e-9):
                fail(f"{sheet}!{args[1]}: {got!r} != {args[2]}")
        elif kind == "empty":
            got = ws[args[1]].value
            if got not in (None, ""):
                fail(f"{sheet}!{args[1]}: {got!r} is not empty")
        elif kind == "formula":
            got = formulas[sheet][args[1]].value
            if got != args[2]:
                fail(f"{sheet}!{args[1]}: formula {got!r} != {args[2]!r}")
        elif kind == "breaks":
            got = [brk.id + 1 for brk in ws.row_breaks.brk]
            want = [int(row) for row in args[1].split(",") if row]
            if got != want:
                fail(f"{sheet}: page breaks before rows {got} != {want}")
        elif kind == "maxcol":
            if ws.max_column != int(args[1]):
                fail(f"{sheet}: last column {ws.max_column} != {args[1]}")
        else:
            fail(f"unknown expectation {kind}")
    return failures


def main():
    with open(sys.argv[1], encoding="utf-8") as expectations:
        failures = check(expectations.readlines(), sys.argv[2])
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

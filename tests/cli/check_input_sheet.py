"""Checks the input sheet of a result workbook, and the PDF of its printed
pages, against the project file the run read, with readers independent of
the program (openpyxl, pdftotext).

Usage: check_input_sheet.py PROJECT.nbr WORKBOOK.xlsx PAGES.pdf PLACEMENT

PLACEMENT is auto or manual. Prints each failure; exits 1 when any.
"""
import datetime
import math
import re
import subprocess
import sys

import openpyxl

CIRCLED = "①②③④⑤⑥⑦⑧⑨⑩⑪"
# Words a search in every report finds, and those of the lateral displacement.
WORDS = ["入力条件", "着目点", "重心位置", "計算結果一覧", "計算日時"]
LATERAL_WORDS = ["側方変位量", "載荷奥行", "ﾎﾟｱｿﾝ比"]


def read_project(path):
    """The sections of a project file: name -> list of lines."""
    sections, name = {}, None
    with open(path, encoding="cp932") as lines:
        for line in lines:
            line = line.rstrip("\r\n")
            if line.startswith("[") and line.endswith("]"):
                name = line[1:-1]
                sections[name] = []
            elif line == "!END":
                name = None
            elif name is not None:
                sections[name].append(line)
    return sections


def numbers(line):
    return [None if field == "NULL" else float(field) for field in line.split(",")]


def shown(value):
    """The value as the sheet's format "0.00##" prints it."""
    text = f"{value:.4f}"
    while text.endswith("0") and len(text.split(".")[1]) > 2:
        text = text[:-1]
    return text


class Check:
    def __init__(self, project, workbook, pdf, placement):
        self.failures = []
        self.project = read_project(project)
        self.project_name = project.rsplit("/", 1)[-1]
        self.book = openpyxl.load_workbook(workbook, data_only=True)
        self.sheet = self.book["入力条件"]
        self.text = subprocess.run(["pdftotext", "-enc", "UTF-8", pdf, "-"],
                                   capture_output=True, text=True, check=True).stdout
        self.placement = placement
        self.lateral = self.project.get("処理Mode", ["0"])[0].strip() == "1"

    def fail(self, message):
        self.failures.append(message)

    def row_named(self, name):
        for row in self.sheet.iter_rows(min_col=2, max_col=2):
            if row[0].value == name:
                return row[0].row
        self.fail(f"no row named {name!r}")
        return None

    def value(self, row, column):
        return None if row is None else self.sheet.cell(row=row, column=column).value

    def expect_number(self, row, column, want, what):
        got = self.value(row, column)
        if not isinstance(got, (int, float)) or not math.isclose(got, want, abs_tol=1e-12):
            self.fail(f"{what}: {got!r} != {want}")
        if shown(want) not in self.text:
            self.fail(f"{what}: {shown(want)} not in the PDF")

    def run_lines(self):
        first = self.book.worksheets[0].title
        first == "表紙" or self.fail(f"first sheet {first}")
        placement = "手動設定" if self.placement == "manual" else "自動設定"
        if self.placement != "manual" and "着目点手動設定" in self.project:
            placement += "（ファイルの手動着目点は使っていません）"
        expected = {
            "プロジェクトファイル": self.project_name,
            "計算内容": "側方変位量の計算も行う" if self.lateral else "即時沈下量のみ計算する",
            "着目点の配置": placement,
        }
        for name, want in expected.items():
            row = self.row_named(name)
            if row and self.value(row, 5) != want:
                self.fail(f"{name}: {self.value(row, 5)!r} != {want!r}")
        program = self.value(self.row_named("プログラム"), 5)
        if not re.fullmatch(r"ヌベラ \d+\.\d+\.\d+(\+g[0-9a-f]+)?", str(program)):
            self.fail(f"program {program!r}")
        run_time = str(self.value(self.row_named("計算日時"), 5))
        if not re.fullmatch(r"\d{4}/\d\d/\d\d \d\d:\d\d", run_time):
            self.fail(f"run time {run_time!r}")
        self.expect_number(self.row_named("開削幅 B (m)"), 5,
                           float(self.project["開削幅"][0]), "開削幅")
        self.expect_number(self.row_named("堤体幅 L (m)"), 5,
                           float(self.project["堤体幅"][0]), "堤体幅")
        poisson = self.project.get("ﾎﾟｱｿﾝ比", [""])[0].strip()
        if self.lateral:
            want = float(poisson) if poisson else 0.3
            self.expect_number(self.row_named("ﾎﾟｱｿﾝ比 ν"), 5, want, "ν")
        elif not str(self.value(self.row_named("ﾎﾟｱｿﾝ比 ν"), 5)).startswith("－"):
            self.fail("ν printed for a settlement-only run")

    def table(self, section, names, columns):
        for i, line in enumerate(self.project.get(section, [])):
            row = self.row_named(names(i))
            if row is None:
                continue
            for value, column in zip(numbers(line), columns):
                self.expect_number(row, column, value, f"{section} row {i + 1} column {column}")

    def tables(self):
        self.table("土質条件", lambda i: str(i + 1), [3, 5, 7])
        self.table("盛土荷重", lambda i: f"q{i + 1}", range(3, 15))
        if "上載荷重" in self.project:
            self.table("上載荷重", lambda i: "qX", range(3, 6))
        elif self.value(self.row_named("上載荷重"), 5) != "なし":
            self.fail("no surcharge is not said")
        manual = self.project.get("着目点手動設定")
        named = [row[0].value for row in self.sheet.iter_rows(min_col=2, max_col=2)]
        if self.placement == "manual" and manual:
            for k, value in enumerate(numbers(manual[0])):
                if value is None:
                    CIRCLED[k] in named and self.fail(f"empty point {CIRCLED[k]} listed")
                else:
                    self.expect_number(self.row_named(CIRCLED[k]), 3, value, f"point {k + 1}")
        elif any(c in named for c in CIRCLED):
            self.fail("points listed though placed automatically")

    def title_block(self):
        for sheet in self.book.worksheets:
            header = sheet.oddHeader
            if self.project_name not in (header.left.text or ""):
                self.fail(f"{sheet.title}: header {header.left.text!r}")
            if "計算日時" not in (header.right.text or ""):
                self.fail(f"{sheet.title}: header {header.right.text!r}")
            if "ページ &P / &N" not in (sheet.oddFooter.center.text or ""):
                self.fail(f"{sheet.title}: footer {sheet.oddFooter.center.text!r}")
        properties = self.book.properties
        if self.project_name not in (properties.title or ""):
            self.fail(f"title {properties.title!r}")
        if not (properties.creator or "").startswith("ヌベラ "):
            self.fail(f"creator {properties.creator!r}")
        created = properties.created.replace(tzinfo=datetime.timezone.utc)
        age = datetime.datetime.now(datetime.timezone.utc) - created
        if not datetime.timedelta(0) <= age < datetime.timedelta(hours=1):
            self.fail(f"created {properties.created}")

    def words(self):
        for word in WORDS + (LATERAL_WORDS if self.lateral else []):
            word in self.text or self.fail(f"{word} not found in the PDF")
        radicals = [c for c in self.text if 0x2E80 <= ord(c) <= 0x2FDF]
        radicals and self.fail(f"radicals in the PDF's text: {radicals}")


def main():
    check = Check(*sys.argv[1:5])
    check.run_lines()
    check.tables()
    check.title_block()
    check.words()
    for failure in check.failures:
        print(failure)
    return 1 if check.failures else 0


if __name__ == "__main__":
    sys.exit(main())

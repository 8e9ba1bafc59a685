"""Checks that no heading of a printed report ends a page without at least
the first line of what it heads.

Usage: check_headings_kept.py PDF HEADING...
Prints each heading left alone at the foot of a page and exits 1 if any.
"""
import subprocess
import sys


def page_lines(pdf):
    text = subprocess.run(["pdftotext", "-enc", "UTF-8", "-layout", pdf, "-"],
                          capture_output=True, text=True, check=True).stdout
    for page in text.split("\f"):
        lines = [line.strip() for line in page.splitlines() if line.strip()]
        # The page header (run time) and the footer (page number) are no content.
        lines = [line for line in lines
                 if "計算日時" not in line and not line.startswith("ページ")]
        if lines:
            yield lines


def main(pdf, headings):
    alone = []
    for number, lines in enumerate(page_lines(pdf), start=1):
        if lines[-1] in headings:
            alone.append(f"page {number}: {lines[-1]}")
    for line in alone:
        print(line)
    sys.exit(1 if alone else 0)


if __name__ == "__main__":
    main(sys.argv[1], set(sys.argv[2:]))

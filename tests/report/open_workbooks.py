"""Opens every workbook named on the command line as other programs would:
each XML part parsed by Python's own XML parser, then the whole workbook by
openpyxl. Prints one line per workbook that fails, and exits 1 if any did."""
import sys
import warnings
import xml.etree.ElementTree as ElementTree
import zipfile

import openpyxl


def fault(path):
    try:
        with zipfile.ZipFile(path) as package:
            for name in package.namelist():
                if name.endswith((".xml", ".rels")):
                    ElementTree.fromstring(package.read(name))
        openpyxl.load_workbook(path)
    except Exception as error:  # whatever the readers raise is the finding
        return f"{type(error).__name__}: {error}"
    return None


def main():
    warnings.simplefilter("ignore")
    failed = 0
    for path in sys.argv[1:]:
        found = fault(path)
        if found:
            failed += 1
            print(f"{path}: {found}")
    sys.exit(1 if failed else 0)


main()

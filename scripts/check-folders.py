#!/usr/bin/python3
"""Checks the source folders of the tree: the folders' include graph has no
cycle (a folder includes only what lies below it), and no folder holds more
than MAX_FILES files.

    check-folders.py SOURCE_DIR [FOLDER ...]

checks the given top folders (all of them when none are given) and prints
each cycle with one include that makes each of its steps, and each folder
that is too full. Exits 1 when it found any.
"""

import os
import re
import sys

TOP_FOLDERS = ["core", "spreadsheet", "printout", "report", "cli", "widgets", "input", "app",
               "desktop"]
# Headers of core/ are included from its folder: "text/number_text.h".
INCLUDE_ROOTS = ["", "core"]
MAX_FILES = 25
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SOURCE_SUFFIXES = (".h", ".cpp")


def source_folders(root, tops):
    """Every folder under the given top folders, relative to the root."""
    for top in tops:
        for folder, _, _ in os.walk(os.path.join(root, top)):
            yield os.path.relpath(folder, root)


def included_folder(root, include):
    """The folder of the file an include names, or None when it is none of ours."""
    for base in INCLUDE_ROOTS:
        path = os.path.join(base, include)
        if os.path.isfile(os.path.join(root, path)):
            return os.path.dirname(path)
    return None


def include_graph(root, folders):
    """For each folder, the folders it includes, each with one file that does."""
    graph = {folder: {} for folder in folders}
    for folder in folders:
        for name in sorted(os.listdir(os.path.join(root, folder))):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(folder, name)
            with open(os.path.join(root, path), encoding="utf-8") as source:
                text = source.read()
            for include in INCLUDE.findall(text):
                target = included_folder(root, include)
                if target is not None and target != folder:
                    graph[folder].setdefault(target, f"{path} includes {include}")
    return graph


def cycles(graph):
    """The strongly connected components of more than one folder (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(folder):
        index[folder] = low[folder] = len(index)
        stack.append(folder)
        on_stack.add(folder)
        for target in graph.get(folder, {}):
            if target not in index:
                visit(target)
                low[folder] = min(low[folder], low[target])
            elif target in on_stack:
                low[folder] = min(low[folder], index[target])
        if low[folder] == index[folder]:
            component = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                component.append(member)
                if member == folder:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    for folder in sorted(graph):
        if folder not in index:
            visit(folder)
    return found


def main(arguments):
    root = arguments[0]
    tops = arguments[1:] or TOP_FOLDERS
    folders = sorted(source_folders(root, tops))
    graph = include_graph(root, folders)
    faults = 0
    for component in cycles(graph):
        faults += 1
        print("folders that include each other: " + ", ".join(component))
        for folder in component:
            for target, example in sorted(graph[folder].items()):
                if target in component:
                    print(f"  {folder} -> {target}: {example}")
    for folder in folders:
        count = sum(os.path.isfile(os.path.join(root, folder, name))
                    for name in os.listdir(os.path.join(root, folder)))
        if count > MAX_FILES:
            faults += 1
            print(f"{folder} holds {count} files (at most {MAX_FILES})")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

#!/usr/bin/python3
"""Compares the JSON on standard input with a committed one: every number to
1e-9 (relative to the larger magnitude, absolute below 1), everything else
exactly. Prints each difference with its path; exit status 1 when any."""
import json
import sys

TOLERANCE = 1e-9


def differences(expected, actual, path=""):
    number = (int, float)
    if isinstance(expected, number) and isinstance(actual, number) \
            and not isinstance(expected, bool) and not isinstance(actual, bool):
        if abs(expected - actual) > TOLERANCE * max(1.0, abs(expected), abs(actual)):
            yield f"{path}: {actual} instead of {expected}"
    elif type(expected) is not type(actual) or (
            isinstance(expected, list) and len(expected) != len(actual)):
        yield f"{path}: {json.dumps(actual)[:80]} instead of {json.dumps(expected)[:80]}"
    elif isinstance(expected, list):
        for i, (want, got) in enumerate(zip(expected, actual)):
            yield from differences(want, got, f"{path}[{i}]")
    elif isinstance(expected, dict):
        for key, want in expected.items():
            member = f"{path}.{key}" if path else key
            if key not in actual:
                yield f"{member}: missing"
            else:
                yield from differences(want, actual[key], member)
        for key in actual.keys() - expected.keys():
            yield f"{f'{path}.{key}' if path else key}: not expected"
    elif expected != actual:
        yield f"{path}: {json.dumps(actual)} instead of {json.dumps(expected)}"


def main():
    with open(sys.argv[1], encoding="utf-8") as golden:
        expected = json.load(golden)
    found = list(differences(expected, json.load(sys.stdin)))
    for line in found:
        print("  " + line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())

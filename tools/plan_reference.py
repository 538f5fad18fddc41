#!/usr/bin/env python3
"""Plan coordinates of a line description text, computed apart from the C++
compiler, to check the line data file against.

Reads the line length and the curve entries of a plain line text (one entry
per line, no disabled keywords), walks the plan metre by metre as the line
compiler does (straight steps and first-order rotations, in double precision,
in the same order of operations) and prints x and y of the metres asked for
as hexadecimal floating-point literals, which C++ reads bit for bit.

    tools/plan_reference.py Velbrio_Dolvena_linea.txt 1400 8500 103998
"""

import sys

CURVATURE = {"1": 0.0001, "2": 0.0002, "3": 0.0004, "4": 0.001, "5": 0.002, "6": 0.003}


def read_text(path):
    length = None
    curves = []
    with open(path, encoding="cp1252") as text:
        for row in text:
            fields = [field.strip() for field in row.split(",")]
            keyword = fields[0].lower()
            if "lunghezza" in keyword and "percorso" in keyword:
                length = int(fields[1])
            elif "curva" in keyword:
                digit = next(d for d in "123456" if d in keyword)
                c = CURVATURE[digit]
                if "s" in keyword:
                    c = -c
                curves.append((int(fields[1]), int(fields[2]), c))
    return length, curves


def plan(length, curves):
    last = length + 7000
    x = [0.0] * (last + 1)
    y = [0.0] * (last + 1)
    y[1] = 1.0
    j = 2

    def straight(j):
        x[j] = x[j - 1] + (x[j - 1] - x[j - 2])
        y[j] = y[j - 1] + (y[j - 1] - y[j - 2])

    def curved(j, c):
        dx = x[j - 1] - x[j - 2]
        dy = y[j - 1] - y[j - 2]
        x[j] = x[j - 1] + (dx + c * dy)
        y[j] = y[j - 1] + (dy - c * dx)

    for start, n, c in curves:
        while j <= start:
            straight(j)
            j += 1
        while j <= start + n:
            curved(j, c)
            j += 1
    while j <= last - 2:
        straight(j)
        j += 1
    return x, y


def main():
    length, curves = read_text(sys.argv[1])
    x, y = plan(length, curves)
    for metre in map(int, sys.argv[2:]):
        print(f"{{{metre}, {x[metre].hex()}, {y[metre].hex()}}},  // {x[metre]!r}, {y[metre]!r}")


if __name__ == "__main__":
    main()

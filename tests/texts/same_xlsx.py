#!/usr/bin/env python3
"""Fails unless two .xlsx files hold the same workbook: every member of the zip byte for byte (the
creation and modification times in docProps/core.xml set aside, as are the zip's own time stamps), and,
read back by openpyxl, the same cells with the same values and number formats, numbers as numbers.
  same_xlsx.py FIRST SECOND
"""
import re
import sys
import zipfile

import openpyxl

STAMP = re.compile(rb"(<dcterms:(created|modified)[^>]*>)[^<]*(</dcterms:)")


def members(path):
    with zipfile.ZipFile(path) as book:
        return {name: STAMP.sub(rb"\1TIME\3", book.read(name)) for name in book.namelist()}


def cells(path):
    book = openpyxl.load_workbook(path)
    return [(sheet.title, cell.coordinate, cell.value, cell.number_format)
            for sheet in book.worksheets for row in sheet.iter_rows() for cell in row if cell.value is not None]


def main(first, second):
    problems = []
    a, b = members(first), members(second)
    if sorted(a) != sorted(b):
        problems.append(f"members differ: {sorted(a)} and {sorted(b)}")
    problems += [f"{name} differs" for name in sorted(set(a) & set(b)) if a[name] != b[name]]
    ca, cb = cells(first), cells(second)
    problems += [f"{x} and {y}" for x, y in zip(ca, cb) if x != y][:10]
    if len(ca) != len(cb):
        problems.append(f"{len(ca)} and {len(cb)} cells")
    if not any(isinstance(value, float) and value != int(value) for _, _, value, _ in ca):
        problems.append("no cell holds a number with a fraction: the numbers were not written as numbers")
    for problem in problems:
        print(f"{first} / {second}: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))

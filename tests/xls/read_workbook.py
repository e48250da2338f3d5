#!/usr/bin/python3
"""Independent check of a saved workbook with Debian's olefile and xlrd.

Usage: read_workbook.py FILE check ROWS COLS PATTERN   - every cell (r, c) of the first sheet must be
                                                          PATTERN % (r, c); prints OK and the figures
       read_workbook.py FILE dump                      - prints the sheets and their cells as JSON
"""
import json
import sys

import olefile
import xlrd


def container(path):
    if not olefile.isOleFile(path):
        raise SystemExit("not a compound document")
    ole = olefile.OleFileIO(path, raise_defects=olefile.DEFECT_INCORRECT)
    streams = ole.listdir()
    if streams != [["Workbook"]]:
        raise SystemExit("unexpected streams %r" % streams)
    size = ole.get_size("Workbook")
    data = ole.openstream("Workbook").read()
    if len(data) != size:
        raise SystemExit("stream read back %d of %d bytes" % (len(data), size))
    ole.close()
    return size


def check(path, rows, cols, pattern):
    size = container(path)
    book = xlrd.open_workbook(path)
    sheet = book.sheet_by_index(0)
    if (sheet.nrows, sheet.ncols) != (rows, cols):
        raise SystemExit("dimensions %dx%d, expected %dx%d" % (sheet.nrows, sheet.ncols, rows, cols))
    for r in range(rows):
        values = sheet.row_values(r)
        for c in range(cols):
            if values[c] != pattern % (r, c):
                raise SystemExit("cell (%d, %d) is %r" % (r, c, values[c]))
    print("OK stream=%d sheets=%s rows=%d cols=%d" % (size, book.sheet_names(), rows, cols))


def dump(path):
    container(path)
    book = xlrd.open_workbook(path)
    out = []
    for sheet in book.sheets():
        out.append({"name": sheet.name, "rows": sheet.nrows, "cols": sheet.ncols,
                    "cells": [sheet.row_values(r) for r in range(sheet.nrows)]})
    print(json.dumps(out, ensure_ascii=False))


if __name__ == "__main__":
    if sys.argv[2] == "check":
        check(sys.argv[1], int(sys.argv[3]), int(sys.argv[4]), sys.argv[5])
    else:
        dump(sys.argv[1])

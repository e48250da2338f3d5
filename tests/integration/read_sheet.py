"""Prints a workbook as JSON with an independent reader: [[sheet name, [[cell texts of a row]...]]...]."""
import json
import sys

import xlrd

book = xlrd.open_workbook(sys.argv[1])
sheets = []
for sheet in book.sheets():
    rows = [[str(sheet.cell_value(r, c)) for c in range(sheet.ncols)] for r in range(sheet.nrows)]
    sheets.append([sheet.name, rows])
print(json.dumps(sheets, ensure_ascii=False))

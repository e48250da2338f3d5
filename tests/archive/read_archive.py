#!/usr/bin/python3
"""Reads an archive file with Python's own sqlite3 module and prints what a test asks for as JSON.

usage: read_archive.py FILE SQL [SQL...] -> the rows of each SQL as lists (blobs as hex), a line each
       read_archive.py FILE --check -> integrity_check, journal_mode and user_version
"""
import json
import sqlite3
import sys


def value(v):
    return v.hex() if isinstance(v, bytes) else v


def main():
    path, statements = sys.argv[1], sys.argv[2:]
    db = sqlite3.connect("file:" + path + "?mode=ro", uri=True)
    if statements == ["--check"]:
        out = {
            "integrity": db.execute("PRAGMA integrity_check").fetchone()[0],
            "journal": db.execute("PRAGMA journal_mode").fetchone()[0],
            "version": db.execute("PRAGMA user_version").fetchone()[0],
        }
        print(json.dumps(out))
        return
    # Several statements in one run: a test that compares whole archives pays for one interpreter.
    for what in statements:
        print(json.dumps([[value(v) for v in row] for row in db.execute(what)]))


main()

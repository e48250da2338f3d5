#!/usr/bin/python3
"""Reads an archive file with Python's own sqlite3 module and prints what a test asks for as JSON.

usage: read_archive.py FILE SQL   -> the rows of SQL as lists (blobs as hex)
       read_archive.py FILE --check -> integrity_check, journal_mode and user_version
"""
import json
import sqlite3
import sys


def value(v):
    return v.hex() if isinstance(v, bytes) else v


def main():
    path, what = sys.argv[1], sys.argv[2]
    db = sqlite3.connect("file:" + path + "?mode=ro", uri=True)
    if what == "--check":
        out = {
            "integrity": db.execute("PRAGMA integrity_check").fetchone()[0],
            "journal": db.execute("PRAGMA journal_mode").fetchone()[0],
            "version": db.execute("PRAGMA user_version").fetchone()[0],
        }
    else:
        out = [[value(v) for v in row] for row in db.execute(what)]
    print(json.dumps(out))


main()

#!/usr/bin/python3
"""Reads an archive file with Python's own sqlite3 module and prints what a test asks for as JSON.

usage: read_archive.py FILE SQL [SQL...] -> the rows of each SQL as lists (blobs as hex), a line each
       read_archive.py FILE --check -> integrity_check, journal_mode and user_version
       read_archive.py --serve -> answers requests from standard input, one a line:
           {"path": FILE, "statements": [SQL...]} -> "ok N" and N lines as above, or "error WHY"
"""
import json
import sqlite3
import sys


def value(v):
    return v.hex() if isinstance(v, bytes) else v


def answer(path, statements):
    # Opened read-only for each request and closed after it, so the reader never holds the file between
    # the test's steps and always sees what the program last committed.
    db = sqlite3.connect("file:" + path + "?mode=ro", uri=True)
    try:
        if statements == ["--check"]:
            out = {
                "integrity": db.execute("PRAGMA integrity_check").fetchone()[0],
                "journal": db.execute("PRAGMA journal_mode").fetchone()[0],
                "version": db.execute("PRAGMA user_version").fetchone()[0],
            }
            return [json.dumps(out)]
        return [json.dumps([[value(v) for v in row] for row in db.execute(what)]) for what in statements]
    finally:
        db.close()


def serve():
    # One interpreter for a whole test: a test that reads the archive after every step pays its start once.
    for line in sys.stdin:
        request = json.loads(line)
        try:
            lines = answer(request["path"], request["statements"])
        except Exception as e:  # said to the test, which fails with it; the next request is served
            print("error " + (type(e).__name__ + ": " + str(e)).replace("\n", " "), flush=True)
            continue
        print("ok %d" % len(lines))
        for one in lines:
            print(one)
        sys.stdout.flush()


def main():
    if sys.argv[1:] == ["--serve"]:
        serve()
        return
    path, statements = sys.argv[1], sys.argv[2:]
    for one in answer(path, statements):
        print(one)


main()

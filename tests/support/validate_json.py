#!/usr/bin/env python3
"""Checks a JSON document against a JSON Schema, independently of the program that wrote it.

Usage: validate_json.py SCHEMA DOCUMENT
Prints one line per violation (where in the document, and what) and exits 1 when there is any; exits 2
when the document is no JSON at all or the schema is not a valid schema.
       validate_json.py --serve
Answers requests from standard input, one a line: {"schema": SCHEMA, "document": DOCUMENT} -> "ok N" and
the N lines above (none when the document is valid), or "error WHY" when the schema cannot be used.
"""
import json
import sys

import jsonschema

validators = {}


def validator(schema_path):
    # Each schema is read and checked once per run: a test program checks many outputs against a few.
    if schema_path not in validators:
        with open(schema_path, encoding="utf-8") as f:
            schema = json.load(f)
        validator_class = jsonschema.validators.validator_for(schema)
        validator_class.check_schema(schema)
        validators[schema_path] = validator_class(schema)
    return validators[schema_path]


def violations(schema_path, document_path):
    check = validator(schema_path)
    try:
        with open(document_path, encoding="utf-8") as f:
            document = json.load(f)
    except ValueError as error:
        return [f"not JSON: {error}"], 2
    errors = sorted(check.iter_errors(document), key=lambda e: list(e.absolute_path))
    lines = []
    for error in errors:
        where = "/".join(str(part) for part in error.absolute_path) or "(the document)"
        lines.append(f"{where}: {error.message}")
    return lines, 1 if errors else 0


def serve():
    for line in sys.stdin:
        request = json.loads(line)
        try:
            lines, _ = violations(request["schema"], request["document"])
        except Exception as e:  # said to the test, which fails with it; the next request is served
            print("error " + (type(e).__name__ + ": " + str(e)).replace("\n", " "), flush=True)
            continue
        print("ok %d" % len(lines))
        for one in lines:
            print(one.replace("\n", " "))
        sys.stdout.flush()


def main(arguments):
    if arguments == ["--serve"]:
        serve()
        return 0
    lines, status = violations(*arguments[0:2])
    for one in lines:
        print(one)
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

#!/usr/bin/env python3
"""Checks a JSON document against a JSON Schema, independently of the program that wrote it.

Usage: validate_json.py SCHEMA DOCUMENT
Prints one line per violation (where in the document, and what) and exits 1 when there is any; exits 2
when the document is no JSON at all or the schema is not a valid schema.
"""
import json
import sys

import jsonschema


def main(schema_path, document_path):
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    validator_class = jsonschema.validators.validator_for(schema)
    validator_class.check_schema(schema)
    try:
        with open(document_path, encoding="utf-8") as f:
            document = json.load(f)
    except ValueError as error:
        print(f"not JSON: {error}")
        return 2
    errors = sorted(validator_class(schema).iter_errors(document), key=lambda e: list(e.absolute_path))
    for error in errors:
        where = "/".join(str(part) for part in error.absolute_path) or "(the document)"
        print(f"{where}: {error.message}")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))

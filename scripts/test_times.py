#!/usr/bin/env python3
"""Writes each test's time from a ctest JUnit file as a table, slowest first, with the sum at the end.

Usage: test_times.py RESULTS.xml OUT.txt
"""
import os
import sys
import xml.etree.ElementTree as ElementTree


def main(results_path, out_path):
    cases = []
    for case in ElementTree.parse(results_path).getroot().iter("testcase"):
        outcome = "passed"
        if case.find("failure") is not None or case.find("error") is not None:
            outcome = "failed"
        elif case.find("skipped") is not None or case.get("status") == "notrun":
            outcome = "skipped"
        cases.append((float(case.get("time", "0")), case.get("name", "?"), outcome))
    cases.sort(reverse=True)
    lines = [f"{seconds:9.2f}  {outcome:7}  {name}" for seconds, name, outcome in cases]
    lines.append(f"{sum(seconds for seconds, _, _ in cases):9.2f}  summed over {len(cases)} tests")
    with open(out_path + ".part", "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")
    os.replace(out_path + ".part", out_path)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])

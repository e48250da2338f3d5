#!/usr/bin/env python3
"""Writes the server schema of earlier program versions as plain SQL, from this repository's history, for the
upgrade tests: each file is what `team init` of that version ran, followed by its layout number. Run from the
repository's top: tests/team/layouts/extract.py"""
import re
import subprocess

# layout file -> the last commit that made it
VERSIONS = {
    "layout1.sql": ("230eab7", 1),
    "layout2.sql": ("415090b", 2),           # read-out images as bytes
    "layout2-analyses.sql": ("806eab9", 2),  # grid assessments; merged with the above into 3
    "layout3.sql": ("6448835", 3),
}


def show(commit, path):
    return subprocess.run(["git", "show", f"{commit}:{path}"], check=True, capture_output=True, text=True).stdout


for name, (commit, layout) in VERSIONS.items():
    text = show(commit, "team/ServerSchemaText.h")
    blocks = dict(re.findall(r'inline constexpr const char\* (\w+) = R"sql\((.*?)\)sql";', text, re.S))
    policies = blocks["kPoliciesSql"].replace("READ_RULE", blocks["kReadRule"]).replace("WRITE_RULE", blocks["kWriteRule"])
    order = ["kTablesSql", "kRightsSql", "kChangeLogSql", "kPushSql", "kMembersSql"]
    sql = "".join(blocks[k] for k in order) + policies + blocks["kGrantsSql"]
    with open(f"tests/team/layouts/{name}", "w") as out:
        out.write(f"-- The team schema as `team init` made it at layout {layout} (commit {commit}).\n")
        out.write(sql)
        out.write(f"\nINSERT INTO terrovane.meta (key, value) VALUES ('layout', '{layout}');\n")

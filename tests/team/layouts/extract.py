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
# layouts whose SQL lives in team/sql: file -> (commit, layout)
VERSIONED = {
    "layout4.sql": ("9a437d7", 4),
    "layout5.sql": ("a0a97d1", 5),
    "layout7.sql": ("c1ff0c0", 7),
    "layout9.sql": ("b118c3d", 9),
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


# From layout 4 on, the program runs its steps, then its functions as the schema's own role, then the grants,
# as team/ServerSchema.cpp puts them together.
for name, (commit, layout) in VERSIONED.items():
    cmake = show(commit, "team/CMakeLists.txt")
    steps = re.findall(r"sql/steps/(layout\d+\.sql)", cmake)
    functions = re.findall(r"sql/functions/(\w+\.sql)", cmake)
    sql = "SET LOCAL client_min_messages = warning;\n"
    sql += "".join(show(commit, f"team/sql/steps/{step}") + "\n" for step in steps)
    sql += ("DO $$ BEGIN EXECUTE format('SET LOCAL ROLE %I', (SELECT value FROM terrovane.meta WHERE key = "
            "'api_role')); END $$;\n")
    sql += "".join(show(commit, f"team/sql/functions/{f}") + "\n" for f in functions)
    sql += "RESET ROLE;\n" + show(commit, "team/sql/grants.sql")
    with open(f"tests/team/layouts/{name}", "w") as out:
        out.write(f"-- The team schema as `team init` made it at layout {layout} (commit {commit}).\n")
        out.write(sql)
        out.write(f"\nINSERT INTO terrovane.meta (key, value) VALUES ('layout', '{layout}');\n")

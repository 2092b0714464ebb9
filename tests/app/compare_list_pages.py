#!/usr/bin/env python3
"""What the window's list pages gave (left in FOLDER by the list pages'
test under Wine) against what corvanta-solve gives for the same job and
stock on the same machine: the saved CSV byte for byte, the copied results
as the CSV's shown columns, and every row of the copied advice against the
tool's advice rows.

  compare_list_pages.py CORVANTA_SOLVE FOLDER
"""
import csv
import io
import json
import subprocess
import sys

solve, folder = sys.argv[1], sys.argv[2]
# The job of the test: a stock of 30 to 59 teeth, helix 20, pitch 10,
# 20 teeth, the default constants.
job = ["--index-const", "30", "--feed-const", "0.075", "--feed-rate", ".025",
       "--helix", "20", "--ndp", "10", "--teeth", "20",
       "--stock", "0" * 14 + "1" * 30 + "0" * 110]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def read(name):
    with open(f"{folder}/{name}", "rb") as f:
        return f.read()


tool_csv = subprocess.run([solve, *job, "--csv"], check=True, capture_output=True).stdout
check(read("results_saved.csv") == tool_csv, "the saved CSV differs from corvanta-solve --csv")

records = list(csv.reader(io.StringIO(tool_csv.decode(), newline="")))
copied = [line.split("\t") for line in read("results_copy.txt").decode().split("\r\n") if line]
check(copied[0] == records[0][:9], "the copied heads differ from the CSV's")
check(sorted(copied[1:]) == sorted(r[:9] for r in records[1:]),
      "the copied rows differ from the CSV's shown columns")

advice = json.loads(subprocess.run([solve, *job, "--advise", "--json", "--results", "1000"],
                                   check=True, capture_output=True).stdout)
lines = [line.split("\t") for line in read("advice_copy.txt").decode().split("\r\n") if line]
window = {tuple(row[0].split(" and ")) if row[0][0].isdigit() else (): row for row in lines[1:]}
check(len(window) == len(advice["rows"]), f"{len(window)} rows against {len(advice['rows'])}")
for row in advice["rows"]:
    added = tuple(str(t) for t in row["added"])
    shown = window.get(added)
    if shown is None:
        failures.append(f"no row for {added}")
        continue
    check(shown[1] == str(row["results"]), f"{added}: {shown[1]} results against {row['results']}")
    first = row["first"]
    if first is None:
        check(shown[2:] == [""] * 6, f"{added}: cells without a result")
        continue
    lines_of = first["lines"]
    index = "{} x {} / {} x {}".format(*lines_of["indexCells"])
    feed = "{} x {} / {} x {}".format(*lines_of["feedCells"])
    check(shown[5] == index and shown[6] == feed, f"{added}: trains {shown[5:7]}")
    check(lines_of["feedError"] == "Feed Error: " + shown[2], f"{added}: feed error {shown[2]}")
    check(f"(Error: {shown[3]})" in lines_of["lead"], f"{added}: lead error {shown[3]}")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)

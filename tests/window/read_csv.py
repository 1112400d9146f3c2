"""Reads a CSV file the way Python's csv module does (RFC 4180, as a
spreadsheet writes it) and prints its rows as JSON, for a test to compare
against the cells it meant to write."""
import csv
import json
import sys

with open(sys.argv[1], newline="", encoding="utf-8") as table:
    rows = list(csv.reader(table, strict=True))
json.dump(rows, sys.stdout, ensure_ascii=False)

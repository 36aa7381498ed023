#!/usr/bin/env python3
"""Prints the README's benchmark table from the CSV files of one run of both builds: every
scenario's row of the 64-bit build, with the 32-bit build's p50 and p50/floor beside it.

    tools/bench_table.py X64.csv X86.csv
"""
import csv
import sys


def rows(path):
    with open(path, newline="") as source:
        return {(row["scenario"], row["width"], row["height"]): row for row in csv.DictReader(source)}


def main(x64_path, x86_path):
    x64, x86 = rows(x64_path), rows(x86_path)
    if list(x64) != list(x86):
        sys.exit("the two runs have different scenarios")
    print("| scenario | size | frames | p50 ms x64 | p50 ms x86 | p99 ms x64 | max ms x64 "
          "| p50/floor x64 | p50/floor x86 | p99/floor x64 | objects | gdi |")
    print("|---|---|--:|--:|--:|--:|--:|--:|--:|--:|--:|--:|")
    for key, row in x64.items():
        other = x86[key]
        print(f"| {key[0]} | {key[1]}x{key[2]} | {row['frames']} | {row['p50_ms']} "
              f"| {other['p50_ms']} | {row['p99_ms']} | {row['max_ms']} | {row['p50_vs_floor']} "
              f"| {other['p50_vs_floor']} | {row['p99_vs_floor']} | {row['peak_objects']} "
              f"| {row['peak_gdi_objects']} |")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])

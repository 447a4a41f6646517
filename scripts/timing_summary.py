"""Prints where the time of a test run went: each phase, each group of tests (by ctest label;
the Wine tests and the package test are groups of their own), the slowest tests and the
slowest compile steps.

Usage: timing_summary.py PHASES NAME=BUILD_FOLDER...

PHASES is scripts/test.sh's file of phases: name, seconds and exit status, tab-separated. Each
build folder may hold ctest's JUnit file (ctest-results.xml) and ninja's log (.ninja_log);
what a folder lacks is left out."""
import json
import os
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

SLOWEST = 20


def read_phases(path):
    phases = []
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            name, seconds, status = line.rstrip("\n").split("\t")
            phases.append((name, int(seconds), int(status)))
    return phases


def without_parameter(name):
    """A test's name without the value of its parameter ("  # GetParam() = ..."), which may
    show an address that differs between runs."""
    return name.split("  # GetParam()")[0]


def test_labels(folder):
    """Each test's labels, as ctest knows them in that build."""
    try:
        listing = subprocess.run(["ctest", "--show-only=json-v1"], cwd=folder, check=True,
                                 capture_output=True, text=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return {}
    labels = {}
    for test in json.loads(listing).get("tests", []):
        for prop in test.get("properties", []):
            if prop.get("name") == "LABELS":
                labels[without_parameter(test["name"])] = prop["value"]
    return labels


def test_times(folder):
    """(seconds, name, status) of each test of the build's last ctest run."""
    path = os.path.join(folder, "ctest-results.xml")
    if not os.path.exists(path):
        return []
    return [(float(case.get("time", 0)), case.get("name"), case.get("status"))
            for case in ElementTree.parse(path).getroot().iter("testcase")]


def compile_steps(folder):
    """(seconds, output) of each step of the build's last ninja run, its latest if repeated."""
    path = os.path.join(folder, ".ninja_log")
    if not os.path.exists(path):
        return []
    latest = {}
    with open(path, encoding="utf-8") as log:
        for line in log:
            if line.startswith("#"):
                continue
            fields = line.rstrip("\n").split("\t")
            if len(fields) >= 4:
                latest[fields[3]] = (int(fields[1]) - int(fields[0])) / 1000
    return [(seconds, output) for output, seconds in latest.items()]


def group_of(name, labels):
    """A test's group: its most telling label, else 'other'."""
    for label in ("wine", "package", "corpus", "program", "gui", "script", "toolkit-free"):
        if label in labels:
            return label
    return "other"


def main(phases_path, builds):
    phases = read_phases(phases_path)
    print("\nTiming summary")
    print("\nPhases (wall clock)")
    for name, seconds, status in phases:
        print(f"  {name:<18} {seconds:6d} s{'' if status == 0 else '   (failed)'}")
    print(f"  {'total':<18} {sum(seconds for _, seconds, _ in phases):6d} s")

    tests, steps = [], []
    print("\nTest groups (the time of their tests, which run side by side)")
    for build, folder in builds:
        times = test_times(folder)
        labels = test_labels(folder) if times else {}
        groups = {}
        for seconds, name, status in times:
            tests.append((seconds, build, name))
            group = group_of(name, labels.get(without_parameter(name), []))
            count, total = groups.get(group, (0, 0.0))
            groups[group] = (count + 1, total + seconds)
        for group, (count, total) in sorted(groups.items(), key=lambda item: -item[1][1]):
            print(f"  {build + ' ' + group:<24} {count:5d} tests {total:8.1f} s")
        steps += [(seconds, build, output) for seconds, output in compile_steps(folder)]

    print(f"\nThe {SLOWEST} slowest tests")
    for seconds, build, name in sorted(tests, reverse=True)[:SLOWEST]:
        print(f"  {seconds:7.1f} s  {build:<10} {name[:100]}")
    print(f"\nThe {SLOWEST} slowest compile steps ({len(steps)} steps in all)")
    for seconds, build, output in sorted(steps, reverse=True)[:SLOWEST]:
        print(f"  {seconds:7.1f} s  {build:<10} {output}")
    return 0


if __name__ == "__main__":
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1], [argument.split("=", 1) for argument in sys.argv[2:]]))

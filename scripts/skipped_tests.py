"""Names the tests a ctest run skipped, with the reasons from their output, which ctest's own
summary leaves out. With CI=true in the environment a skip fails: there every tool is
installed, so a skipped test means a missing install step.

Usage: skipped_tests.py <ctest's JUnit file>"""
import os
import sys
import xml.etree.ElementTree as ElementTree


def reason(output):
    """Our scripts say 'SKIPPED: why'; GoogleTest prints 'file:line: Skipped', then why."""
    lines = output.splitlines()
    for i, line in enumerate(lines):
        if line.startswith("SKIPPED: "):
            return line[len("SKIPPED: "):]
        if line.endswith(": Skipped") and i + 1 < len(lines):
            return lines[i + 1]
    return "no reason given"


def main(junit_file):
    skipped = [(case.get("name"), reason(case.findtext("system-out") or ""))
               for case in ElementTree.parse(junit_file).getroot().iter("testcase")
               if case.find("skipped") is not None]
    for name, why in skipped:
        print(f"skipped {name}: {why}")
    if skipped and os.environ.get("CI") == "true":
        print("tests were skipped in CI, where every test must run: install what they need",
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

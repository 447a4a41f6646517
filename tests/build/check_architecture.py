#!/usr/bin/env python3
"""The libraries link only what docs/architecture.md allows.

Reads the table of docs/architecture.md (library, folder, owns, may link) and the link graph
CMake wrote, and fails for a library of ours missing from the table and for each link to
another of our libraries that its row does not allow.

    check_architecture.py LINK_GRAPH ARCHITECTURE_MD
"""

import re
import sys


def allowed_links(path):
    allowed = {}
    row = re.compile(r"^\|\s*(kestova_\w+)\s*\|[^|]*\|[^|]*\|([^|]*)\|\s*$")
    with open(path, encoding="utf-8") as page:
        for line in page:
            match = row.match(line)
            if match:
                allowed[match.group(1)] = set(match.group(2).split())
    return allowed


def our_links(path):
    links = {}
    with open(path, encoding="utf-8") as graph:
        for line in graph:
            name, kind, folder, _sources, _includes, linked, _onward = line.rstrip("\n").split("|")
            if name.startswith("kestova_") and kind.endswith("LIBRARY") and "/src/" in folder + "/":
                links[name] = {item for item in linked.split(",") if item.startswith("kestova_")}
    return links


def main(graph_path, page_path):
    allowed = allowed_links(page_path)
    faults = []
    for library, linked in sorted(our_links(graph_path).items()):
        if library not in allowed:
            faults.append(f"{library} is not in the table of {page_path}")
            continue
        for other in sorted(linked - allowed[library]):
            faults.append(f"{library} links {other}, which its row does not allow")
    for fault in faults:
        print(fault)
    print(f"{len(allowed)} libraries in the table, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))

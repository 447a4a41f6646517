#!/usr/bin/env python3
"""Each library exposes only its own headers: a target may include a header of a library only
when that library is in its link closure (linked directly, or passed on by what it links).

Reads the link graph that CMake wrote (cmake/link_graph.cmake) and every #include "..." of each
target's sources and of the project headers they include. A header belongs to the library built
in its folder. Prints each include that breaks the rule and fails when there is one.

    check_includes.py LINK_GRAPH PROJECT_SOURCE_DIR
"""

import os
import re
import sys
from dataclasses import dataclass

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
LIBRARY_TYPES = {"STATIC_LIBRARY", "SHARED_LIBRARY", "OBJECT_LIBRARY", "INTERFACE_LIBRARY",
                 "MODULE_LIBRARY"}


@dataclass
class Target:
    name: str
    kind: str
    folder: str
    sources: list
    include_dirs: list
    links: list
    onward: list


def split(value):
    return [item for item in value.split(",") if item]


def plain(item):
    """A link or folder without generator expressions: $<LINK_ONLY:x> is not passed on."""
    match = re.fullmatch(r"\$<BUILD_INTERFACE:(.*)>", item)
    if match:
        return match.group(1)
    return None if item.startswith("$<") else item


def read_graph(path):
    targets = {}
    with open(path, encoding="utf-8") as graph:
        for line in graph:
            name, kind, folder, sources, includes, links, onward = line.rstrip("\n").split("|")
            sources = [s if os.path.isabs(s) else os.path.join(folder, s) for s in split(sources)]
            targets[name] = Target(name, kind, os.path.realpath(folder),
                                   [os.path.realpath(s) for s in sources],
                                   [d for d in map(plain, split(includes)) if d],
                                   [l for l in map(plain, split(links)) if l],
                                   [l for l in map(plain, split(onward)) if l])
    return targets


def link_closure(targets, name):
    """The libraries whose headers `name` may use: its own links and what they pass on."""
    seen = set()
    pending = list(targets[name].links)
    while pending:
        linked = pending.pop()
        if linked in seen or linked not in targets:
            continue
        seen.add(linked)
        pending.extend(targets[linked].onward)
    return seen


def owners_by_header(targets):
    """Header path -> the libraries that may own it (those built in its folder)."""
    libraries_in = {}
    for target in targets.values():
        if target.kind in LIBRARY_TYPES:
            libraries_in.setdefault(target.folder, []).append(target)

    def owners(header):
        candidates = libraries_in.get(os.path.dirname(header), [])
        stem = os.path.splitext(header)[0]
        exact = [t for t in candidates if any(os.path.splitext(s)[0] == stem for s in t.sources)]
        return {t.name for t in (exact or candidates)}

    return owners


def resolve(include, including_file, roots):
    for root in [os.path.dirname(including_file)] + roots:
        candidate = os.path.realpath(os.path.join(root, include))
        if os.path.isfile(candidate):
            return candidate
    return None


def includes_of(path, cache):
    if path not in cache:
        try:
            with open(path, encoding="utf-8", errors="replace") as source:
                cache[path] = INCLUDE.findall(source.read())
        except OSError:
            cache[path] = []
    return cache[path]


def own_headers(target):
    if target.kind not in LIBRARY_TYPES:
        return []
    return [os.path.join(target.folder, f) for f in sorted(os.listdir(target.folder))
            if f.endswith((".h", ".hpp"))]


def check(targets, project):
    owners = owners_by_header(targets)
    project_roots = sorted({os.path.realpath(d) for t in targets.values() for d in t.include_dirs
                            if os.path.realpath(d).startswith(project)})
    cache = {}
    faults = []
    for target in sorted(targets.values(), key=lambda t: t.name):
        allowed = link_closure(targets, target.name) | {target.name}
        roots = [os.path.realpath(d) for d in target.include_dirs] + project_roots
        pending = [s for s in target.sources if s.endswith((".c", ".cc", ".cpp", ".h", ".hpp"))]
        pending += own_headers(target)
        visited = set(pending)
        while pending:
            path = pending.pop()
            for include in includes_of(path, cache):
                header = resolve(include, path, roots)
                if not header or not header.startswith(project):
                    continue
                libraries = owners(header)
                if libraries and not libraries & allowed:
                    faults.append(f"{os.path.relpath(path, project)}: {target.name} includes "
                                  f"\"{include}\" of {', '.join(sorted(libraries))}, "
                                  f"which it does not link")
                if header not in visited:
                    visited.add(header)
                    pending.append(header)
    return faults


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    targets = read_graph(sys.argv[1])
    project = os.path.realpath(sys.argv[2])
    faults = sorted(set(check(targets, project)))
    for fault in faults:
        print(fault)
    print(f"{len(targets)} targets checked, {len(faults)} includes of libraries not linked")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

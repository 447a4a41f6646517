r"""Compares drawings with the drawings saved from them, as ezdxf reads both.

Usage: compare_drawings.py JOBS [--results FILE] [--processes N]

JOBS holds one job a line, as JSON ("-" reads them from standard input):
  {"source": "a3.dxf", "saved": "a3.saved.dxf", "added": 1, "announced": ["2 IMAGE"]}
added: how many entities were added to model space before the save; announced: the lines of
the question the program asked before saving, which excuse differences of those record types.

Prints every pair that differs with its differences, one line per kind of difference with a
count of the alike ones, at most ten lines a pair; then a summary. --results writes the lines
of every kind, tab-separated, as "<job>\tline\t<kind>\t<text>", and the records that differ by
type as "<job>\tfound\t2 IMAGE", jobs numbered from 0. Exits with 1 when any pair differs,
with 2 when it cannot compare them. A source is read once for all its jobs, a saved file once
for the jobs whose saved files are alike to the byte; jobs run in parallel."""
import argparse
import hashlib
import json
import multiprocessing
import os
import sys
import traceback
from collections import Counter
from typing import List, Tuple

from drawing_comparison import compare
from drawing_snapshot import read_snapshot

LINES_PER_PAIR = 10


def compare_jobs_of_one_source(jobs: List[Tuple[int, dict]]) -> List[Tuple[int, dict]]:
    """Runs in a worker process: the results of jobs that share their source."""
    try:
        source = read_snapshot(jobs[0][1]["source"])
    except Exception as error:
        return [(index, _failed("source unreadable by ezdxf", error)) for index, _ in jobs]
    results = []
    known = {}  # saves of one source are often alike to the byte: compared once
    for index, job in jobs:
        added, announced = job.get("added", 0), job.get("announced", [])
        try:
            with open(job["saved"], "rb") as saved_file:
                key = (hashlib.sha1(saved_file.read()).digest(), added, tuple(announced))
            saved = read_snapshot(job["saved"]) if key not in known else None
        except Exception as error:
            results.append((index, _failed("saved file unreadable by ezdxf", error)))
            continue
        if key not in known:
            known[key] = _result(compare(source, saved, added, announced))
        results.append((index, known[key]))
    return results


def _result(pair) -> dict:
    return {"lines": _by_kind(pair.differences), "count": len(pair.differences),
            "found": [f"{count} {kind}" for kind, count in sorted(pair.differing_records.items())]}


def _failed(kind: str, error: Exception) -> dict:
    return {"lines": [(kind, f"{kind}: {error}")], "count": 1, "found": []}


def _by_kind(differences) -> List[Tuple[str, str]]:
    """One line per kind of difference, the first of its kind with a count of the others, as
    (kind, text)."""
    by_kind = {}
    for difference in differences:
        by_kind.setdefault(difference.kind, []).append(difference)
    lines = []
    for kind, alike in by_kind.items():
        more = f" (and {len(alike) - 1} more like it)" if len(alike) > 1 else ""
        lines.append((kind, alike[0].text + more))
    return lines


def _capped(lines: List[str]) -> List[str]:
    if len(lines) <= LINES_PER_PAIR:
        return lines
    hidden = len(lines) - LINES_PER_PAIR + 1
    return lines[:LINES_PER_PAIR - 1] + [f"... and {hidden} more kinds of difference"]


def read_jobs(path: str) -> List[dict]:
    stream = sys.stdin if path == "-" else open(path, encoding="utf-8")
    with stream:
        jobs = [json.loads(line) for line in stream if line.strip()]
    for number, job in enumerate(jobs, 1):
        if not isinstance(job, dict) or not {"source", "saved"} <= job.keys():
            raise ValueError(f"job {number} names no source and saved file: {job}")
    return jobs


def run(jobs: List[dict], processes: int):
    by_source = {}
    for index, job in enumerate(jobs):
        by_source.setdefault(job["source"], []).append((index, job))
    groups = list(by_source.values())
    if processes <= 1 or len(groups) == 1:
        return [result for group in groups for result in compare_jobs_of_one_source(group)]
    with multiprocessing.Pool(processes) as pool:
        return [result for results in pool.imap(compare_jobs_of_one_source, groups, chunksize=4)
                for result in results]


def report(jobs: List[dict], results, results_file) -> int:
    differing = 0
    pairs_by_kind = Counter()
    for index, result in sorted(results):
        job = jobs[index]
        for line in result["found"]:
            print(f"{index}\tfound\t{line}", file=results_file)
        if not result["lines"]:
            continue
        differing += 1
        pairs_by_kind.update(kind for kind, _ in result["lines"])
        source = os.path.basename(job["source"])
        count = result["count"]
        print(f"{source} → {os.path.basename(job['saved'])}{_circumstances(job)}: "
              f"{count} difference{'' if count == 1 else 's'}")
        for line in _capped([text for _, text in result["lines"]]):
            print(f"  {source}: {line}")
        for kind, line in result["lines"]:
            print(f"{index}\tline\t{kind}\t{_one_line(line)}", file=results_file)
    print(f"{len(jobs)} pairs compared, {differing} differ")
    if pairs_by_kind:
        print("Kinds of difference, by the number of pairs that show them:")
        for kind, count in pairs_by_kind.most_common(30):
            print(f"  {count:6}  {kind}")
    return 1 if differing else 0


def _circumstances(job: dict) -> str:
    notes = []
    added = job.get("added", 0)
    if added:
        notes.append(f"{added} {'entity' if added == 1 else 'entities'} added")
    if job.get("announced"):
        notes.append("announced: " + ", ".join(job["announced"]))
    return f" ({'; '.join(notes)})" if notes else ""


def _one_line(text: str) -> str:
    return text.replace("\t", " ").replace("\n", " ")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("jobs")
    parser.add_argument("--results", help="file for the results, tab-separated")
    parser.add_argument("--processes", type=int, default=os.cpu_count() or 1)
    arguments = parser.parse_args()
    try:
        jobs = read_jobs(arguments.jobs)
    except (OSError, ValueError) as error:
        print(f"compare_drawings.py: cannot read the jobs in {arguments.jobs}: {error}",
              file=sys.stderr)
        return 2
    try:
        results = run(jobs, arguments.processes)
    except Exception:  # a fault of the comparer's own must not read as drawings that differ
        traceback.print_exc()
        return 2
    results_file = open(arguments.results, "w", encoding="utf-8") if arguments.results \
        else open(os.devnull, "w")
    with results_file:
        return report(jobs, results, results_file)


if __name__ == "__main__":
    sys.exit(main())

"""Every difference between a drawing and the drawing saved from it.

Besides the records (record_differences): every header variable but those a save must update,
the entities the test added to model space (exactly that many, with handles the source lacks),
and the loss announcement: the lines of the question the program asks before a lossy save
("2 IMAGE") excuse differences of records of that type, as long as no more records of the type
differ than it named."""
import re
from collections import Counter
from dataclasses import dataclass, field
from typing import Dict, List

from ezdxf.lldxf import const
from ezdxf.sections.headervars import HEADER_VAR_MAP

from drawing_snapshot import Snapshot
from dxf_values import same_value, show_change
from record_differences import Difference, RecordComparison
from snapshot_matching import MODEL_SPACE, match

UPDATED_BY_SAVE = {"$HANDSEED", "$TDUPDATE", "$TDUUPDATE", "$TDINDWG", "$TDUSRTIMER",
                   "$VERSIONGUID", "$FINGERPRINTGUID", "$EXTMIN", "$EXTMAX", "$ACADMAINTVER",
                   "$LASTSAVEDBY"}
UPDATED_WITH_RELEASE = {"$ACADVER", "$DWGCODEPAGE"}

# The loss question names records by type; this line names the inserts it cannot keep.
ANNOUNCED_TYPES = {"sheared block reference": "INSERT", "sheared block references": "INSERT"}


@dataclass
class PairResult:
    differences: List[Difference] = field(default_factory=list)  # not excused
    differing_records: Counter = field(default_factory=Counter)  # type -> records that differ


def compare(source: Snapshot, saved: Snapshot, added: int, announced: List[str]) -> PairResult:
    # ezdxf reads releases 13 and 14 as release 2000: the header says what the file was.
    release_changed = (source.dxfversion != saved.dxfversion
                       or source.header.get("$ACADVER") != saved.header.get("$ACADVER"))
    from_release_12 = release_changed and source.dxfversion == const.DXF12
    found: List[Difference] = []
    if saved.read_problem:
        also = " (the source too)" if source.read_problem else ""
        found.append(Difference("saved file needs ezdxf's recover mode", None,
                                f"ezdxf reads the saved file only in recover mode{also}: "
                                f"{saved.read_problem}"))
    matching = match(source, saved, added)
    found += _header_differences(source, saved, release_changed, matching.handles)
    comparison = RecordComparison(matching.handles, source.made_up_handles(),
                                  saved.made_up_handles(), from_release_12)
    new_entities = []
    for pair in matching.pairs:
        differences = comparison.differences(pair)
        if pair.source is None and pair.block == MODEL_SPACE:
            new_entities += differences
        elif pair.source is None and pair.category != "entity" and from_release_12:
            continue  # tables and objects that later releases need and release 12 lacks
        else:
            found += differences
    source_handles = {r.handle for r in source.records() if r.handle_in_file and not r.made_up}
    found += _added_entities(new_entities, added, source_handles)
    return _excused(found, announced)


def _header_differences(source: Snapshot, saved: Snapshot, release_changed: bool,
                        handles: Dict[str, str]) -> List[Difference]:
    """A variable the saved file adds is a difference only with a value other than ezdxf's
    default for it (or, after a change of release, one the source's release lacks)."""
    ignored = UPDATED_BY_SAVE | (UPDATED_WITH_RELEASE if release_changed else set())
    found = []
    for name in list(source.header) + [n for n in saved.header if n not in source.header]:
        if name in ignored:
            continue
        code, value_a = source.header.get(name, (None, None))
        code_b, value_b = saved.header.get(name, (None, None))
        if value_a is None:
            definition = HEADER_VAR_MAP.get(name)
            if definition and (same_value(code_b, definition.default, value_b, {})
                               or release_changed and definition.mindxf > source.dxfversion):
                continue
        elif value_b is not None and same_value(code, value_a, value_b, handles):
            continue
        change = "lost" if value_b is None else "added" if value_a is None else "changed"
        found.append(Difference(f"header {name} {change}", None,
                                f"header {name} {show_change(value_a, value_b)}"))
    if source.custom_properties != saved.custom_properties:
        found.append(Difference("header custom properties changed", None,
                                f"header custom properties {source.custom_properties} → "
                                f"{saved.custom_properties}"))
    return found


def _added_entities(new_entities: List[Difference], added: int,
                    source_handles: set) -> List[Difference]:
    clashing = [d for d in new_entities if d.record.saved.handle in source_handles]
    for difference in clashing:
        difference.text += ", with a handle the source has"
    # The program appends what it adds: the first of the new entities are the surplus.
    surplus = [d for d in new_entities[:max(len(new_entities) - added, 0)]
               if all(d is not c for c in clashing)]
    if len(new_entities) < added:
        surplus.append(Difference("added entity missing", None,
                                  f"model space: {len(new_entities)} new entities saved "
                                  f"of {added} added"))
    return clashing + surplus


def _excused(found: List[Difference], announced: List[str]) -> PairResult:
    result = PairResult()
    records_by_type: Dict[str, set] = {}
    for difference in found:
        if difference.record is not None:
            records_by_type.setdefault(difference.record.owner_type, set()).add(
                id(difference.record))
    result.differing_records = Counter({t: len(r) for t, r in records_by_type.items()})
    allowed = Counter()
    for line in announced:
        matched = re.fullmatch(r"(\d+) (.+)", line.strip())
        if matched:
            kind = ANNOUNCED_TYPES.get(matched.group(2), matched.group(2))
            allowed[kind] += int(matched.group(1))
    excused = {kind for kind, count in result.differing_records.items()
               if 0 < count <= allowed[kind]}
    for kind, count in sorted(result.differing_records.items()):
        if allowed[kind] and kind not in excused:
            result.differences.append(Difference(
                f"{kind} more differ than announced", None,
                f"{count} {kind} differ, the save announced {allowed[kind]}"))
    result.differences += [d for d in found
                           if d.record is None or d.record.owner_type not in excused]
    return result

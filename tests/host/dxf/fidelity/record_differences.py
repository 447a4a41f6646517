"""How a record of a saved drawing differs from the record of the source it was paired with.

A record is compared in full: handle, every DXF attribute (an attribute the file omits reads
as its default, so written and omitted defaults are the same), extended data per application,
application data, reactors, extension dictionary, dictionary entries, and its content. What
ezdxf made up when reading the source (a table the file lacks, say) was not in the file, and
is not compared; a record the source held that only ezdxf's making up fills in the saved
drawing is lost."""
from dataclasses import dataclass
from typing import Dict, List, Optional, Set

from drawing_snapshot import Record
from dxf_values import (HANDLE_CODES, first_difference, same_value, show, show_change,
                         translated)
from snapshot_matching import Pair


@dataclass
class Difference:
    kind: str  # alike differences share it: "LAYER lineweight changed"
    record: Optional[Pair]  # the record that differs; None for the header
    text: str


class RecordComparison:
    def __init__(self, handles: Dict[str, str], made_up_source: Set[str],
                 made_up_saved: Set[str], renumbered: bool = False):
        self.handles = handles
        self.made_up_source = made_up_source
        self.made_up_saved = made_up_saved
        # A drawing converted from release 12 gets the handles of a new file for all but its
        # entities, and for the records that follow an entity (vertices, attributes).
        self.renumbered = renumbered

    def differences(self, pair: Pair) -> List[Difference]:
        a, b = pair.source, pair.saved
        if a is not None and a.made_up:
            return []  # what ezdxf makes up a drawing needs: a save may add it
        if a is None:
            if b is None or b.made_up:
                return []
            return [Difference(f"{b.type} added", pair, f"{pair.label} added")]
        if b is None or b.made_up:
            return [Difference(f"{a.type} lost", pair, f"{pair.label} lost")]
        found = []

        def differ(aspect: str, change: str, detail: str):
            found.append(Difference(f"{a.type} {aspect} {change}", pair,
                                    f"{pair.label}: {detail}"))

        renumbered = self.renumbered and (pair.category != "entity" or
                                          a.type in ("VERTEX", "SEQEND", "ATTRIB"))
        if a.handle_in_file and a.handle != b.handle and not renumbered:
            differ("handle", "changed", f"handle {a.handle} → {b.handle}")
        self.attributes(a, b, pair.category == "object", differ)
        self.tagged("xdata", a.xdata, b.xdata, differ)
        self.tagged("app data", a.appdata, b.appdata, differ)
        self.references(a, b, differ)
        self.entries(a, b, differ)
        where = first_difference(a.content, b.content, self.handles)
        if where:
            differ("content", "changed", f"content {where}")
        return found

    def attributes(self, a: Record, b: Record, owner_told: bool, differ):
        """`owner_told`: whether only the owner attribute tells the owner of the record; that
        of a table record or an entity is where it stands, and the file may leave it out."""
        for name in list(a.attributes) + [n for n in b.attributes if n not in a.attributes]:
            if name == "handle":
                continue  # compared on its own
            if name == "owner" and not owner_told and not (name in a.attributes
                                                           and name in b.attributes):
                continue
            code = (a.attributes.get(name) or b.attributes.get(name))[0]
            missing = "0" if code in HANDLE_CODES else None  # a null handle is no handle
            value_a = a.attributes.get(name, (code, a.defaults.get(name, missing)))[1]
            value_b = b.attributes.get(name, (code, b.defaults.get(name, missing)))[1]
            if value_a is None or value_b is None:
                if value_a is not value_b:
                    change = "lost" if value_b is None else "added"
                    differ(name, change, f"{name} {show_change(value_a, value_b)}")
            elif not same_value(code, value_a, value_b, self.handles):
                differ(name, "changed", f"{name} {show_change(value_a, value_b)}")

    def tagged(self, aspect: str, a: Dict[str, list], b: Dict[str, list], differ):
        for appid, tags in a.items():
            if appid not in b:
                differ(aspect, "lost", f"{aspect} {appid} lost")
                continue
            where = first_difference(tags, b[appid], self.handles)
            if where:
                differ(aspect, "changed", f"{aspect} {appid} {where}")
        for appid in b:
            if appid not in a:
                differ(aspect, "added", f"{aspect} {appid} added")

    def references(self, a: Record, b: Record, differ):
        reactors_a = {translated(h, self.handles) for h in a.reactors
                      if h not in self.made_up_source}
        reactors_b = {h for h in b.reactors if h not in self.made_up_saved}
        if reactors_a != reactors_b:
            lost, added = sorted(reactors_a - reactors_b), sorted(reactors_b - reactors_a)
            change = "changed" if lost and added else "lost" if lost else "added"
            differ("reactors", change, f"reactors lost {lost}, added {added}"
                   if lost and added else f"reactors {change} {lost or added}")
        xdict_a = translated(a.xdict, self.handles) if a.xdict else None
        if xdict_a != b.xdict:
            change = "added" if xdict_a is None else "lost" if b.xdict is None else "changed"
            differ("extension dictionary", change,
                   f"extension dictionary {show(a.xdict)} → {show(b.xdict)}")

    def entries(self, a: Record, b: Record, differ):
        if a.entries is None and b.entries is None:
            return
        entries_a = {key: handle for key, handle in (a.entries or {}).items()
                     if handle not in self.made_up_source}
        entries_b = {key: handle for key, handle in (b.entries or {}).items()
                     if handle not in self.made_up_saved}
        for key, handle in entries_a.items():
            if key not in entries_b:
                differ("dictionary entry", "lost", f"entry {key!r} lost")
            elif translated(handle, self.handles) != entries_b[key]:
                differ("dictionary entry", "changed",
                       f"entry {key!r} {handle} → {entries_b[key]}")
        for key in entries_b:
            if key not in entries_a:
                differ("dictionary entry", "added", f"entry {key!r} added")

"""Which record of a saved drawing is which record of its source.

Table records pair by name, blocks by name, entities of a block by handle and then, for the
rest, by type in file order; sub-entities likewise within their entity. Objects pair along the
references of what is paired already (extension dictionaries, dictionary entries by key,
handle attributes such as an image's definition), starting from the root dictionaries; the
rest by handle and then by type in order. So a writer that numbers records afresh still has
its records paired, and the renumbering shows as one handle difference per record; every
other reference compares through the map of source handles to saved handles."""
from dataclasses import dataclass, field
from typing import Dict, List, Optional, Tuple

from drawing_snapshot import TABLES, Record, Snapshot
from dxf_values import HANDLE_CODES

MODEL_SPACE = "*MODEL_SPACE"


@dataclass
class Pair:
    category: str  # "class", "table", "block", "entity" or "object"
    label: str  # how difference lines name the record
    owner_type: str  # the record type a loss announcement names: a vertex counts as its polyline
    source: Optional[Record]
    saved: Optional[Record]
    block: Optional[str] = None  # for entities of a block: the block's folded name


@dataclass
class Matching:
    pairs: List[Pair] = field(default_factory=list)
    handles: Dict[str, str] = field(default_factory=dict)  # source handle -> saved handle


def match(source: Snapshot, saved: Snapshot, added: int) -> Matching:
    """`added`: how many entities were added at the end of model space before the save."""
    matcher = _Matcher(source, saved)
    matcher.classes()
    matcher.tables()
    matcher.blocks(added)
    matcher.objects()
    return matcher.matching


class _Matcher:
    def __init__(self, source: Snapshot, saved: Snapshot):
        self.source = source
        self.saved = saved
        self.matching = Matching()
        self.paired_objects: set = set()  # id() of objects in a pair, from either drawing

    def add(self, pair: Pair):
        self.matching.pairs.append(pair)
        if pair.source and pair.saved:
            self.matching.handles[pair.source.handle] = pair.saved.handle

    def classes(self):
        for a, b in _pairs_by_key(self.source.classes, self.saved.classes, _name):
            self.add(Pair("class", f"class {_name(a or b)!r}", "CLASS", a, b))

    def tables(self):
        for table in TABLES:
            self.add(Pair("table", f"table {table}", table, self.source.table_heads.get(table),
                          self.saved.table_heads.get(table)))
            for a, b in _pairs_by_key(self.source.tables.get(table, []),
                                      self.saved.tables.get(table, []), _table_key):
                self.add(Pair("table", f"{table} {_name(a or b)!r}", table, a, b))

    def blocks(self, added: int):
        names = list(self.source.blocks) + [n for n in self.saved.blocks
                                             if n not in self.source.blocks]
        for name in names:
            a, b = self.source.blocks.get(name), self.saved.blocks.get(name)
            shown = (a or b).name
            self.add(Pair("block", f"block {shown!r}", "BLOCK", a and a.block, b and b.block))
            self.add(Pair("block", f"block {shown!r} end", "ENDBLK", a and a.endblk,
                          b and b.endblk))
            where = "" if name == MODEL_SPACE else f" in block {shown!r}"
            new = added if name == MODEL_SPACE else 0
            for x, y in _pairs_in_order(a.entities if a else [], b.entities if b else [], new):
                entity = x or y
                self.add(Pair("entity", f"entity {entity.handle} ({entity.type}){where}",
                              entity.type, x, y, name))
                if x and y:
                    self.children(x, y)

    def children(self, a: Record, b: Record):
        for x, y in _pairs_in_order(a.children, b.children):
            child = x or y
            self.add(Pair("entity", f"entity {child.handle} ({child.type} of {a.type} "
                                    f"{a.handle})", a.type, x, y))

    def objects(self):
        source_objects = {record.handle: record for record in self.source.objects}
        saved_objects = {record.handle: record for record in self.saved.objects}
        roots = (source_objects.get(self.source.root_dictionary),
                 saved_objects.get(self.saved.root_dictionary))
        if all(roots):
            self.add_object(*roots, "root")
        queue = [pair for pair in self.matching.pairs if pair.source and pair.saved]
        while queue:
            pair = queue.pop()
            for handle_a, handle_b, key in _references(pair.source, pair.saved):
                a, b = source_objects.get(handle_a), saved_objects.get(handle_b)
                if a and b and a.type == b.type and not self.paired(a) and not self.paired(b):
                    queue.append(self.add_object(a, b, key))
        rest_a = [record for record in self.source.objects if not self.paired(record)]
        rest_b = [record for record in self.saved.objects if not self.paired(record)]
        for a, b in _pairs_in_order(rest_a, rest_b):
            self.add_object(a, b, None)

    def add_object(self, a: Optional[Record], b: Optional[Record], key: Optional[str]) -> Pair:
        record = a or b
        named = f" {key!r}" if key else ""
        pair = Pair("object", f"object {record.handle} ({record.type}{named})", record.type, a, b)
        self.add(pair)
        self.paired_objects.update(id(r) for r in (a, b) if r)
        return pair

    def paired(self, record: Record) -> bool:
        return id(record) in self.paired_objects


def _references(a: Record, b: Record) -> List[Tuple[str, str, Optional[str]]]:
    """The handles the two records name in the same place, with a dictionary key if any."""
    found = []
    if a.xdict and b.xdict:
        found.append((a.xdict, b.xdict, None))
    if a.entries and b.entries:
        found += [(a.entries[key], b.entries[key], key) for key in a.entries if key in b.entries]
    for name, (code, value) in a.attributes.items():
        if code in HANDLE_CODES and name not in ("handle", "owner") and name in b.attributes:
            found.append((str(value).upper(), str(b.attributes[name][1]).upper(), None))
    return found


def _name(record: Record) -> str:
    return record.attributes.get("name", (0, ""))[1]


def _table_key(record: Record) -> str:
    """Table names are case-insensitive; shape file entries of STYLE have no name but a font."""
    name = _name(record)
    return name.upper() if name else "font " + record.attributes.get("font", (0, ""))[1].upper()


def _pairs_by_key(source: List[Record], saved: List[Record], key) -> List[Tuple]:
    """Pairs records by key and by order among records of the same key (VPORT *Active)."""
    saved_by_key: Dict[str, List[Record]] = {}
    for record in saved:
        saved_by_key.setdefault(key(record), []).append(record)
    pairs = []
    for record in source:
        candidates = saved_by_key.get(key(record), [])
        pairs.append((record, candidates.pop(0) if candidates else None))
    return pairs + [(None, record) for records in saved_by_key.values() for record in records]


def _pairs_in_order(source: List[Record], saved: List[Record], new: int = 0) -> List[Tuple]:
    """Pairs records by handle, then the rest by type in order; source order first. The last
    `new` saved records are new ones: they pair with no source record but by handle."""
    saved_by_handle = {record.handle: record for record in saved if record.handle_in_file}
    partner: Dict[int, Record] = {}
    for record in source:
        other = saved_by_handle.get(record.handle) if record.handle_in_file else None
        if other is not None and other.type == record.type:
            partner[id(record)] = other
    taken = {id(other) for other in partner.values()}
    rest_by_type: Dict[str, List[Record]] = {}
    for record in saved[:len(saved) - new]:
        if id(record) not in taken:
            rest_by_type.setdefault(record.type, []).append(record)
    for record in source:
        if id(record) not in partner and rest_by_type.get(record.type):
            partner[id(record)] = rest_by_type[record.type].pop(0)
    taken = {id(other) for other in partner.values()}
    return [(record, partner.get(id(record))) for record in source] + [
        (None, record) for record in saved if id(record) not in taken]


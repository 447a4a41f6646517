"""A drawing as ezdxf reads it, flattened into plain records for comparing two drawings.

Every header variable, class, table head and table record, block with its BLOCK and ENDBLK records
and entities (sub-entities such as vertices and attributes as children), and every object
becomes a Record: its type, handle, DXF attributes with their group codes, extended data,
application data, reactors, extension dictionary, and its content, which is what ezdxf writes
for it besides its attributes (vertices, boundary paths, text chunks, xrecord tags, the raw
tags of types ezdxf does not know). ezdxf makes up what a file lacks (tables, layouts,
dictionaries); such records are marked made_up, as they were not in the file."""
import contextlib
from dataclasses import dataclass, field
from typing import Dict, List, Optional, Tuple

import ezdxf
from ezdxf import recover
from ezdxf.document import Drawing
from ezdxf.entities.dictionary import Dictionary
from ezdxf.entities.dxfns import DXFNamespace
from ezdxf.lldxf import const
from ezdxf.lldxf import loader
from ezdxf.lldxf.tagwriter import TagCollector

TABLES = ("VPORT", "LTYPE", "LAYER", "STYLE", "VIEW", "UCS", "APPID", "DIMSTYLE", "BLOCK_RECORD")

Tag = Tuple[int, object]


@dataclass
class Record:
    type: str
    handle: str
    made_up: bool
    attributes: Dict[str, Tag]  # name -> (group code, value)
    defaults: Dict[str, object]  # name -> the value ezdxf reads when the file omits it
    xdata: Dict[str, List[Tag]] = field(default_factory=dict)
    appdata: Dict[str, List[Tag]] = field(default_factory=dict)
    reactors: List[str] = field(default_factory=list)
    xdict: Optional[str] = None
    content: List[Tag] = field(default_factory=list)
    entries: Optional[Dict[str, str]] = None  # a dictionary's keys and handles
    children: List["Record"] = field(default_factory=list)
    handle_in_file: bool = True


@dataclass
class Block:
    name: str
    block: Optional[Record]
    endblk: Optional[Record]
    entities: List[Record]


@dataclass
class Snapshot:
    path: str
    dxfversion: str
    read_problem: Optional[str]  # why ezdxf needed its recover mode, if it did
    header: Dict[str, Tag]
    custom_properties: List[Tuple[str, str]]
    classes: List[Record]
    table_heads: Dict[str, Record]
    tables: Dict[str, List[Record]]  # table name -> records in file order
    blocks: Dict[str, Block]  # folded block name -> block
    objects: List[Record]
    root_dictionary: str

    def made_up_handles(self) -> set:
        """The handles of what ezdxf made up, which the file did not hold."""
        return {record.handle for record in self.records() if record.made_up}

    def records(self):
        """Every record: table heads and entries, blocks and their entities, objects."""
        yield from self.table_heads.values()
        for records in self.tables.values():
            yield from records
        for block in self.blocks.values():
            yield from (record for record in (block.block, block.endblk) if record)
            for entity in block.entities:
                yield entity
                yield from entity.children
        yield from self.objects


def read_snapshot(path: str) -> Snapshot:
    """Reads a drawing; raises when even ezdxf's recover mode cannot."""
    read_problem = None
    with _file_content_noted():
        try:
            doc = ezdxf.readfile(path)
        except ezdxf.DXFError as error:
            read_problem = str(error)
            doc = _recovered(path)
    with _attributes_left_out():
        return _Flattener(doc.file_content).snapshot(doc, path, read_problem)


def _recovered(path: str):
    """The drawing as ezdxf's recover mode reads it, without the audit that recover.readfile
    runs: that would mend the drawing, and a faithful save of it would then seem to differ."""
    with open(path, "rb") as stream:
        sections = recover.Recover.run(stream).section_dict
    doc = Drawing()
    doc._load_section_dict(sections)
    return doc


@dataclass
class _FileContent:
    """What the file itself held, as opposed to what ezdxf made up."""
    loaded: list = field(default_factory=list)  # the entities ezdxf loaded, kept alive...
    loaded_ids: set = field(default_factory=set)  # ...so that no made-up one gets their id()
    handles: set = field(default_factory=set)  # the handles written in the file
    header: Dict[str, Tag] = field(default_factory=dict)  # as read, before ezdxf adds to it
    custom_properties: List[Tuple[str, str]] = field(default_factory=list)


@contextlib.contextmanager
def _file_content_noted():
    """While it lasts, a drawing ezdxf reads gets a file_content (_FileContent)."""
    original = loader.load_and_bind_dxf_content

    def noting(sections, doc):
        content = _FileContent()
        if "HEADER" in sections:
            content.header = {name: (var.code, var.value)
                              for name, var in doc.header.hdrvars.items()}
            content.custom_properties = list(doc.header.custom_vars)
        for name in ("TABLES", "ENTITIES", "BLOCKS", "OBJECTS"):
            for tags in sections.get(name, []):
                content.handles.update(_handle_tag(tags))
        original(sections, doc)
        for name in ("CLASSES", "TABLES", "ENTITIES", "BLOCKS", "OBJECTS"):
            content.loaded += sections.get(name, [])
        content.loaded_ids = {id(entity) for entity in content.loaded}
        doc.file_content = content

    loader.load_and_bind_dxf_content = noting
    try:
        yield
    finally:
        loader.load_and_bind_dxf_content = original


def _handle_tag(tags):
    """The record's handle, which comes before its first subclass marker."""
    for tag in tags:
        if tag.code in (5, 105):
            return [str(tag.value).upper()]
        if tag.code == 100:
            break
    return []


@contextlib.contextmanager
def _attributes_left_out():
    """While it lasts, exporting an entity writes everything but its DXF attributes."""
    original = DXFNamespace.export_dxf_attribs
    DXFNamespace.export_dxf_attribs = lambda self, tagwriter, attribs: None
    try:
        yield
    finally:
        DXFNamespace.export_dxf_attribs = original


class _Flattener:
    def __init__(self, file_content: _FileContent):
        self.file_content = file_content

    def snapshot(self, doc, path, read_problem) -> Snapshot:
        classes = [self.record(definition) for definition in doc.classes.classes.values()]
        heads = {table.name: self.record(table.head) for table in doc.tables.tables()}
        tables = {table.name: [self.record(entry) for entry in table]
                  for table in doc.tables.tables()}
        blocks = {}
        for layout in doc.blocks:
            blocks[layout.name.upper()] = Block(
                layout.name,
                self.record(layout.block) if layout.block else None,
                self.record(layout.endblk) if layout.endblk else None,
                [self.record(entity) for entity in layout])
        return Snapshot(path, doc.dxfversion, read_problem, self.file_content.header,
                        self.file_content.custom_properties, classes, heads, tables, blocks,
                        [self.record(entity) for entity in doc.objects],
                        doc.rootdict.dxf.handle.upper())

    def record(self, entity) -> Record:
        handle = str(entity.dxf.handle).upper()
        definitions = entity.DXFATTRIBS
        attributes = {}
        for name, value in entity.dxf.all_existing_dxf_attribs().items():
            definition = definitions.get(name)
            attributes[name] = (definition.code if definition else 0, value)
        record = Record(entity.dxftype(), handle, id(entity) not in self.file_content.loaded_ids,
                        attributes, _defaults(entity),
                        handle_in_file=handle in self.file_content.handles)
        if entity.xdata:
            record.xdata = {appid: _tags(tags) for appid, tags in entity.xdata.data.items()}
        if entity.appdata:
            record.appdata = {appid: _tags(tags) for appid, tags in entity.appdata.data.items()}
        if entity.reactors:
            record.reactors = [handle.upper() for handle in entity.reactors.get()]
        if entity.has_extension_dict:
            record.xdict = entity.extension_dict.dictionary.dxf.handle.upper()
        if isinstance(entity, Dictionary):
            record.entries = {key: _handle_of(value) for key, value in entity._data.items()}
        else:
            record.content = _content(entity)
        record.children = [self.record(child) for child in _children(entity)]
        return record


_defaults_by_class: Dict[type, Dict[str, object]] = {}


def _defaults(entity) -> Dict[str, object]:
    """The values ezdxf reads for attributes a file omits, by attribute name."""
    cls = type(entity)
    if cls not in _defaults_by_class:
        _defaults_by_class[cls] = {
            name: definition.default for name, definition in entity.DXFATTRIBS._attribs.items()
            if definition.default is not None}
    return _defaults_by_class[cls]


def _tags(tags) -> List[Tag]:
    collector = TagCollector(dxfversion=const.DXF2018)
    collector.write_tags(tags)
    return [(tag.code, tag.value) for tag in collector.tags]


def _content(entity) -> List[Tag]:
    collector = TagCollector(dxfversion=const.DXF2018)
    try:
        entity.export_entity(collector)
    except Exception as error:  # ezdxf cannot write what it read: that is worth seeing too
        return [(0, f"ezdxf cannot export it: {error}")]
    # The handle is compared on its own; a linetype of release 12 keeps it among its pattern.
    return [(tag.code, tag.value) for tag in collector.tags if tag.code not in (5, 105)]


def _children(entity):
    """The records a POLYLINE or an INSERT brings after it: vertices or attributes, SEQEND."""
    if entity.dxftype() == "POLYLINE":
        children = list(entity.vertices)
    elif entity.dxftype() == "INSERT" and entity.attribs:
        children = list(entity.attribs)
    else:
        return []
    return children + ([entity.seqend] if entity.seqend is not None else [])


def _handle_of(value) -> str:
    return str(value.dxf.handle if hasattr(value, "dxf") else value).upper()

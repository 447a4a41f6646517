"""Values of group codes: compared exactly and shown briefly.

Numbers must come back bit for bit, so floats compare by their bits (0.0 and -0.0 differ, a
NaN equals a NaN) and are shown with every digit that tells them apart. Points compare
component by component; a 2D point equals the 3D point with Z 0, as ezdxf reads both the same.
Handles compare after translating the source's handle into the saved drawing's (see
snapshot_matching), so a renumbered record is reported once and not at every reference."""
from typing import Dict, List, Optional, Tuple

from ezdxf.lldxf.types import POINT_CODES, TYPE_TABLE

HANDLE_CODES = frozenset([5, 105, 1005, 480, 481, *range(320, 370), *range(390, 400)])

Tag = Tuple[int, object]


def comparable(value, code: Optional[int] = None):
    """A form of the value that equals another's exactly when the two are the same. A whole
    number where the group code holds a real (ezdxf's defaults) counts as that real."""
    if isinstance(value, int) and not isinstance(value, bool) and TYPE_TABLE.get(code) is float:
        value = float(value)
    if isinstance(value, float):
        return value.hex()
    if isinstance(value, (str, int, bytes)) or value is None:
        return value
    try:
        items = tuple(comparable(item, code) for item in value)
    except TypeError:
        return repr(value)
    return items + (comparable(0.0),) if code in POINT_CODES and len(items) == 2 else items


def same_value(code: int, source_value, saved_value, handles: Dict[str, str]) -> bool:
    if code in HANDLE_CODES and isinstance(source_value, str) and isinstance(saved_value, str):
        return translated(source_value, handles) == saved_value.upper()
    return comparable(source_value, code) == comparable(saved_value, code)


def translated(handle: str, handles: Dict[str, str]) -> str:
    handle = handle.upper()
    return handles.get(handle, handle)


def first_difference(source: List[Tag], saved: List[Tag],
                     handles: Dict[str, str]) -> Optional[str]:
    """Where two tag lists first differ, briefly; None when they are the same."""
    for index, (a, b) in enumerate(zip(source, saved)):
        if a[0] != b[0] or not same_value(a[0], a[1], b[1], handles):
            change = f"{a[0]}={show_change(a[1], b[1])}" if a[0] == b[0] \
                else f"{show_tag(a)} → {show_tag(b)}"
            counts = "" if len(source) == len(saved) else f"; {len(source)} → {len(saved)} tags"
            return f"tag {index + 1}: {change}{counts}"
    if len(source) != len(saved):
        shorter = min(len(source), len(saved))
        tail = source[shorter] if len(source) > len(saved) else saved[shorter]
        change = "lost" if len(source) > len(saved) else "added"
        return f"{len(source)} → {len(saved)} tags, from {show_tag(tail)} {change}"
    return None


def show_tag(tag: Tag) -> str:
    return f"{tag[0]}={show(tag[1])}"


def show_change(before, after) -> str:
    """Shows a change as "before → after"; two long texts from where they start to differ."""
    if isinstance(before, str) and isinstance(after, str):
        common = next((i for i, (a, b) in enumerate(zip(before, after)) if a != b),
                      min(len(before), len(after)))
        if common > 10:
            return f"{show('…' + before[common - 5:])} → {show('…' + after[common - 5:])}"
    return f"{show(before)} → {show(after)}"


def show(value, limit: int = 40) -> str:
    if value is None:
        return "missing"
    if isinstance(value, float):
        return repr(value)
    if isinstance(value, str):
        text = value if len(value) <= limit else value[:limit] + "…"
        return repr(text)
    if isinstance(value, bytes):
        return f"{len(value)} bytes"
    if isinstance(value, int):
        return str(value)
    try:
        return "(" + ", ".join(show(item) for item in value) + ")"
    except TypeError:
        return repr(value)

"""Reads a drawing with ezdxf and prints, a line each, its layers with their colours, its named
UCSs and every model-space entity with its layer and the values that place it, exactly as the
file holds them (coordinates in the entity's own system, "-" for a value left out), so that two drawings can be compared
line by line."""
import sys

import ezdxf

PLACING = {
    "INSERT": ("name", "insert", "xscale", "yscale", "zscale", "rotation", "extrusion"),
    "TEXT": ("text", "insert", "height", "rotation", "style", "extrusion"),
    "LINE": ("start", "end"),
    "CIRCLE": ("center", "radius", "extrusion"),
    "ELLIPSE": ("center", "major_axis", "ratio", "start_param", "end_param", "extrusion"),
}


def value(v):
    if v is None:
        return "-"
    if isinstance(v, str):
        return v
    if isinstance(v, (int, float)):
        return repr(v)
    return "(" + " ".join(repr(c) for c in v) + ")"


def main(path):
    doc = ezdxf.readfile(path)
    for layer in doc.layers:
        print("LAYER", layer.dxf.name, layer.dxf.color)
    for ucs in doc.ucs:
        print("UCS", ucs.dxf.name)
    for e in doc.modelspace():
        kind = e.dxftype()
        fields = [value(e.dxf.get(name)) for name in PLACING.get(kind, ())]
        print(kind, e.dxf.layer, *fields)


if __name__ == "__main__":
    main(sys.argv[1])

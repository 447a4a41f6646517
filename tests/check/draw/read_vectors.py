"""Reads a drawing with ezdxf and prints, a line each, what a user checks of drawn deviation
vectors, in world coordinates: the layers with their colours, the named UCSs, and every
model-space entity with its layer."""
import sys

import ezdxf
from ezdxf.math import Vec3


def xyz(v):
    return " ".join(repr(c) for c in Vec3(v))


def main(path):
    doc = ezdxf.readfile(path)
    print("AUDIT", len(doc.audit().errors))
    for layer in doc.layers:
        print("LAYER", layer.dxf.name, layer.dxf.color)
    for ucs in doc.ucs:
        print("UCS", ucs.dxf.name)
    for e in doc.modelspace():
        kind, layer = e.dxftype(), e.dxf.layer
        if kind == "INSERT":
            m = e.matrix44()
            print(kind, layer, e.dxf.name, xyz(m.transform((0, 0, 0))), xyz(m.transform((3, 0, 0))))
        elif kind == "TEXT":
            ocs = e.ocs()
            print(kind, layer, e.dxf.text, xyz(ocs.to_wcs(e.dxf.insert)),
                  xyz(ocs.to_wcs(Vec3.from_deg_angle(e.dxf.rotation))))
        elif kind == "LINE":
            print(kind, layer, "-", xyz(e.dxf.start), xyz(e.dxf.end))
        elif kind == "CIRCLE":
            print(kind, layer, "-", xyz(e.ocs().to_wcs(e.dxf.center)), repr(e.dxf.radius))
        else:
            print(kind, layer, "-")


if __name__ == "__main__":
    main(sys.argv[1])

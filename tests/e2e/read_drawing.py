"""Reads a drawing file with ezdxf and prints, as JSON, what a user would check in it, in
world coordinates: arrow inserts (tail and tip of the arrow), texts, ellipses, lines, points,
the named UCSs and the current UCS name, and how many problems ezdxf's audit found."""
import json
import sys

import ezdxf
from ezdxf.math import Vec3


def xyz(v):
    return [v.x, v.y, v.z]


def main(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    seen = {"audit_errors": len(auditor.errors), "ucs_name": doc.header.get("$UCSNAME", ""),
            "text_style": doc.header.get("$TEXTSTYLE", ""), "arrows": [], "texts": [],
            "ellipses": [], "lines": [], "points": [],
            "ucs": [{"name": u.dxf.name, "origin": xyz(Vec3(u.dxf.origin)),
                     "x_axis": xyz(Vec3(u.dxf.xaxis)), "y_axis": xyz(Vec3(u.dxf.yaxis))}
                    for u in doc.ucs]}
    for e in doc.modelspace():
        kind = e.dxftype()
        if kind == "INSERT":
            m = e.matrix44()
            seen["arrows"].append({"block": e.dxf.name, "tail": xyz(m.transform((0, 0, 0))),
                                   "tip": xyz(m.transform((3, 0, 0)))})
        elif kind == "TEXT":
            ocs = e.ocs()
            seen["texts"].append({"text": e.dxf.text, "height": e.dxf.height,
                                  "insert": xyz(ocs.to_wcs(e.dxf.insert)),
                                  "along": xyz(ocs.to_wcs(Vec3.from_deg_angle(e.dxf.rotation))),
                                  "normal": xyz(Vec3(e.dxf.extrusion).normalize())})
        elif kind == "ELLIPSE":
            seen["ellipses"].append({"centre": xyz(Vec3(e.dxf.center)),
                                     "major_axis": xyz(Vec3(e.dxf.major_axis)),
                                     "normal": xyz(Vec3(e.dxf.extrusion).normalize()),
                                     "ratio": e.dxf.ratio})
        elif kind == "LINE":
            seen["lines"].append({"start": xyz(Vec3(e.dxf.start)), "end": xyz(Vec3(e.dxf.end))})
        elif kind == "POINT":
            seen["points"].append(xyz(Vec3(e.dxf.location)))
    json.dump(seen, sys.stdout)


if __name__ == "__main__":
    main(sys.argv[1])

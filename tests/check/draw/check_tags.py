"""Reads a drawing with ezdxf and prints what tells one check's vectors from the rest: whether
the application KESTOVA_CHECK is registered, then a line per model-space entity with its kind,
its layer, whether its extended data names that application ("tagged") or not ("plain"), and a
text's height ("-" for other kinds)."""
import sys

import ezdxf


def main(path):
    doc = ezdxf.readfile(path)
    print("APPID", "yes" if doc.appids.has_entry("KESTOVA_CHECK") else "no")
    for e in doc.modelspace():
        tagged = e.has_xdata("KESTOVA_CHECK")
        height = repr(e.dxf.height) if e.dxftype() == "TEXT" else "-"
        print(e.dxftype(), e.dxf.layer, "tagged" if tagged else "plain", height)


if __name__ == "__main__":
    main(sys.argv[1])

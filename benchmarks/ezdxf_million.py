"""Writes the view benchmark's drawing as another program writes it: a million entities (500k
lines, 200k inserts of a small block, 100k texts and 200k points at surveyed coordinates), about
170 MB of a release 2010 drawing.

    ezdxf_million.py PATH
"""
import sys

import ezdxf

doc = ezdxf.new("R2010", setup=True)
msp = doc.modelspace()
arrow = doc.blocks.new("ArrowX1")
arrow.add_lwpolyline([(0, 0), (3, 0), (1.75, 0.5), (1.75, -0.5), (3, 0)])


def at(i):
    return (512345.678 + (i % 1000) * 1.37, 6712345.123 + (i // 1000) * 2.91, 45.0)


for i in range(500000):
    x, y, z = at(i)
    msp.add_line((x, y, z), (x + 1, y + 2, z), dxfattribs={"lineweight": (-1, 50, 100)[i % 3]})
for i in range(200000):
    msp.add_blockref("ArrowX1", at(i), dxfattribs={"rotation": i * 0.057, "xscale": 0.25,
                                                   "yscale": 0.25, "zscale": 0.25})
for i in range(100000):
    msp.add_text("0.125", height=0.5, dxfattribs={"insert": at(i * 5)})
for i in range(200000):
    x, y, z = at(i * 2)
    msp.add_point((x + 0.3, y + 0.2, z))
doc.saveas(sys.argv[1])

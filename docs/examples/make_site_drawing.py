"""Writes site.dxf beside this script: a small setting-out drawing as another CAD program saves it,
at surveyed coordinates, with coloured layers, dashed kerbs, hatched areas, dimensions, trees as
blocks, texts and stakes in a point style. The guide's pictures of the drawing window show it.

    /usr/bin/python3 make_site_drawing.py
"""
import math
import pathlib

import ezdxf

E, N = 512300.0, 6712300.0  # the site's lower left corner

doc = ezdxf.new("R2013", setup=True)
doc.header["$PDMODE"] = 34
doc.header["$PDSIZE"] = 0.6
doc.header["$LTSCALE"] = 1.0
for name, colour, linetype, weight in [
    ("BUILDING", 5, "Continuous", 50), ("KERB", 3, "DASHED", 25), ("ROAD", 8, "Continuous", 18),
    ("GRASS", 3, "Continuous", 13), ("PAVING", 253, "Continuous", 13), ("DIMENSIONS", 2,
    "Continuous", 13), ("STAKES", 6, "Continuous", 13), ("TREES", 94, "Continuous", 13),
    ("TEXT", 7, "Continuous", 13), ("CENTRE", 1, "CENTER", 13), ("OLD-SURVEY", 30, "Continuous",
    13), ("CONSTRUCTION", 140, "Continuous", 13)]:
    doc.layers.add(name, color=colour, linetype=linetype, lineweight=weight)
doc.layers.get("OLD-SURVEY").off()
doc.layers.get("CONSTRUCTION").freeze()

tree = doc.blocks.new("TREE")
tree.add_circle((0, 0), 1.5, dxfattribs={"layer": "0", "color": 0})
tree.add_line((-1.5, 0), (1.5, 0), dxfattribs={"layer": "0", "color": 0})
tree.add_line((0, -1.5), (0, 1.5), dxfattribs={"layer": "0", "color": 0})

msp = doc.modelspace()
building = [(E + 20, N + 25), (E + 45, N + 25), (E + 45, N + 40), (E + 32, N + 40),
            (E + 32, N + 48), (E + 20, N + 48)]
msp.add_lwpolyline(building, close=True, dxfattribs={"layer": "BUILDING"})
paving = msp.add_hatch(color=253, dxfattribs={"layer": "PAVING"})
paving.paths.add_polyline_path([(E + 10, N + 15), (E + 55, N + 15), (E + 55, N + 22),
                                (E + 10, N + 22)], is_closed=True)
grass = msp.add_hatch(dxfattribs={"layer": "GRASS"})
grass.set_pattern_fill("ANSI31", scale=0.5)
grass.paths.add_polyline_path([(E + 55, N + 25), (E + 75, N + 25), (E + 75, N + 50),
                               (E + 55, N + 50)], is_closed=True)

# The road along the foot of the site, its kerbs dashed and a centre line.
for y, layer in [(N + 2, "KERB"), (N + 12, "KERB"), (N + 7, "CENTRE")]:
    msp.add_line((E, y), (E + 80, y), dxfattribs={"layer": layer})
msp.add_arc((E + 80, N + 22), 10, 270, 360, dxfattribs={"layer": "KERB"})
msp.add_arc((E + 80, N + 22), 20, 270, 360, dxfattribs={"layer": "KERB"})

for i in range(6):
    msp.add_blockref("TREE", (E + 60 + (i % 3) * 6, N + 55 + (i // 3) * 6),
                     dxfattribs={"layer": "TREES", "xscale": 1 + 0.1 * i, "yscale": 1 + 0.1 * i})

stakes = [(E + 20, N + 25, 45.12), (E + 45, N + 25, 45.08), (E + 45, N + 40, 45.31),
          (E + 20, N + 48, 45.27)]
for i, (x, y, z) in enumerate(stakes, start=1):
    msp.add_point((x, y, z), dxfattribs={"layer": "STAKES"})
    msp.add_text(f"S{i}", height=0.8, dxfattribs={"layer": "STAKES"}).set_placement(
        (x + 0.8, y + 0.8))

msp.add_linear_dim(base=(E + 20, N + 53), p1=(E + 20, N + 48), p2=(E + 32, N + 48),
                   dxfattribs={"layer": "DIMENSIONS"}).render()
msp.add_linear_dim(base=(E + 50, N + 25), p1=(E + 45, N + 25), p2=(E + 45, N + 40), angle=90,
                   dxfattribs={"layer": "DIMENSIONS"}).render()

msp.add_text("PLOT 14", height=2.5, dxfattribs={"layer": "TEXT"}).set_placement(
    (E + 32.5, N + 32.5), align=ezdxf.enums.TextEntityAlignment.MIDDLE_CENTER)
msp.add_mtext("Setting out\\Pdesign levels in metres", dxfattribs={
    "layer": "TEXT", "char_height": 1.2, "insert": (E + 2, N + 60)})
msp.add_text("ROAD A", height=1.5, rotation=0, dxfattribs={"layer": "TEXT"}).set_placement(
    (E + 40, N + 7.5), align=ezdxf.enums.TextEntityAlignment.BOTTOM_CENTER)

# What the author has hidden: an old survey (layer off) and construction lines (frozen).
msp.add_line((E, N), (E + 80, N + 60), dxfattribs={"layer": "OLD-SURVEY"})
msp.add_circle((E + 40, N + 30), 25, dxfattribs={"layer": "CONSTRUCTION"})

doc.set_modelspace_vport(height=70, center=(E + 45, N + 35))
doc.saveas(pathlib.Path(__file__).with_name("site.dxf"))

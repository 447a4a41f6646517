"""Writes the second benchmark drawing: about 75 MB of a release 2010 drawing as another
program writes it, every entity with a colour, a line type, a lineweight and extended data,
and objects this program does not model (records in a dictionary of their own).

    ezdxf_drawing.py PATH
"""
import sys

import ezdxf

doc = ezdxf.new("R2010", setup=True)
doc.appids.new("SURVEY")
doc.layers.add("Stakes", color=1, linetype="DASHED", lineweight=35)
msp = doc.modelspace()
notes = doc.rootdict.add_new_dict("SURVEY_NOTES")
for i in range(5000):
    record = notes.add_xrecord(f"NOTE{i}")
    record.extend([(1, f"checked by crew {i % 7}"), (40, i * 0.125)])
for i in range(340000):
    x, y = 512345.678 + i * 0.0137, 6712345.123 - i * 0.0291
    attributes = {"layer": "Stakes", "color": 1 + i % 250, "linetype": "CENTER",
                  "lineweight": 18, "ltscale": 0.5}
    if i % 2:
        entity = msp.add_line((x, y, 45.0), (x + 1.5, y - 0.75, 45.5), dxfattribs=attributes)
    else:
        entity = msp.add_circle((x, y, 45.0), 0.25 + i * 1e-6, dxfattribs=attributes)
    entity.set_xdata("SURVEY", [(1000, f"stake {i}"), (1040, i * 0.001)])
doc.saveas(sys.argv[1])

"""Writes, with ezdxf, drawings that hold what drawings of other programs hold, for checking
that a drawing comes back whole after it is opened and saved.

Usage: make_drawings.py OUTDIR

One full drawing per release from 2000 to 2018 (site_R2000.dxf ...) and one of release 12
(site_R12.dxf, with what that release has); numbers.dxf, whose coordinates only an exact
writer keeps; announced_losses.dxf, for checking the question the program asks before a
lossy save; and drawings of shapes other programs write that a save once changed (see
SHAPES). The site lies at national grid coordinates, millions of units from the origin."""
import math
import sys
from pathlib import Path

import ezdxf
from ezdxf.enums import TextEntityAlignment
from ezdxf.math import Vec3

SITE = Vec3(2_500_000, 5_600_000, 0)
RELEASES = ("R2000", "R2004", "R2007", "R2010", "R2013", "R2018")


def at(x, y, z=0.0) -> Vec3:
    return SITE + (x, y, z)


def xy(x, y):
    return SITE.x + x, SITE.y + y


def settings(doc):
    doc.header["$PDMODE"] = 35
    doc.header["$PDSIZE"] = 0.75
    doc.header["$LTSCALE"] = 2.5
    doc.header["$LUNITS"] = 2
    doc.header["$INSBASE"] = at(0, 0)
    if doc.dxfversion > "AC1009":
        doc.header["$MEASUREMENT"] = 1


def tables(doc, modern: bool):
    """Layers with colours and linetypes, a dimension style, a view, a UCS, a viewport."""
    layers = doc.layers
    if modern:
        layers.add("WALLS", color=1, linetype="DASHED", lineweight=35)
        layers.add("AXES", color=5, true_color=ezdxf.rgb2int((30, 144, 255)),
                   linetype="CENTER", lineweight=18, transparency=0.4)
        layers.add("HIDDEN", color=8, dxfattribs={"flags": 1})  # frozen
    else:
        layers.add("WALLS", color=1, linetype="DASHED")
        layers.add("AXES", color=5, linetype="CENTER")
        layers.add("HIDDEN", color=8).off()
    doc.dimstyles.new("SURVEY", dxfattribs={"dimtxt": 1.8, "dimasz": 1.2, "dimexe": 0.6,
                                             "dimdec": 3, "dimgap": 0.4})
    doc.dimstyles.new("SHEET", dxfattribs={"dimscale": 50.0, "dimtxt": 2.5, "dimtad": 1})
    doc.views.add("NORTH", dxfattribs={"center": xy(0, 0), "height": 250.0,
                                       "width": 400.0, "direction": (0, 0, 1)})
    doc.ucs.add("GRID", dxfattribs={"origin": at(10, 20, 0), "xaxis": (0.6, 0.8, 0),
                                    "yaxis": (-0.8, 0.6, 0)})
    doc.viewports.add("SITEVIEW", dxfattribs={"center": xy(0, 0), "height": 300.0,
                                              "aspect_ratio": 1.5})
    doc.appids.add("KESTOVA_SURVEY")
    doc.appids.add("OTHER_CAD")


def marker_block(doc):
    """A block with attribute definitions: a survey mark with its number and level."""
    block = doc.blocks.new("MARK", base_point=(0, 0))
    block.add_circle((0, 0), 0.5)
    block.add_line((-0.7, 0), (0.7, 0))
    block.add_attdef("NUMBER", (0.8, 0.2), dxfattribs={"height": 0.5, "prompt": "Number"})
    block.add_attdef("LEVEL", (0.8, -0.6), text="0.000",
                     dxfattribs={"height": 0.4, "prompt": "Level"})


def common_entities(doc, msp):
    """Entities every release holds, with the properties every release has."""
    msp.add_line(at(0, 0), at(100, 0), dxfattribs={"layer": "WALLS"})
    msp.add_line(at(0, 0), at(0, 80), dxfattribs={"layer": "AXES", "linetype": "DASHED",
                                                  "color": 3})
    msp.add_line(at(0, 80), at(100, 80), dxfattribs={"linetype": "CENTER", "ltscale": 0.5})
    msp.add_line(at(5, 5), at(95, 5), dxfattribs={"thickness": 2.75})
    msp.add_circle(at(50, 40), 12.5, dxfattribs={"color": 2})
    msp.add_arc(at(50, 40), 20, 30, 150, dxfattribs={"layer": "HIDDEN"})
    msp.add_point(at(12.345, 67.891, 101.25))
    msp.add_polyline3d([at(0, 0, 100), at(10, 5, 101.5), at(20, 0, 99.75)])
    msp.add_text("N 5600000", dxfattribs={"height": 2.5, "rotation": 30}).set_placement(
        at(60, 60), align=TextEntityAlignment.MIDDLE_CENTER)
    msp.add_text("Ø 25 m² Größe", dxfattribs={"height": 1.5}).set_placement(at(2, 2))
    msp.add_linear_dim(base=at(0, -10), p1=at(0, 0), p2=at(100, 0),
                       dimstyle="SURVEY").render()
    insert = msp.add_blockref("MARK", at(30, 30), dxfattribs={"rotation": 15,
                                                              "xscale": 2, "yscale": 2})
    insert.add_auto_attribs({"NUMBER": "P17", "LEVEL": "101.250"})
    circle = msp.add_circle(at(80, 20), 3)
    circle.set_xdata("KESTOVA_SURVEY", [(1000, "design point"), (1040, 101.25),
                                        (1010, at(80, 20, 101.25)), (1070, 7)])
    circle.set_xdata("OTHER_CAD", [(1000, "kept"), (1071, 123456)])


def modern_entities(doc, msp):
    """What release 2000 brought: true colours, transparency, lineweights, and the rest."""
    msp.add_line(at(0, 90), at(100, 90), dxfattribs={"true_color": ezdxf.rgb2int((200, 80, 20)),
                                                     "color": 30, "lineweight": 50})
    msp.add_circle(at(20, 60), 4).transparency = 0.5
    msp.add_line(at(0, 95), at(100, 95), dxfattribs={"invisible": 1})
    msp.add_lwpolyline([(*xy(0, 100), 0, 0, 0.5), (*xy(50, 100), 0, 0, 0),
                        (*xy(50, 130), 0.1, 0.2, -0.25)], format="xyseb",
                       close=True, dxfattribs={"const_width": 0.25})
    msp.add_ellipse(at(70, 70), major_axis=(8, 3, 0), ratio=0.4, start_param=0.5,
                    end_param=5.5)
    msp.add_spline([at(0, 0), at(10, 15), at(25, 5), at(40, 20)])
    msp.add_rational_spline([at(0, 0), at(10, 10), at(20, 0), at(30, 10)],
                            weights=[1.0, 0.7, 1.3, 1.0], degree=3)
    msp.add_mtext("Setting-out\\Pcheck {\\fArial|b1;passed}",
                  dxfattribs={"char_height": 1.8, "width": 30.0, "insert": at(10, 110),
                              "style": "OpenSans"})
    hatch = msp.add_hatch(color=4)
    hatch.set_pattern_fill("ANSI31", scale=0.5, angle=45)
    hatch.paths.add_polyline_path([xy(60, 60), xy(80, 60), xy(80, 75)],
                                  is_closed=True)
    solid = msp.add_hatch(color=1)
    edges = solid.paths.add_edge_path()
    edges.add_line(xy(85, 0), xy(95, 0))
    edges.add_arc(xy(90, 0), radius=5, start_angle=0, end_angle=180)
    msp.add_leader([at(40, 40), at(45, 48), at(55, 48)])
    line = msp.add_line(at(0, 120), at(10, 120))
    extension = line.new_extension_dict()
    record = extension.add_xrecord("KESTOVA_NOTE")
    record.reset([(1, "checked"), (40, 0.003), (10, (1.0, 2.0, 3.0))])
    definition = doc.add_image_def(filename="site_photo.jpg", size_in_pixel=(1600, 1200))
    msp.add_image(definition, insert=at(110, 0), size_in_units=(16, 12), rotation=5)
    doc.groups.new("BOUNDARY", description="site boundary").extend(
        [e for e in msp.query("LINE[layer=='WALLS']")])
    dictionary = doc.rootdict.add_new_dict("KESTOVA_PROJECT")
    dictionary.add_xrecord("SETTINGS").reset([(1, "datum OSGB36"), (70, 3), (40, 0.5)])


def sheet(doc):
    """A paper-space layout with a viewport onto the site."""
    layout = doc.layouts.new("Sheet A3")
    layout.add_viewport(center=(200, 140), size=(380, 260), view_center_point=at(50, 40),
                        view_height=150)
    layout.add_text("SITE PLAN", dxfattribs={"height": 5, "insert": (20, 20)})


def site(release: str):
    doc = ezdxf.new(release, setup=True)
    settings(doc)
    tables(doc, modern=True)
    marker_block(doc)
    msp = doc.modelspace()
    common_entities(doc, msp)
    modern_entities(doc, msp)
    sheet(doc)
    return doc


def site_r12():
    doc = ezdxf.new("R12", setup=True)
    settings(doc)
    tables(doc, modern=False)
    marker_block(doc)
    msp = doc.modelspace()
    common_entities(doc, msp)
    msp.add_polyline2d([at(0, 100), at(50, 100), at(50, 130)], close=True)
    msp.add_solid([at(85, 0), at(95, 0), at(85, 5), at(95, 5)])
    return doc


def numbers():
    """Coordinates only an exact writer keeps: every digit matters."""
    doc = ezdxf.new("R2000")
    msp = doc.modelspace()
    awkward = [0.1 + 0.2, 1 / 3, -0.0, 5e-324, 2.2250738585072014e-308, 1.7976931348623157e308,
               math.pi * 1e6, 2_500_000.000_000_001, 5_600_000.123_456_789, 1e-7, -123.456e-20]
    for index, value in enumerate(awkward):
        msp.add_point((value, index, -value))
        msp.add_line(xy(value, 0), xy(0, value))
    msp.add_circle(at(1 / 7, 2 / 7, 3 / 7), radius=math.sqrt(2))
    doc.header["$PDSIZE"] = 1 / 3
    return doc


def announced_losses():
    """Records that reach far into the drawing: an image with its definition, a mesh, a
    dictionary of the drawing's own. What of them a save cannot keep, the program must say."""
    doc = ezdxf.new("R2018")
    msp = doc.modelspace()
    definition = doc.add_image_def(filename="scan.png", size_in_pixel=(800, 600))
    msp.add_image(definition, insert=at(0, 0), size_in_units=(8, 6))
    mesh = msp.add_mesh()
    with mesh.edit_data() as data:
        data.vertices = [at(0, 0), at(1, 0), at(1, 1), at(0, 1)]
        data.faces = [(0, 1, 2, 3)]
    doc.rootdict.add_new_dict("KESTOVA_PROJECT").add_xrecord("SETTINGS").reset([(1, "kept")])
    msp.add_circle(at(5, 5), 1)
    return doc


def saved_and_patched(doc, path: Path, old: str, new: str, encoding="cp1252"):
    """Saves the drawing, then changes its text into a shape ezdxf does not write."""
    doc.saveas(path, encoding=encoding)
    text = path.read_text(encoding=encoding)
    assert old in text, old
    path.write_text(text.replace(old, new), encoding=encoding)


def layer_true_colour(path: Path):
    """Release 2000 with a layer in a true colour, as other programs write it."""
    doc = ezdxf.new("R2000")
    doc.layers.add("AXES", color=5)
    doc.modelspace().add_line(at(0, 0), at(10, 0), dxfattribs={"layer": "AXES"})
    saved_and_patched(doc, path, "AXES\n 70\n0\n 62\n5\n", "AXES\n 70\n0\n 62\n5\n420\n2003199\n")


def utf8_names(path: Path):
    """Release 2004 whose header gives the code page Windows-1252, its names in UTF-8."""
    doc = ezdxf.new("R2004")
    doc.layers.add("Böschung", color=3)
    doc.modelspace().add_line(at(0, 0), at(10, 0), dxfattribs={"layer": "Böschung"})
    doc.modelspace().add_circle(at(5, 5), 2, dxfattribs={"layer": "Böschung"})
    doc.saveas(path, encoding="utf-8")


def dollar_spaces(path: Path):
    """Release 2013 with the empty blocks $MODEL_SPACE and $PAPER_SPACE besides the spaces."""
    doc = ezdxf.new("R2013")
    doc.blocks.new("$MODEL_SPACE")
    doc.blocks.new("$PAPER_SPACE")
    doc.modelspace().add_line(at(0, 0), at(10, 0))
    doc.saveas(path)


def release_14(path: Path):
    """A drawing of release 14, which is saved as release 2000. Without the records ezdxf
    reads otherwise in a file of release 14 (an XRECORD's cloning flag)."""
    doc = ezdxf.new("R2000", setup=True)
    settings(doc)
    tables(doc, modern=False)
    marker_block(doc)
    common_entities(doc, doc.modelspace())
    saved_and_patched(doc, path, "AC1015", "AC1014")


def fine_settings_r12(path: Path):
    """Release 12, rebuilt on saving, with a setting beyond what the window shows."""
    doc = site_r12()
    doc.header["$LUPREC"] = 8
    saved_and_patched(doc, path, "$LUPREC\n 70\n8\n", "$LUPREC\n 70\n10\n")


SHAPES = {"layer_true_colour_R2000.dxf": layer_true_colour, "utf8_names_R2004.dxf": utf8_names,
          "dollar_spaces_R2013.dxf": dollar_spaces, "site_R14.dxf": release_14,
          "fine_settings_R12.dxf": fine_settings_r12}


def main(outdir: str) -> int:
    ezdxf.options.write_fixed_meta_data_for_testing = True  # the same drawings every time
    folder = Path(outdir)
    folder.mkdir(parents=True, exist_ok=True)
    for release in RELEASES:
        site(release).saveas(folder / f"site_{release}.dxf")
    site_r12().saveas(folder / "site_R12.dxf")
    numbers().saveas(folder / "numbers.dxf")
    announced_losses().saveas(folder / "announced_losses.dxf")
    for name, make in SHAPES.items():
        make(folder / name)
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1]))

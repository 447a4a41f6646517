"""The comparer finds each kind of change a save can make, and none where there is none: the
drawings of make_drawings.py, read and saved again by ezdxf, changed one way each.

Usage: comparer_test.py (says SKIPPED and exits with 77 without ezdxf)"""
import math
import os
import subprocess
import sys
import tempfile
import unittest

try:
    import ezdxf
    from ezdxf.math import Vec3
except ImportError:
    print("SKIPPED: python3-ezdxf is not installed")
    sys.exit(77)

import make_drawings
from drawing_comparison import compare
from drawing_snapshot import read_snapshot
from dxf_values import same_value

HERE = os.path.dirname(os.path.abspath(__file__))


def entity(doc, query, which=lambda found: True):
    return next(found for found in doc.modelspace().query(query) if which(found))


def set_attribute(query, name, value, drawing="site_R2018.dxf"):
    return drawing, lambda doc: entity(doc, query).dxf.set(name, value)


# What is changed, in which drawing, and what the comparer must say about it.
CHANGES = [
    ("layer lineweight", "site_R2018.dxf",
     lambda doc: doc.layers.get("WALLS").dxf.set("lineweight", -3),
     "LAYER 'WALLS': lineweight 35 → -3"),
    ("layer colour, release 12", "site_R12.dxf",
     lambda doc: doc.layers.get("AXES").dxf.set("color", 4), "LAYER 'AXES': color 5 → 4"),
    ("header variable left out", "site_R2000.dxf",
     lambda doc: doc.header.__delitem__("$PDMODE"), "header $PDMODE 35 → missing"),
    ("extended data of one application", "site_R2007.dxf",
     lambda doc: entity(doc, "CIRCLE", lambda e: e.has_xdata("OTHER_CAD")).discard_xdata(
         "OTHER_CAD"), "xdata OTHER_CAD lost"),
    ("a coordinate one unit in the last place off", "site_R2010.dxf",
     lambda doc: entity(doc, "POINT").dxf.set(
         "location", (math.nextafter(2500012.345, 0), 5600067.891, 101.25)),
     "location (2500012.345, 5600067.891, 101.25) → (2500012.3449999997, "),
    ("negative zero made positive", "numbers.dxf",
     lambda doc: entity(doc, "POINT", lambda e: e.dxf.location.y == 2).dxf.set(
         "location", (0.0, 2.0, 0.0)),
     "location (-0.0, 2.0, 0.0) → (0.0, 2.0, 0.0)"),
    ("true colour left out", *set_attribute("LINE[color==30]", "true_color", None),
     "true_color 13127700 → missing"),
    ("entity left out", "site_R2013.dxf",
     lambda doc: doc.modelspace().delete_entity(entity(doc, "SPLINE")), "(SPLINE) lost"),
    ("hatch boundary", "site_R2018.dxf",
     lambda doc: entity(doc, "HATCH").paths[0].vertices.__setitem__(0, (0.0, 0.0, 0.0)),
     "(HATCH): content tag"),
    ("multi-line text", "site_R2018.dxf",
     lambda doc: setattr(entity(doc, "MTEXT"), "text", "Setting-out"), "(MTEXT): content"),
    ("attribute of an insert", "site_R2004.dxf",
     lambda doc: entity(doc, "INSERT").attribs[0].dxf.set("text", "P18"),
     "(ATTRIB of INSERT"),
    ("vertex of a 3D polyline", "site_R12.dxf",
     lambda doc: entity(doc, "POLYLINE").vertices[1].dxf.set("location", (0, 0, 0)),
     "(VERTEX of POLYLINE"),
    ("linetype pattern", "site_R2000.dxf",
     lambda doc: doc.linetypes.get("DASHED").setup_pattern([1.0, 0.5, -0.5]),
     "LTYPE 'DASHED': "),
    ("dimension style", "site_R2018.dxf",
     lambda doc: doc.dimstyles.get("SURVEY").dxf.set("dimtxt", 2.0),
     "DIMSTYLE 'SURVEY': dimtxt 1.8 → 2.0"),
    ("xrecord tag", "site_R2018.dxf",
     lambda doc: doc.rootdict["KESTOVA_PROJECT"]["SETTINGS"].reset([(1, "datum ETRS89")]),
     "(XRECORD 'SETTINGS'): content tag"),
    ("dictionary entry", "site_R2018.dxf",
     lambda doc: doc.rootdict.remove("KESTOVA_PROJECT"), "entry 'KESTOVA_PROJECT' lost"),
    ("extension dictionary", "site_R2018.dxf",
     lambda doc: entity(doc, "LINE", lambda e: e.has_extension_dict).discard_extension_dict(),
     "extension dictionary"),
    ("group member", "site_R2018.dxf",
     lambda doc: doc.groups.get("BOUNDARY").set_data([]), "(GROUP 'BOUNDARY')"),
    ("image definition", "site_R2018.dxf",
     lambda doc: doc.objects.query("IMAGEDEF")[0].dxf.set("filename", "other.jpg"),
     "filename 'site_photo.jpg' → 'other.jpg'"),
    ("paper-space viewport", "site_R2018.dxf",
     lambda doc: doc.layouts.get("Sheet A3").query("VIEWPORT")[0].dxf.set("view_height", 75),
     "(VIEWPORT) in block '*Paper_Space0': view_height 150.0 → 75.0"),
]


# Shapes that ezdxf itself does not keep when it saves a drawing: the comparer finds that.
CHANGED_BY_EZDXF = {"layer_true_colour_R2000.dxf": ["LAYER 'AXES': true_color 2003199 → missing"]}


class ComparerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        ezdxf.options.write_fixed_meta_data_for_testing = True
        cls.folder = tempfile.TemporaryDirectory()
        cls.drawings = os.path.join(cls.folder.name, "drawings")
        make_drawings.main(cls.drawings)

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def saved_after(self, drawing, change, added=0, announced=()):
        source = os.path.join(self.drawings, drawing)
        doc = ezdxf.readfile(source)
        change(doc)
        saved = os.path.join(self.folder.name, "saved.dxf")
        doc.saveas(saved)
        return compare(read_snapshot(source), read_snapshot(saved), added, list(announced))

    def texts(self, result):
        return [difference.text for difference in result.differences]

    def test_a_drawing_saved_unchanged_does_not_differ(self):
        for drawing in sorted(os.listdir(self.drawings)):
            with self.subTest(drawing):
                self.assertEqual(self.texts(self.saved_after(drawing, lambda doc: None)),
                                 CHANGED_BY_EZDXF.get(drawing, []))

    def test_each_change_is_found(self):
        for name, drawing, change, expected in CHANGES:
            with self.subTest(name):
                texts = self.texts(self.saved_after(drawing, change))
                self.assertTrue(any(expected in text for text in texts), texts)

    def test_a_default_written_out_is_no_difference(self):
        result = self.saved_after("site_R2018.dxf",
                                  lambda doc: entity(doc, "CIRCLE").dxf.set("thickness", 0.0))
        self.assertEqual(self.texts(result), [])

    def test_values_are_the_same_bit_for_bit(self):
        nan = float("nan")
        cases = [  # group code, source value, saved value, whether they are the same
            (40, 0.1 + 0.2, 0.3, False),
            (40, 0.0, -0.0, False),
            (40, nan, nan, True),
            (40, 1, 1.0, True),  # ezdxf's default of a real may be a whole number
            (10, (1.0, 2.0), Vec3(1, 2, 0), True),  # a 2D point is the 3D point with Z 0
            (10, (1.0, 2.0), Vec3(1, 2, 1e-300), False),
            (1, "abc", "abC", False),
            (340, "2F", "7A", True),  # through the handles the save gave the records
            (340, "2F", "2F", False),
        ]
        for code, source, saved, same in cases:
            with self.subTest(code=code, source=source, saved=saved):
                self.assertEqual(same_value(code, source, saved, {"2F": "7A"}), same)

    def test_the_entities_added_before_the_save_are_expected(self):
        def add_point(doc):
            doc.modelspace().add_point((1, 2, 3))
        self.assertEqual(self.texts(self.saved_after("site_R2000.dxf", add_point, added=1)), [])
        self.assertEqual(self.texts(self.saved_after("site_R2000.dxf", lambda doc: None,
                                                     added=1)),
                         ["model space: 0 new entities saved of 1 added"])
        self.assertRegex(self.texts(self.saved_after("site_R2000.dxf", add_point))[0],
                         r"entity \w+ \(POINT\) added")

    def test_announced_losses_are_excused_up_to_their_number(self):
        def lose_circles(count):
            return lambda doc: [doc.modelspace().delete_entity(entity(doc, "CIRCLE"))
                                for _ in range(count)]
        result = self.saved_after("site_R2018.dxf", lose_circles(1), announced=["1 CIRCLE"])
        self.assertEqual(self.texts(result), [])
        self.assertEqual(dict(result.differing_records), {"CIRCLE": 1})
        result = self.saved_after("site_R2018.dxf", lose_circles(2), announced=["1 CIRCLE"])
        self.assertIn("2 CIRCLE differ, the save announced 1", self.texts(result))

    def test_the_command_reports_pairs_that_differ_and_exits_with_1(self):
        source = os.path.join(self.drawings, "site_R2018.dxf")
        jobs = os.path.join(self.folder.name, "jobs.jsonl")
        results = os.path.join(self.folder.name, "results.tsv")
        with open(jobs, "w", encoding="utf-8") as out:
            out.write(f'{{"source": "{source}", "saved": "{source}"}}\n')
            out.write(f'{{"source": "{source}", "saved": "{source}", "added": 2}}\n')
        run = subprocess.run([sys.executable, os.path.join(HERE, "compare_drawings.py"), jobs,
                              "--results", results], capture_output=True, text=True)
        self.assertEqual(run.returncode, 1, run.stderr)
        self.assertIn("site_R2018.dxf → site_R2018.dxf (2 entities added): 1 difference\n",
                      run.stdout)
        self.assertIn("2 pairs compared, 1 differ", run.stdout)
        with open(results, encoding="utf-8") as lines:
            self.assertEqual(lines.read(), "1\tline\tadded entity missing\tmodel space: 0 new "
                                           "entities saved of 2 added\n")


if __name__ == "__main__":
    unittest.main()

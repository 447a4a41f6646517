#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

#include "host/dxf/save.h"
#include "host_drawing.h"

// Our files as an independent reader sees them: ezdxf audits the saved drawing, then reports
// what it reads back in world coordinates, which is checked against the document.
namespace host::dxf {
namespace {

using Eigen::Vector3d;

constexpr const char* kScript = R"(import sys, ezdxf
from ezdxf.math import Vec3
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("audit", len(auditor.errors), len(auditor.fixes))
for entry in auditor.errors + auditor.fixes:
    print("problem", entry.message.replace(" ", "_"))
print("style", doc.styles.get("mono25").dxf.font)
print("textstyle", doc.header["$TEXTSTYLE"])
print("ucsname", doc.header["$UCSNAME"])
ucs = doc.ucs.get("OriginalUCS")
print("ucs", *map(repr, [*ucs.dxf.origin, *ucs.dxf.xaxis, *ucs.dxf.yaxis]))
for polyline in doc.blocks.get("ArrowX1"):
    print("arrow", polyline.dxftype(), int(polyline.is_3d_polyline), len(polyline.vertices))
    for vertex in polyline.vertices:
        print("vertex", int(vertex.dxf.flags), *map(repr, vertex.dxf.location))
for e in doc.modelspace():
    kind = e.dxftype()
    if kind == "INSERT":
        m = e.matrix44()
        points = [m.transform(p) for p in [(0, 0, 0), (1, 0, 0), (0, 1, 0), (0, 0, 1)]]
        print("insert", e.dxf.name, *map(repr, [c for p in points for c in p]))
    elif kind == "TEXT":
        ocs = e.ocs()
        along = ocs.to_wcs(Vec3.from_deg_angle(e.dxf.rotation))
        print("text", e.dxf.style, *map(repr, [*ocs.to_wcs(e.dxf.insert), *along,
              *e.dxf.extrusion.normalize(), e.dxf.height]))
    elif kind == "ELLIPSE":
        print("ellipse", *map(repr, [*e.dxf.center, *e.dxf.major_axis, *e.dxf.extrusion,
              e.dxf.ratio, e.dxf.start_param, e.dxf.end_param]))
    elif kind == "LINE":
        print("line", *map(repr, [*e.dxf.start, *e.dxf.end]))
    elif kind == "POINT":
        print("point", *map(repr, e.dxf.location))
)";

std::string python() {
  for (const char* candidate : {"/usr/bin/python3", "python3"}) {
    const std::string probe = std::string(candidate) + " -c 'import ezdxf' >/dev/null 2>&1";
    if (std::system(probe.c_str()) == 0) return candidate;
  }
  return {};
}

std::vector<std::vector<std::string>> runEzdxf(const std::filesystem::path& drawing) {
  const std::string interpreter = python();
  if (interpreter.empty()) return {};
  const auto script = drawing.parent_path() / "read.py";
  testing::writeFile(script, kScript);
  const std::string command = interpreter + " " + script.string() + " " + drawing.string();
  std::vector<std::vector<std::string>> lines;
  FILE* pipe = ::popen(command.c_str(), "r");
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, pipe)) {
    std::istringstream words(buffer);
    lines.emplace_back();
    for (std::string word; words >> word;) lines.back().push_back(word);
  }
  EXPECT_EQ(::pclose(pipe), 0) << "ezdxf could not read " << drawing;
  return lines;
}

std::vector<double> numbers(const std::vector<std::string>& line, std::size_t from) {
  std::vector<double> values;
  for (std::size_t i = from; i < line.size(); ++i) values.push_back(std::stod(line[i]));
  return values;
}

// Within `tolerance` relative to the largest value: a point's coordinates far from the origin
// carry rounding of that size into its small coordinates when they pass an object coordinate
// system.
void expectNear(const std::vector<double>& actual, const std::vector<double>& expected,
                double tolerance) {
  ASSERT_EQ(actual.size(), expected.size());
  double scale = 1.0;
  for (double value : expected) scale = std::max(scale, std::abs(value));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(actual[i], expected[i], tolerance * scale) << "value " << i;
  }
}

std::vector<double> flat(std::initializer_list<Vector3d> vectors) {
  std::vector<double> values;
  for (const Vector3d& v : vectors) values.insert(values.end(), v.data(), v.data() + 3);
  return values;
}

TEST(DxfEzdxfCheck, IndependentReaderAuditsCleanAndSeesTheSameDrawing) {
  const auto document = testing::hostDrawing();
  const auto path = testing::scratchDirectory("ezdxf") / "drawing.dxf";
  saveDxf(*document, path);
  const auto lines = runEzdxf(path);
  if (lines.empty()) GTEST_SKIP() << "python3 with ezdxf is not installed";

  std::multimap<std::string, std::vector<std::string>> byKind;
  for (const auto& line : lines) byKind.emplace(line.at(0), line);
  const auto one = [&](const std::string& kind) { return byKind.find(kind)->second; };
  const auto all = [&](const std::string& kind) {
    std::vector<std::vector<std::string>> found;
    for (auto [it, end] = byKind.equal_range(kind); it != end; ++it) found.push_back(it->second);
    return found;
  };

  for (const auto& problem : all("problem")) ADD_FAILURE() << problem.at(1);
  EXPECT_EQ(one("audit"), (std::vector<std::string>{"audit", "0", "0"}));
  EXPECT_EQ(one("style").at(1), "monotxt.shx");
  EXPECT_EQ(one("textstyle").at(1), "mono25");
  EXPECT_EQ(one("ucsname").at(1), "OriginalUCS");
  const geom::Frame ucs = testing::originalUcsFrame();
  expectNear(numbers(one("ucs"), 1), flat({ucs.origin(), ucs.xAxis(), ucs.yAxis()}), 0.0);

  EXPECT_EQ(one("arrow"), (std::vector<std::string>{"arrow", "POLYLINE", "1", "15"}));
  const auto vertices = all("vertex");
  ASSERT_EQ(vertices.size(), 15u);
  EXPECT_EQ(vertices[5], (std::vector<std::string>{"vertex", "32", "1.75", "0.0", "0.5"}));

  const auto& entities = document->blocks()[model::BlockTable::kModelSpace].entities;
  std::size_t insert = 0, text = 0, ellipse = 0;
  const auto inserts = all("insert");
  const auto texts = all("text");
  const auto ellipses = all("ellipse");
  for (const model::Entity& entity : entities) {
    if (const auto* reference = std::get_if<model::BlockReference>(&entity.data)) {
      const Eigen::Affine3d& p = reference->placement;
      SCOPED_TRACE("insert " + std::to_string(insert));
      ASSERT_LT(insert, inserts.size());
      EXPECT_EQ(inserts[insert].at(1), "ArrowX1");
      expectNear(numbers(inserts[insert++], 2),
                 flat({p * Vector3d(0, 0, 0), p * Vector3d(1, 0, 0), p * Vector3d(0, 1, 0),
                       p * Vector3d(0, 0, 1)}),
                 1e-15);
    } else if (const auto* label = std::get_if<model::Text>(&entity.data)) {
      SCOPED_TRACE("text " + std::to_string(text));
      ASSERT_LT(text, texts.size());
      EXPECT_EQ(texts[text].at(1), "mono25");
      const Vector3d along = label->placement.linear().col(0).normalized();
      const Vector3d normal = along.cross(label->placement.linear().col(1)).normalized();
      std::vector<double> expected = flat({label->placement.translation(), along, normal});
      expected.push_back(label->height);
      expectNear(numbers(texts[text++], 2), expected, 1e-15);
    } else if (const auto* bubble = std::get_if<model::Ellipse>(&entity.data)) {
      ASSERT_LT(ellipse, ellipses.size());
      const geom::EllipseArc& s = bubble->shape;
      std::vector<double> expected = flat({s.centre, s.majorAxis, s.normal});
      expected.insert(expected.end(), {s.ratio, s.startParameter, s.endParameter});
      expectNear(numbers(ellipses[ellipse++], 1), expected, 0.0);
    }
  }
  EXPECT_EQ(insert, inserts.size());
  EXPECT_EQ(text, texts.size());
  EXPECT_EQ(ellipse, ellipses.size());
  EXPECT_EQ(all("line").size(), 1u);
  expectNear(numbers(one("point"), 1), {0.1, 0.2, 0.30000000000000004}, 0.0);
}

}  // namespace
}  // namespace host::dxf

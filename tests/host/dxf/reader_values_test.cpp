#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>

#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host_drawing.h"

// Values as a file gives them: points of some groups only, normals of any length, angles and
// parameters of any size, kept as read.
namespace host::dxf {
namespace {

using Eigen::Vector3d;

std::unique_ptr<model::Document> loadEntities(const std::string& name, const std::string& records) {
  const auto path = testing::scratchDirectory("values_" + name) / "drawing.dxf";
  testing::writeFile(path, "0\nSECTION\n2\nENTITIES\n" + records + "0\nENDSEC\n0\nEOF\n");
  return readDxf(path);
}

const model::Entity& onlyEntity(const model::Document& document) {
  const auto& entities = document.blocks()[model::BlockTable::kModelSpace].entities;
  EXPECT_EQ(entities.size(), 1u);
  return entities.at(0);
}

struct PointCase {
  std::string name;
  std::string records;
  std::function<Vector3d(const model::EntityData&)> read;
  Vector3d expected;
};

void PrintTo(const PointCase& c, std::ostream* os) {
  *os << c.name;
}

class DxfPartialPoint : public ::testing::TestWithParam<PointCase> {};

// The groups a point lacks are 0; a point without any of its groups takes its default.
TEST_P(DxfPartialPoint, MissingCoordinatesAreZero) {
  const PointCase& c = GetParam();
  const auto document = loadEntities(c.name, c.records);
  EXPECT_EQ(c.read(onlyEntity(*document).data), c.expected);
}

Vector3d circleNormal(const model::EntityData& data) {
  return std::get<model::Circle>(data).normal;
}
Vector3d lineStart(const model::EntityData& data) {
  return std::get<model::Line>(data).start;
}
Vector3d lineEnd(const model::EntityData& data) {
  return std::get<model::Line>(data).end;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DxfPartialPoint,
    ::testing::Values(
        PointCase{"normal_by_z_alone", "0\nCIRCLE\n40\n1\n230\n-1\n", circleNormal, {0, 0, -1}},
        PointCase{"normal_by_y_alone", "0\nCIRCLE\n40\n1\n220\n1\n", circleNormal, {0, 1, 0}},
        PointCase{"no_normal", "0\nCIRCLE\n40\n1\n", circleNormal, {0, 0, 1}},
        PointCase{"start_by_z_alone", "0\nLINE\n30\n5\n11\n1\n", lineStart, {0, 0, 5}},
        PointCase{"end_by_y_alone", "0\nLINE\n21\n2\n", lineEnd, {0, 2, 0}},
        PointCase{
            "point_by_z_alone",
            "0\nPOINT\n30\n-1.5\n",
            [](const model::EntityData& data) { return std::get<model::Point>(data).position; },
            {0, 0, -1.5}}),
    [](const auto& info) { return info.param.name; });

// A normal says which way the plane faces; its length does not stretch the ellipse.
TEST(DxfEllipse, NormalOfAnyLengthGivesTheSameEllipse) {
  for (const std::string z : {"4", "0.25", "-3"}) {
    SCOPED_TRACE(z);
    const auto document =
        loadEntities("ellipse", "0\nELLIPSE\n11\n2\n21\n0\n31\n0\n40\n0.5\n230\n" + z + "\n");
    const geom::EllipseArc& shape = std::get<model::Ellipse>(onlyEntity(*document).data).shape;
    const double sense = z == "-3" ? -1.0 : 1.0;
    EXPECT_EQ(shape.normal, Vector3d(0, 0, sense));
    EXPECT_TRUE(shape.pointAt(std::numbers::pi / 2).isApprox(Vector3d(0, sense, 0)));
  }
}

// The values of `code` in the records of `type` of a file's text.
std::vector<double> valuesOf(const std::string& file, std::string_view type, int code) {
  std::vector<std::string_view> lines;
  for (std::size_t at = 0; at < file.size();) {
    const std::size_t end = file.find('\n', at);
    lines.push_back(std::string_view(file).substr(at, end - at));
    at = end == std::string::npos ? file.size() : end + 1;
  }
  std::vector<double> values;
  bool inType = false;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
    int groupCode = 0;
    std::from_chars(lines[i].data() + lines[i].find_first_not_of(' '),
                    lines[i].data() + lines[i].size(), groupCode);
    if (groupCode == 0) inType = lines[i + 1] == type;
    if (inType && groupCode == code) {
      double value = 0.0;
      std::from_chars(lines[i + 1].data(), lines[i + 1].data() + lines[i + 1].size(), value);
      values.push_back(value);
    }
  }
  return values;
}

// Angles and parameters of any size are kept as read and saved back bit for bit: the one-turn
// rule belongs to the geometry drawn from them.
TEST(DxfAngles, ArcAnglesAndEllipseParametersAreSavedAsRead) {
  // Several of these do not survive a turn into radians and back by multiplying alone.
  const std::vector<std::string> angles = {"0",
                                           "360",
                                           "-90",
                                           "725",
                                           "1e20",
                                           "-359.7",
                                           "-701",
                                           "350.5",
                                           "0.1",
                                           "30.000000000000004",
                                           "123.45678901234",
                                           "-1e-300"};
  std::string records;
  std::vector<double> expected;
  for (std::size_t i = 0; i + 1 < angles.size(); ++i) {
    records += "0\nARC\n40\n1\n50\n" + angles[i] + "\n51\n" + angles[i + 1] + "\n";
    records += "0\nELLIPSE\n11\n1\n40\n0.5\n41\n" + angles[i] + "\n42\n" + angles[i + 1] + "\n";
    expected.push_back(std::stod(angles[i]));
    expected.push_back(std::stod(angles[i + 1]));
  }
  const auto document = loadEntities("angles", records);
  const auto path = testing::scratchDirectory("angles_saved") / "drawing.dxf";
  saveDxf(*document, path);
  const std::string saved = testing::readFile(path);
  std::vector<double> arcs;
  std::vector<double> ellipses;
  for (std::size_t i = 0; i < expected.size() / 2; ++i) {
    arcs.push_back(valuesOf(saved, "ARC", 50).at(i));
    arcs.push_back(valuesOf(saved, "ARC", 51).at(i));
    ellipses.push_back(valuesOf(saved, "ELLIPSE", 41).at(i));
    ellipses.push_back(valuesOf(saved, "ELLIPSE", 42).at(i));
  }
  EXPECT_EQ(arcs, expected);
  EXPECT_EQ(ellipses, expected);
}

// The handle seed a saved file gives and the highest handle its records use.
std::pair<std::uint64_t, std::uint64_t> seedAndHighestHandle(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    line.erase(0, line.find_first_not_of(' '));
    lines.push_back(line);
  }
  std::uint64_t seed = 0;
  std::uint64_t highest = 0;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
    if (lines[i] != "5" && lines[i] != "105") continue;
    const std::uint64_t handle = std::stoull(lines[i + 1], nullptr, 16);
    std::uint64_t& kind = i >= 1 && lines[i - 1] == "$HANDSEED" ? seed : highest;
    kind = std::max(kind, handle);
  }
  return {seed, highest};
}

// An insert flagged as having attributes but followed by none, not even its SEQEND, is placed
// like any other, and a save closes it so that what follows it stays its own, with the SEQEND's
// handle below the seed.
TEST(DxfInsert, FlaggedWithoutAttributesIsPlacedAndStaysClosed) {
  const auto path = testing::scratchDirectory("values_flagged_insert") / "drawing.dxf";
  testing::writeFile(path,
                     "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n70\n0\n10\n0\n20\n0\n0\nENDBLK\n"
                     "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
                     "0\nINSERT\n66\n1\n2\nB\n10\n5\n20\n6\n"
                     "0\nLINE\n10\n0\n20\n0\n11\n1\n21\n1\n0\nENDSEC\n0\nEOF\n");
  for (int reading = 0; reading < 2; ++reading) {
    const auto document = readDxf(path);
    const auto& entities = document->blocks()[model::BlockTable::kModelSpace].entities;
    ASSERT_EQ(entities.size(), 2u) << "reading " << reading;
    const auto* insert = std::get_if<model::BlockReference>(&entities[0].data);
    ASSERT_NE(insert, nullptr) << "reading " << reading;
    EXPECT_EQ(insert->placement.translation(), Vector3d(5, 6, 0));
    EXPECT_TRUE(std::holds_alternative<model::Line>(entities[1].data));
    saveDxf(*document, path);
    const auto [seed, highest] = seedAndHighestHandle(path);
    EXPECT_GT(seed, highest) << "reading " << reading;
  }
}

}  // namespace
}  // namespace host::dxf

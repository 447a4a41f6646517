#include <gtest/gtest.h>

#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host/dxf/writer.h"
#include "host_drawing.h"

namespace host::dxf {
namespace {

using testing::hostDrawing;
using testing::scratchDirectory;

// Two placements that draw a text the same: glyph axes per unit of text height, and origin.
void expectSameGlyphMapping(const model::Text& expected, const model::Text& actual) {
  const Eigen::Matrix<double, 3, 2> glyphsExpected =
      expected.placement.linear().leftCols<2>() * expected.height;
  const Eigen::Matrix<double, 3, 2> glyphsActual =
      actual.placement.linear().leftCols<2>() * actual.height;
  EXPECT_TRUE(glyphsExpected.isApprox(glyphsActual, 1e-14)) << glyphsActual;
  EXPECT_TRUE(expected.placement.translation().isApprox(actual.placement.translation(), 1e-15));
}

struct EntityComparer {
  const model::Entity& expectedEntity;

  template <typename T>
  const T& expected() const {
    return std::get<T>(expectedEntity.data);
  }

  void operator()(const model::Line& line) const {
    EXPECT_EQ(line.start, expected<model::Line>().start);
    EXPECT_EQ(line.end, expected<model::Line>().end);
  }
  void operator()(const model::Point& point) const {
    EXPECT_EQ(point.position, expected<model::Point>().position);
  }
  void operator()(const model::Ellipse& ellipse) const {
    const geom::EllipseArc& want = expected<model::Ellipse>().shape;
    EXPECT_EQ(ellipse.shape.centre, want.centre);
    EXPECT_EQ(ellipse.shape.majorAxis, want.majorAxis);
    EXPECT_EQ(ellipse.shape.normal, want.normal);
    EXPECT_EQ(ellipse.shape.ratio, want.ratio);
    EXPECT_EQ(ellipse.shape.startParameter, want.startParameter);
    EXPECT_EQ(ellipse.shape.endParameter, want.endParameter);
  }
  void operator()(const model::Polyline3d& polyline) const {
    EXPECT_EQ(polyline.vertices, expected<model::Polyline3d>().vertices);
    EXPECT_EQ(polyline.closed, expected<model::Polyline3d>().closed);
  }
  void operator()(const model::Polyline2d& polyline) const {
    const auto& want = expected<model::Polyline2d>();
    ASSERT_EQ(polyline.vertices.size(), want.vertices.size());
    for (std::size_t i = 0; i < want.vertices.size(); ++i) {
      EXPECT_EQ(polyline.vertices[i].point, want.vertices[i].point);
      EXPECT_EQ(polyline.vertices[i].bulge, want.vertices[i].bulge);
    }
    EXPECT_EQ(polyline.elevation, want.elevation);
    EXPECT_EQ(polyline.extrusion, want.extrusion);
    EXPECT_EQ(polyline.closed, want.closed);
  }
  void operator()(const model::BlockReference& insert) const {
    const auto& want = expected<model::BlockReference>();
    EXPECT_EQ(insert.block, want.block);
    EXPECT_TRUE(insert.placement.matrix().isApprox(want.placement.matrix(), 1e-15))
        << insert.placement.matrix() << "\nexpected\n"
        << want.placement.matrix();
  }
  void operator()(const model::Text& text) const {
    EXPECT_EQ(text.text, expected<model::Text>().text);
    EXPECT_EQ(text.style, expected<model::Text>().style);
    expectSameGlyphMapping(expected<model::Text>(), text);
  }
  void operator()(const model::MText& text) const {
    const auto& want = expected<model::MText>();
    EXPECT_EQ(text.text, want.text);
    EXPECT_EQ(text.insertion, want.insertion);
    EXPECT_EQ(text.height, want.height);
    EXPECT_EQ(text.width, want.width);
    EXPECT_EQ(text.direction, want.direction);
    EXPECT_EQ(text.normal, want.normal);
  }
  void operator()(const model::Circle& circle) const {
    const auto& want = expected<model::Circle>();
    EXPECT_TRUE(circle.centre.isApprox(want.centre, 1e-15));
    EXPECT_EQ(circle.radius, want.radius);
    EXPECT_EQ(circle.normal, want.normal);
  }
  void operator()(const model::Arc& arc) const {
    const auto& want = expected<model::Arc>();
    EXPECT_TRUE(arc.centre.isApprox(want.centre, 1e-15));
    EXPECT_DOUBLE_EQ(arc.startAngle, want.startAngle);
    EXPECT_DOUBLE_EQ(arc.endAngle, want.endAngle);
  }
  void operator()(const model::UnsupportedEntity& raw) const {
    EXPECT_EQ(raw.type, expected<model::UnsupportedEntity>().type);
    EXPECT_EQ(raw.groups, expected<model::UnsupportedEntity>().groups);
  }
};

void expectSameEntities(const model::Document& expected, const model::Document& actual,
                        model::BlockIndex expectedBlock, model::BlockIndex actualBlock) {
  const auto& want = expected.blocks()[expectedBlock].entities;
  const auto& got = actual.blocks()[actualBlock].entities;
  ASSERT_EQ(got.size(), want.size()) << expected.blocks()[expectedBlock].name;
  for (std::size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE("entity " + std::to_string(i) + " of " + expected.blocks()[expectedBlock].name);
    ASSERT_EQ(got[i].data.index(), want[i].data.index());
    EXPECT_EQ(actual.layers()[got[i].layer].name, expected.layers()[want[i].layer].name);
    std::visit(EntityComparer{want[i]}, got[i].data);
  }
}

TEST(DxfRoundTrip, EverythingTheProgramDrawsReadsBackAsSaved) {
  const auto original = hostDrawing();
  const auto path = scratchDirectory("round_trip") / "drawing.dxf";
  ASSERT_TRUE(contentNotSaved(*original).empty());
  saveDxf(*original, path);
  const auto copy = readDxf(path);

  EXPECT_EQ(copy->header(), original->header());
  EXPECT_EQ(copy->currentUcs(), original->currentUcs());
  ASSERT_EQ(copy->ucsTable().size(), 1u);
  EXPECT_EQ(copy->ucsTable()[0], original->ucsTable()[0]);
  const model::TextStyle& active = copy->textStyles()[copy->activeTextStyle()];
  EXPECT_EQ(active.name, "mono25");
  EXPECT_EQ(active.fontFile, "monotxt.shx");
  EXPECT_EQ(copy->layers()[*copy->layers().find("Survey Ø")].colour, 3);

  const auto arrow = copy->blocks().find("ARROWX1");
  ASSERT_TRUE(arrow);
  EXPECT_EQ(copy->blocks()[*arrow].name, "ArrowX1");
  expectSameEntities(*original, *copy, *original->blocks().find("ArrowX1"), *arrow);
  expectSameEntities(*original, *copy, model::BlockTable::kModelSpace,
                     model::BlockTable::kModelSpace);
  EXPECT_FALSE(copy->modified());
  EXPECT_FALSE(copy->canUndo());
}

TEST(DxfRoundTrip, EntitiesKeptAsReadAreWrittenBackUnchanged) {
  const auto directory = scratchDirectory("kept");
  testing::writeFile(directory / "in.dxf",
                     "0\nSECTION\n2\nENTITIES\n"
                     "0\nSOLID\n5\n2A\n8\nWalls\n62\n1\n10\n0\n20\n0\n30\n0\n11\n1\n21\n0\n31\n0\n"
                     "12\n0\n22\n1\n32\n0\n13\n1\n23\n1\n33\n0\n1001\nSURVEYOR\n1000\nkept\n"
                     "0\nIMAGE\n5\n2B\n8\n0\n340\n2C\n"
                     "0\nENDSEC\n0\nSECTION\n2\nOBJECTS\n0\nXRECORD\n5\n3A\n100\nAcDbXrecord\n"
                     "1\nnote\n0\nENDSEC\n0\nEOF\n");
  const auto first = readDxf(directory / "in.dxf");
  EXPECT_EQ(contentNotSaved(*first), (std::vector<std::string>{"1 IMAGE", "1 XRECORD"}));

  saveDxf(*first, directory / "out.dxf");
  const auto second = readDxf(directory / "out.dxf");
  const auto& entities = second->blocks()[model::BlockTable::kModelSpace].entities;
  ASSERT_EQ(entities.size(), 1u);
  EXPECT_EQ(second->layers()[entities[0].layer].name, "Walls");
  const auto& written = std::get<model::UnsupportedEntity>(entities[0].data);
  const auto& read = std::get<model::UnsupportedEntity>(
      first->blocks()[model::BlockTable::kModelSpace].entities[0].data);
  EXPECT_EQ(written.type, read.type);
  // Every group comes back in its order; the file of release 2000 adds the subclass markers.
  const auto withoutMarkers = [](const model::RawGroups& groups) {
    std::vector<model::RawGroups::Group> kept;
    std::ranges::copy_if(groups, std::back_inserter(kept),
                         [](const auto& group) { return group.code != 100; });
    return kept;
  };
  EXPECT_EQ(withoutMarkers(written.groups), withoutMarkers(read.groups));
  EXPECT_TRUE(std::ranges::any_of(written.groups, [](const auto& group) {
    return group.code == 100 && group.value == "AcDbTrace";
  }));
}

// The elevation a drawing was left at comes back, whether its file had one or not.
TEST(DxfRoundTrip, ElevationIsReadAndAChangedOneWrittenBack) {
  const auto directory = scratchDirectory("elevation");
  const std::string entities =
      "0\nSECTION\n2\nENTITIES\n0\nPOINT\n8\n0\n10\n1\n20\n2\n30\n3\n"
      "0\nENDSEC\n0\nEOF\n";
  testing::writeFile(directory / "with.dxf",
                     "0\nSECTION\n2\nHEADER\n9\n$ELEVATION\n40\n12.5\n0\nENDSEC\n" + entities);
  testing::writeFile(directory / "without.dxf", entities);
  for (const auto& [file, read] : {std::pair{"with.dxf", 12.5}, std::pair{"without.dxf", 0.0}}) {
    const auto document = readDxf(directory / file);
    EXPECT_EQ(document->header().elevation, read) << file;
    model::HeaderVariables header = document->header();
    header.elevation = -3.75;
    document->setHeader(header);
    saveDxf(*document, directory / "out.dxf");
    EXPECT_EQ(readDxf(directory / "out.dxf")->header().elevation, -3.75) << file;
  }
}

TEST(DxfRoundTrip, ShearedInsertIsReportedBeforeSaving) {
  const auto document = hostDrawing();
  const auto arrow = *document->blocks().find("ArrowX1");
  Eigen::Affine3d shear = Eigen::Affine3d::Identity();
  shear.linear()(0, 1) = 0.5;
  document->addEntity(model::BlockTable::kModelSpace, model::BlockReference{arrow, shear});
  EXPECT_EQ(contentNotSaved(*document), (std::vector<std::string>{"1 sheared block reference"}));
}

TEST(DxfRoundTrip, ProgressRisesToOne) {
  const auto path = scratchDirectory("progress") / "drawing.dxf";
  const auto document = hostDrawing();
  for (int i = 0; i < 20000; ++i) {
    document->addEntity(model::BlockTable::kModelSpace,
                        model::Line{Eigen::Vector3d(i, 0, 0), Eigen::Vector3d(i, 1, 0)});
  }
  saveDxf(*document, path);
  std::vector<double> reported;
  readDxf(path, [&](double fraction) { reported.push_back(fraction); });
  ASSERT_GE(reported.size(), 2u);
  EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
  EXPECT_EQ(reported.back(), 1.0);
}

}  // namespace
}  // namespace host::dxf

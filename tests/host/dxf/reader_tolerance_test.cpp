#include <gtest/gtest.h>

#include <numbers>

#include "host/dxf/reader.h"
#include "host/dxf/text_codec.h"
#include "host_drawing.h"

// What real files do that the reader must take in its stride.
namespace host::dxf {
namespace {

using model::BlockTable;

std::unique_ptr<model::Document> load(const std::string& name, const std::string& content) {
  const auto path = testing::scratchDirectory("tolerance_" + name) / "drawing.dxf";
  testing::writeFile(path, content);
  return readDxf(path);
}

const std::vector<model::Entity>& modelSpace(const model::Document& document) {
  return document.blocks()[BlockTable::kModelSpace].entities;
}

TEST(DxfReaderTolerance, CrlfCommentsUnknownSectionsAndLateHeaderVariables) {
  const auto document =
      load("mixed",
           "999\r\nwritten by hand\r\n  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\n"
           "AC1009\r\n  0\r\nENDSEC\r\n  9\r\n$LUPREC\r\n 70\r\n     6\r\n  0\r\nSECTION\r\n  2\r\n"
           "THUMBNAILIMAGE\r\n 90\r\n1\r\n310\r\nFF\r\n  0\r\nENDSEC\r\n  0\r\nSECTION\r\n  2\r\n"
           "ENTITIES\r\n  0\r\nLINE\r\n999\r\nwhat follows is a line\r\n  8\r\nWalls   \r\n 10\r\n"
           "+1.5\r\n 20\r\n 2.25E+1 \r\n 11\r\n-0.125\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n\r\n\r\n");
  EXPECT_EQ(document->header().luprec, 6);
  ASSERT_EQ(modelSpace(*document).size(), 1u);
  const auto& line = std::get<model::Line>(modelSpace(*document)[0].data);
  EXPECT_EQ(line.start, Eigen::Vector3d(1.5, 22.5, 0.0));
  EXPECT_EQ(line.end, Eigen::Vector3d(-0.125, 0.0, 0.0));
  EXPECT_EQ(document->layers()[modelSpace(*document)[0].layer].name, "Walls");
}

// A definition keeps its name as spelt, blanks and all; a reference padded with blanks, or to a
// padded definition, still finds it.
TEST(DxfReaderTolerance, PaddedNamesFindTheirDefinitionsAndDefinitionsKeepTheirBlanks) {
  const auto document = load(
      "padded",
      "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nWalls  \n62\n2\n0\nLAYER\n2\nA\n"
      "0\nLAYER\n2\nA \n0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nPin\n0\nENDBLK\n"
      "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nPOINT\n8\nwalls\n0\nPOINT\n8\nA \n0\nPOINT\n8\nA\n"
      "0\nPOINT\n8\nFresh\t \n0\nINSERT\n8\nWalls   \n2\nPin   \n0\nENDSEC\n0\nEOF\n");
  const auto layerOf = [&](std::size_t i) {
    return document->layers()[modelSpace(*document)[i].layer].name;
  };
  EXPECT_EQ(layerOf(0), "Walls  ");
  EXPECT_EQ(layerOf(1), "A ");
  EXPECT_EQ(layerOf(2), "A");
  EXPECT_EQ(layerOf(3), "Fresh");
  EXPECT_EQ(layerOf(4), "Walls  ");
  EXPECT_EQ(document->layers().size(), 5u);
  const auto& insert = std::get<model::BlockReference>(modelSpace(*document)[4].data);
  EXPECT_EQ(document->blocks()[insert.block].name, "Pin");
}

TEST(DxfReaderTolerance, CodePageAndUnicodeEscapes) {
  const std::string text =
      "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n9\n$DWGCODEPAGE\n3\n"
      "ANSI_1252\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nTEXT\n10\n0\n20\n"
      "0\n40\n1\n1\nGr\xF6\xDF"
      "e \x80 \\U+00B5m \\U+2300\n0\nENDSEC\n0\nEOF\n";
  const auto document = load("cp1252", text);
  EXPECT_EQ(std::get<model::Text>(modelSpace(*document)[0].data).text, "Größe € µm ⌀");

  const std::string utf8 =
      "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1024\n0\nENDSEC\n0\nSECTION\n"
      "2\nENTITIES\n0\nTEXT\n10\n0\n20\n0\n40\n1\n1\nGröße ⌀\n0\nENDSEC\n"
      "0\nEOF\n";
  EXPECT_EQ(std::get<model::Text>(modelSpace(*load("utf8", utf8))[0].data).text, "Größe ⌀");
}

TEST(DxfReaderTolerance, TextEncodingRoundTrip) {
  const std::string original = "Ø 12 – Größe ⌀ €";
  EXPECT_EQ(decodeText(encodeText(original), TextEncoding::kWindows1252), original);
  EXPECT_EQ(encodeText("a\nb"), "a\\U+000Ab");
}

TEST(DxfReaderTolerance, ObjectCoordinateSystemsAndNestedInsertsDefinedLater) {
  // A circle on a plane facing -Z: its OCS X axis is world -X, so OCS (1, 2, 3) is world
  // (-1, 2, -3). The outer block inserts a block defined after it.
  const auto document =
      load("ocs",
           "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nOuter\n10\n0\n20\n0\n30\n0\n0\nINSERT\n2\nInner\n"
           "10\n1\n20\n0\n30\n0\n50\n90\n0\nENDBLK\n0\nBLOCK\n2\nInner\n10\n5\n20\n5\n30\n0\n"
           "0\nPOINT\n10\n5\n20\n5\n30\n0\n0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
           "0\nCIRCLE\n10\n1\n20\n2\n30\n3\n40\n4\n210\n0\n220\n0\n230\n-1\n0\nINSERT\n2\nouter\n"
           "10\n0\n20\n0\n30\n0\n0\nENDSEC\n0\nEOF\n");
  const auto& circle = std::get<model::Circle>(modelSpace(*document)[0].data);
  EXPECT_TRUE(circle.centre.isApprox(Eigen::Vector3d(-1, 2, -3)));
  const auto& outer = std::get<model::BlockReference>(modelSpace(*document)[1].data);
  EXPECT_EQ(document->blocks()[outer.block].name, "Outer");
  const auto& nested =
      std::get<model::BlockReference>(document->blocks()[outer.block].entities[0].data);
  EXPECT_EQ(document->blocks()[nested.block].name, "Inner");
  EXPECT_EQ(document->blocks()[nested.block].basePoint, Eigen::Vector3d(5, 5, 0));
  EXPECT_TRUE((nested.placement * Eigen::Vector3d(1, 0, 0)).isApprox(Eigen::Vector3d(1, 1, 0)));
}

TEST(DxfReaderTolerance, ThreeDimensionalAndPlanePolylines) {
  const auto document =
      load("polylines",
           "0\nSECTION\n2\nENTITIES\n0\nPOLYLINE\n66\n1\n70\n9\n0\nVERTEX\n10\n1\n20\n2\n30\n3\n"
           "70\n32\n0\nVERTEX\n10\n4\n20\n5\n30\n6\n70\n32\n0\nSEQEND\n0\nPOLYLINE\n66\n1\n10\n0\n"
           "20\n0\n30\n2.5\n0\nVERTEX\n10\n1\n20\n2\n42\n1\n0\nVERTEX\n10\n3\n20\n4\n0\nSEQEND\n"
           "0\nPOLYLINE\n66\n1\n70\n16\n0\nVERTEX\n10\n0\n20\n0\n0\nSEQEND\n0\nENDSEC\n0\nEOF\n");
  ASSERT_EQ(modelSpace(*document).size(), 3u);
  const auto& spatial = std::get<model::Polyline3d>(modelSpace(*document)[0].data);
  EXPECT_TRUE(spatial.closed);
  EXPECT_EQ(spatial.vertices,
            (std::vector<Eigen::Vector3d>{Eigen::Vector3d(1, 2, 3), Eigen::Vector3d(4, 5, 6)}));
  const auto& flat = std::get<model::Polyline2d>(modelSpace(*document)[1].data);
  EXPECT_EQ(flat.elevation, 2.5);
  EXPECT_EQ(flat.vertices[0].bulge, 1.0);
  // A mesh is not modelled: kept whole, vertices and end marker included.
  const auto& mesh = std::get<model::UnsupportedEntity>(modelSpace(*document)[2].data);
  EXPECT_EQ(mesh.type, "POLYLINE");
  EXPECT_EQ(std::ranges::count(mesh.groups, model::RawGroups::Group{0, "SEQEND"}), 1);
}

TEST(DxfReaderTolerance, RecordLargerThanTheReadBuffer) {
  std::string content = "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n90\n200000\n";
  for (int i = 0; i < 200000; ++i) {
    content += "10\n" + std::to_string(i) + ".5\n20\n-" + std::to_string(i) + "\n";
  }
  content += "0\nENDSEC\n0\nEOF\n";
  const auto document = load("large_record", content);
  const auto& polyline = std::get<model::Polyline2d>(modelSpace(*document)[0].data);
  ASSERT_EQ(polyline.vertices.size(), 200000u);
  EXPECT_EQ(polyline.vertices.back().point, Eigen::Vector2d(199999.5, -199999.0));
}

}  // namespace
}  // namespace host::dxf

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>

#include "survey/point_file.h"
#include "survey/point_file_error.h"
#include "survey/text_encoding.h"

// Point files as controllers and office programs of several countries export them: headers in
// their languages, GSI, UTF-16 and Windows-1252, read as a surveyor expects.
namespace survey {
namespace {

std::string messageOf(std::string_view content, const ReadOptions& options = {}) {
  try {
    parsePoints(content, "site.txt", options);
  } catch (const PointFileError& e) {
    return e.what();
  }
  return "read without complaint";
}

struct HeaderCase {
  const char* header;
  const char* columnsRead;
};

void PrintTo(const HeaderCase& c, std::ostream* os) {
  *os << c.header;
}

class Headers : public testing::TestWithParam<HeaderCase> {};

// Each header names the id, easting, northing, height and code of the same row of data.
TEST_P(Headers, NameTheColumnsInTheirLanguage) {
  const std::string content =
      std::string(GetParam().header) + "\nS7;2500000,5;5600000,25;312,5;STK\n";
  ReadOptions options;
  options.decimalComma = true;
  const PointFile file = parsePoints(content, "site.csv", options);
  ASSERT_EQ(file.points.size(), 1u);
  const Point& point = file.points[0];
  EXPECT_EQ(point.id, "S7");
  EXPECT_EQ(point.x, 2500000.5);
  EXPECT_EQ(point.y, 5600000.25);
  EXPECT_EQ(point.z, 312.5);
  EXPECT_EQ(point.code, "STK");
  EXPECT_EQ(file.columnsRead, GetParam().columnsRead);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, Headers,
    testing::Values(
        HeaderCase{"PointID;Easting;Northing;Elevation;Code",
                   "PointID → id, Easting → E, Northing → N, Elevation → Z, Code → code"},
        HeaderCase{"Point ID;E;N;RL;Description",
                   "Point ID → id, E → E, N → N, RL → Z, Description → code"},
        HeaderCase{"Pt No.;East (m);North (m);Height [m];Feature",
                   "Pt No. → id, East (m) → E, North (m) → N, Height [m] → Z, Feature → code"},
        HeaderCase{"PktNr;Ost;Nord;Hoehe;Code",
                   "PktNr → id, Ost → E, Nord → N, Hoehe → Z, Code → code"},
        HeaderCase{"Punktnummer;Rechtswert;Hochwert;HÖHE;Beschreibung",
                   "Punktnummer → id, Rechtswert → E, Hochwert → N, HÖHE → Z, Beschreibung → code"},
        HeaderCase{"Numéro;Est;Nord;Altitude;Code",
                   "Numéro → id, Est → E, Nord → N, Altitude → Z, Code → code"},
        HeaderCase{"Punto;Este;Norte;Cota;Código",
                   "Punto → id, Este → E, Norte → N, Cota → Z, Código → code"},
        HeaderCase{"Puntnummer;Oost;Noord;Hoogte;Omschrijving",
                   "Puntnummer → id, Oost → E, Noord → N, Hoogte → Z, Omschrijving → code"},
        HeaderCase{"station;x;y;z;desc", "station → id, x → E, y → N, z → Z, desc → code"},
        HeaderCase{"PNR;X;Y;H;Kode", "PNR → id, X → E, Y → N, H → Z, Kode → code"}));

TEST(ColumnsGiven, HoldOverAHeaderRowWhichIsPassedOver) {
  // A header naming the columns the wrong way round is corrected by the user.
  ReadOptions options;
  options.columns = parseColumnOrder("PNEZ");
  options.columnsGiven = true;
  const PointFile file = parsePoints("Pt,E,N,Z\nA,5600000,2500000,3\n", "site.csv", options);
  ASSERT_EQ(file.points.size(), 1u);
  EXPECT_EQ(file.points[0].x, 2500000);
  EXPECT_EQ(file.points[0].y, 5600000);
  EXPECT_EQ(file.columnsRead, "");
}

struct EncodingCase {
  const char* what;
  std::string bytes;
  const char* encoding;
};

void PrintTo(const EncodingCase& c, std::ostream* os) {
  *os << c.what;
}

class Encodings : public testing::TestWithParam<EncodingCase> {};

TEST_P(Encodings, GiveTheSameIdsAndCoordinates) {
  const PointFile file = parsePoints(GetParam().bytes, "site.csv", {});
  ASSERT_EQ(file.points.size(), 1u);
  EXPECT_EQ(file.points[0].id, "Böschung-1");
  EXPECT_EQ(file.points[0].x, 1.5);
  EXPECT_EQ(file.points[0].z, 3);
  EXPECT_EQ(file.encoding, GetParam().encoding);
}

std::string utf16(std::u16string_view text, bool littleEndian) {
  std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
  for (const char16_t unit : text) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    bytes += littleEndian ? low : high;
    bytes += littleEndian ? high : low;
  }
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, Encodings,
    testing::Values(EncodingCase{"UTF-8", "Böschung-1,1.5,2,3\n", ""},
                    EncodingCase{"UTF-8 with a byte-order mark",
                                 "\xEF\xBB\xBFPoint,E,N,Z\r\nBöschung-1,1.5,2,3\r\n", ""},
                    EncodingCase{"UTF-16LE",
                                 utf16(u"Point\tE\tN\tZ\r\nBöschung-1\t1.5\t2\t3\r\n", true),
                                 "UTF-16LE"},
                    EncodingCase{"UTF-16BE", utf16(u"Böschung-1,1.5,2,3\n", false), "UTF-16BE"},
                    EncodingCase{"Windows-1252", "B\xF6schung-1;1.5;2;3\n", "Windows-1252"}));

TEST(Encodings, MessagesShowUnprintableBytesEscaped) {
  EXPECT_EQ(messageOf("P1,1\x01,2\n"), "site.txt:1: '1\\x01' in column E is not a number");
  EXPECT_EQ(printable("a\tb\xC3\xA4\x7F"), "a\\x09bä\\x7F");
  EXPECT_FALSE(isUtf8("\xED\xA0\x80"));  // a surrogate
  EXPECT_FALSE(isUtf8("\xC0\xAF"));      // overlong
}

TEST(Dwg, IsRefusedAsADrawingToSaveAsDxf) {
  EXPECT_EQ(messageOf(std::string("AC1032\0\0\0\0\x01", 11)),
            "site.txt: DWG drawings cannot be read: save the drawing as DXF");
}

struct GsiCase {
  const char* what;
  std::string content;
  double x;
  double y;
  std::optional<double> z;
};

void PrintTo(const GsiCase& c, std::ostream* os) {
  *os << c.what;
}

class Gsi : public testing::TestWithParam<GsiCase> {};

TEST_P(Gsi, GivesCoordinatesInMetresWhateverTheUnitOfEachWord) {
  const PointFile file = parsePoints(GetParam().content, "job.gsi", {});
  ASSERT_EQ(file.points.size(), 1u);
  const Point& point = file.points[0];
  EXPECT_EQ(point.id, "A12");
  EXPECT_EQ(point.code, "STK");
  EXPECT_NEAR(point.x, GetParam().x, 1e-9);
  EXPECT_NEAR(point.y, GetParam().y, 1e-9);
  ASSERT_EQ(point.z.has_value(), GetParam().z.has_value());
  if (point.z) {
    EXPECT_NEAR(*point.z, *GetParam().z, 1e-9);
  }
  EXPECT_EQ(point.line, 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Words, Gsi,
    testing::Values(
        GsiCase{"GSI-16 in millimetres",
                "*110001+0000000000000A11 21.324+0000000009000000\n"
                "*110002+0000000000000A12 81..10+0000000512280114 82..10+0000005433112345 "
                "83..10+0000000000123456 71....+0000000000000STK\n",
                512280.114, 5433112.345, 123.456},
        GsiCase{"GSI-16 in tenths and hundredths of a millimetre",
                "\n*110002+0000000000000A12 81..16+0000005122801145 82..18-0000000543311234 "
                "71....+0000000000000STK\n",
                512280.1145, -5433.11234, std::nullopt},
        GsiCase{"GSI-8 in millimetres, a negative height",
                "110001+00000A11 21.324+09000000\n"
                "110002+00000A12 81..10+51228011 82..10+54331123 83..10-00001234 71....+00000STK\n",
                51228.011, 54331.123, -1.234},
        GsiCase{"GSI-8 in thousandths and ten-thousandths of a foot",
                "\n110002+00000A12 81..11+01000000 82..17+01000000 83..11+00001000 "
                "71....+00000STK\n",
                304.8, 30.48, 0.3048}));

TEST(Gsi, MalformedWordsAreNamedWithTheirLine) {
  EXPECT_EQ(messageOf("110001+00000A11 81..10+5122801\n"),
            "site.txt:1: '81..10+5122801' is not a GSI-8 word");
  EXPECT_EQ(messageOf("110001+00000A11 81..13+51228011 82..10+1\n").substr(0, 53),
            "site.txt:1: word 81 has the unit digit '3', which is ");
  EXPECT_EQ(messageOf("110001+00000A11 21.324+09000000\n"),
            "site.txt: holds no coordinates (GSI words 81 and 82)");
}

}  // namespace
}  // namespace survey

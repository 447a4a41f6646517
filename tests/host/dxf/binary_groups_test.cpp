#include <bit>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "host/dxf/dxf_error.h"
#include "host/dxf/dxf_output.h"
#include "host/dxf/reader.h"
#include "host/dxf/record_splitter.h"
#include "host_drawing.h"

// A binary drawing file is split into the records its text form gives; what cannot be read is
// refused at its byte.
namespace host::dxf {
namespace {

const std::string kOpening("AutoCAD Binary DXF\r\n\x1a\0", 22);

std::string littleEndian(std::uint64_t value, int bytes) {
  std::string text;
  for (int i = 0; i < bytes; ++i) text += static_cast<char>((value >> (8 * i)) & 0xFF);
  return text;
}

// Groups of release 13 and later: two-byte codes.
std::string code(int code) {
  return littleEndian(static_cast<std::uint64_t>(code), 2);
}
std::string text(int group, const std::string& value) {
  return code(group) + value + '\0';
}
std::string real(int group, double value) {
  return code(group) + littleEndian(std::bit_cast<std::uint64_t>(value), 8);
}
std::string whole(int group, std::int64_t value, int bytes) {
  return code(group) + littleEndian(static_cast<std::uint64_t>(value), bytes);
}

const std::string kSection = text(0, "SECTION");
// Release 12: one-byte codes, 255 and two bytes for larger ones.
const std::string kSection12 = std::string(1, '\0') + "SECTION" + '\0';

std::filesystem::path written(const std::string& name, const std::string& bytes) {
  const auto path = testing::scratchDirectory("binary_groups") / name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

// The records of a file, as the text they are handed out in.
std::string recordsOf(const std::filesystem::path& path) {
  RecordSplitter splitter(path);
  std::string records;
  Record record;
  while (splitter.next(record)) records += record.text();
  return records;
}

TEST(BinaryGroups, EachKindOfValueReadsAsItsTextForm) {
  struct Case {
    const char* name;
    std::string groups;  // after 0 SECTION
    std::string text;    // of them
    bool release12 = false;
  };
  const Case cases[] = {
      {"string", text(1, "Böschung") + text(5, "1F"), "  1\nBöschung\n  5\n1F\n"},
      {"line breaks in a string", text(1, "a\nb\r"), "  1\na^Jb^M\n"},
      {"reals, shortest",
       real(10, 2500000.5) + real(20, 0.1) + real(40, 3.0) + real(50, -0.0) + real(1040, 1e300),
       " 10\n2500000.5\n 20\n0.1\n 40\n3.0\n 50\n-0.0\n1040\n1e+300\n"},
      {"16-bit", whole(70, -2, 2) + whole(1070, 32767, 2), " 70\n-2\n1070\n32767\n"},
      {"32-bit", whole(90, -5, 4) + whole(420, 13132850, 4), " 90\n-5\n420\n13132850\n"},
      {"64-bit", whole(160, std::int64_t{1} << 40, 8), "160\n1099511627776\n"},
      {"one byte", whole(290, 1, 1) + whole(291, 200, 1), "290\n1\n291\n200\n"},
      {"chunks",
       code(310) + littleEndian(3, 1) + std::string("\x00\xab\xff", 3) + code(1004) + '\0',
       "310\n00ABFF\n1004\n\n"},
      {"release 12",
       std::string(1, 1) + "x" + '\0' + "\xff\xe8\x03" + "xdata" + '\0' + "\xff\x10\x04" +
           littleEndian(std::bit_cast<std::uint64_t>(1.5), 8),
       "  1\nx\n1000\nxdata\n1040\n1.5\n", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string end = c.release12 ? std::string(1, '\0') + "EOF" + '\0' : text(0, "EOF");
    const auto path =
        written("kinds.dxf", kOpening + (c.release12 ? kSection12 : kSection) + c.groups + end);
    EXPECT_EQ(recordsOf(path), "  0\nSECTION\n" + c.text + "  0\nEOF\n");
  }
}

// Groups across the file's blocks, and a string larger than a block, come whole.
TEST(BinaryGroups, LargeFilesReadWhole) {
  std::string bytes = kOpening + kSection + text(1, std::string(3 << 20, 'a'));
  std::string expected = "  0\nSECTION\n  1\n" + std::string(3 << 20, 'a') + "\n";
  for (int i = 0; i < 300000; ++i) {
    bytes += real(10, i + 0.25);
    expected += " 10\n" + std::to_string(i) + ".25\n";
  }
  EXPECT_EQ(recordsOf(written("large.dxf", bytes + text(0, "EOF"))), expected + "  0\nEOF\n");
}

TEST(BinaryGroups, DamageIsRefusedAtItsByte) {
  const double infinite = std::numeric_limits<double>::infinity();
  struct Case {
    const char* name;
    std::string bytes;
    const char* reason;
  };
  const Case cases[] = {
      {"opening cut short", kOpening.substr(0, 20),
       "at byte 0: the file opens as a binary drawing file, but its opening is damaged or cut "
       "short"},
      {"group code cut short", kOpening + '\0', "at byte 22: the file ends inside a group code"},
      {"release 12 code cut short", kOpening + kSection12 + "\xff\xe8",
       "at byte 31: the file ends inside a group code"},
      {"unknown group code", kOpening + kSection + text(2000, "x"),
       "at byte 32: unknown group code 2000"},
      {"string without its end", kOpening + code(0) + "SECTION",
       "at byte 24: the string of group code 0 has no end (a NUL byte)"},
      {"real past the end", kOpening + kSection + code(40) + "abc",
       "at byte 34: the value of group code 40 runs past the end of the file (8 bytes, 3 left)"},
      {"chunk past the end", kOpening + kSection + code(310) + "\xc8" + "0123456789",
       "at byte 34: the value of group code 310 runs past the end of the file (201 bytes, 11 "
       "left)"},
      {"chunk without its length", kOpening + kSection + code(310),
       "at byte 34: the file ends before the length of a chunk"},
      {"real not finite", kOpening + kSection + real(10, infinite),
       "at byte 34: group code 10 holds a number that is not finite"},
      {"record without its type", kOpening + text(5, "1F"),
       "at group 1: expected group code 0 to start a record, found 5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto path = written("damaged.dxf", c.bytes);
    try {
      readDxf(path);
      ADD_FAILURE() << "read";
    } catch (const DxfError& error) {
      EXPECT_EQ(error.what(), path.string() + ": " + c.reason);
    }
  }
}

TEST(BinaryGroups, TheBinaryOutputStoresValuesAsTheirCodesAsk) {
  std::string bytes;
  DxfOutput out([&](std::string_view data) { bytes += data; }, FileForm::kBinary);
  out.text(0, "SECTION");
  out.text(1, "a^Jb");
  out.real(10, 2500000.5);
  out.text(20, " 0.1 ");
  out.whole(70, -2);
  out.text(90, "4294967295");
  out.text(160, "1099511627776");
  out.whole(290, 1);
  out.handle(5, 0x1F);
  out.text(310, "00ABFF");
  out.flush();
  EXPECT_EQ(bytes, kOpening + kSection + text(1, "a\nb") + real(10, 2500000.5) + real(20, 0.1) +
                       whole(70, -2, 2) + whole(90, 0xFFFFFFFF, 4) +
                       whole(160, std::int64_t{1} << 40, 8) + whole(290, 1, 1) + text(5, "1F") +
                       code(310) + littleEndian(3, 1) + std::string("\x00\xab\xff", 3));
}

}  // namespace
}  // namespace host::dxf

#include "host/dxf/group_reader.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/dxf/dxf_error.h"
#include "host/dxf/record_splitter.h"
#include "host_drawing.h"

// The reader splits a file on a thread of its own, in batches: what it hands out, and the faults
// it raises, must be what splitting the same file on the reading thread gives, across batches.
namespace host::dxf {
namespace {

// Several batches of lines, with a record larger than a batch and a record of more groups than
// are found ahead (read from its text) among them, and comments.
std::string largeFile() {
  std::string text = "999\nwritten for a test\n0\nSECTION\n2\nENTITIES\n";
  for (int i = 0; i < 60000; ++i) {
    text += "0\nLINE\n8\n0\n10\n" + std::to_string(i) + "\n20\n0.5\n11\n1\n21\n2\n";
    if (i == 20000) {
      text += "0\nPOLYLINE\n";
      for (int j = 0; j < 120000; ++j) text += "10\n" + std::to_string(j) + ".125\n";
    }
    if (i == 40000) {
      text += "0\nLWPOLYLINE\n";
      for (int j = 0; j < 5000; ++j) text += "10\n" + std::to_string(j) + "\n999\nnote\n";
    }
  }
  return text + "0\nENDSEC\n";
}

std::filesystem::path written(const std::string& name, const std::string& text) {
  const auto path = testing::scratchDirectory("group_reader") / name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

struct Seen {
  std::vector<std::string> records;  // each record's type, lines and groups
  std::optional<std::string> fault;
  std::size_t endLine = 0;
};

std::string described(const Record& record) {
  std::string text = std::string(record.type()) + "@" + std::to_string(record.firstLine()) + "/" +
                     std::to_string(record.text().size()) + ":";
  for (const Group& group : record) {
    text += std::to_string(group.code) + "=" + std::string(group.value) + "@" +
            std::to_string(group.line) + ";";
  }
  return text;
}

template <class Reader>
Seen readAll(Reader& reader) {
  Seen seen;
  Record record;
  try {
    while (reader.next(record)) seen.records.push_back(described(record));
    seen.endLine = reader.currentLine();
  } catch (const DxfError& error) {
    seen.fault = error.what();
  }
  return seen;
}

struct Ending {
  const char* name;
  std::string tail;
};

class GroupReaderAhead : public ::testing::TestWithParam<Ending> {};

TEST_P(GroupReaderAhead, HandsOutWhatTheSplitterSplitsThenItsFault) {
  const auto path = written(std::string(GetParam().name) + ".dxf", largeFile() + GetParam().tail);
  RecordSplitter splitter(path);
  const Seen expected = readAll(splitter);
  GroupReader reader(path, {});
  const Seen seen = readAll(reader);
  ASSERT_GT(expected.records.size(), 20000u);  // several batches
  EXPECT_EQ(seen.records, expected.records);
  EXPECT_EQ(seen.fault, expected.fault);
  EXPECT_EQ(seen.endLine, expected.endLine);
}

INSTANTIATE_TEST_SUITE_P(Endings, GroupReaderAhead,
                         ::testing::Values(Ending{"eof", "0\nEOF\n"}, Ending{"no_eof", ""},
                                           Ending{"blank_lines", "0\nEOF\n\n  \n"},
                                           Ending{"code_without_value", "0\n"},
                                           Ending{"nul_byte", std::string("0\nEOF\n\0\n", 8)},
                                           Ending{"not_a_code", "0\nEOF\nx\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A record ends with its last group, also when the next line lies in the file's next block (the
// buffer's data moves then) or the file ends after it: the records together are the file.
TEST(RecordSplitter, RecordsTogetherAreTheFile) {
  const std::string file = largeFile() + "0\nEOF\n";
  RecordSplitter splitter(written("whole.dxf", file));
  std::string records;
  Record record;
  while (splitter.next(record)) records += record.text();
  EXPECT_TRUE(records == file) << records.size() << " bytes of records, " << file.size()
                               << " of the file";
}

TEST(GroupReader, ReportsProgressRisingBelowOne) {
  std::vector<double> reported;
  GroupReader reader(written("progress.dxf", largeFile() + "0\nEOF\n"),
                     [&](double fraction) { reported.push_back(fraction); });
  readAll(reader);
  ASSERT_GE(reported.size(), 3u);
  EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
  EXPECT_LT(reported.back(), 1.0);
}

// A reading that stops early (a fault in a record) leaves the splitting thread waiting for room:
// the reader must still go away.
TEST(GroupReader, GoesAwayAfterReadingAFewRecords) {
  const auto path = written("early.dxf", largeFile() + "0\nEOF\n");
  for (int records = 0; records < 4; ++records) {
    GroupReader reader(path, {});
    Record record;
    for (int i = 0; i < records; ++i) ASSERT_TRUE(reader.next(record));
  }
}

}  // namespace
}  // namespace host::dxf

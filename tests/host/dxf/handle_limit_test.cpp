#include <gtest/gtest.h>

#include "ezdxf_runner.h"
#include "host/dxf/dxf_error.h"
#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host/geom/invalid_input.h"
#include "host_drawing.h"

// Handles run up to FFFFFFFFFFFFFFFF. A drawing that reaches the end opens as it is, but is never
// written with a handle that wrapped round to 0 or to handles it has already.
namespace host::dxf {
namespace {

constexpr const char* kLast = "FFFFFFFFFFFFFFFF";

std::string line(const std::string& handle) {
  return "0\nLINE\n5\n" + handle + "\n8\n0\n10\n0\n20\n0\n11\n1\n21\n1\n";
}

std::string entities(const std::string& records) {
  return "0\nSECTION\n2\nENTITIES\n" + records + "0\nENDSEC\n0\nEOF\n";
}

std::string withSeed(const std::string& seed, const std::string& rest) {
  return "0\nSECTION\n2\nHEADER\n9\n$HANDSEED\n5\n" + seed + "\n0\nENDSEC\n" + rest;
}

// A drawing of release 2000 with its whole structure, as another program writes it: saved back
// from its records.
constexpr const char* kMakeDrawing = R"(import sys, ezdxf
doc = ezdxf.new("R2000")
doc.modelspace().add_line((0, 0), (1, 1))
doc.modelspace().add_line((2, 0), (3, 1))
doc.saveas(sys.argv[1])
)";

// `text` with the value after the first `before` (a group code line and the lines before it)
// replaced by `value`.
std::string replacedAfter(const std::string& text, const std::string& before,
                          const std::string& value) {
  const std::size_t at = text.find(before);
  if (at == std::string::npos) {
    ADD_FAILURE() << "no " << before;
    return text;
  }
  const std::size_t start = at + before.size();
  return text.substr(0, start) + value + text.substr(text.find('\n', start));
}

struct UsedUp {
  std::string name;
  std::string content;  // or, when empty, the drawing of another program with `patch` applied
  std::string before;
  std::size_t entities;
};

void PrintTo(const UsedUp& c, std::ostream* os) {
  *os << c.name;
}

class DxfUsedUpHandles : public ::testing::TestWithParam<UsedUp> {};

TEST_P(DxfUsedUpHandles, OpenButAreRefusedForSaving) {
  const UsedUp& c = GetParam();
  const auto directory = testing::scratchDirectory("handles_" + c.name);
  std::string content = c.content;
  if (content.empty()) {
    const std::string python = testing::ezdxfPython();
    if (python.empty()) GTEST_SKIP() << "python3-ezdxf is not installed";
    testing::writeFile(directory / "make.py", kMakeDrawing);
    testing::runPython(python, directory / "make.py", directory / "made.dxf");
    content = replacedAfter(testing::readFile(directory / "made.dxf"), c.before, kLast);
  }
  testing::writeFile(directory / "site.dxf", content);

  const auto document = readDxf(directory / "site.dxf");
  EXPECT_EQ(document->blocks()[model::BlockTable::kModelSpace].entities.size(), c.entities);
  try {
    saveDxf(*document, directory / "saved.dxf");
    FAIL() << "saved";
  } catch (const DxfError& error) {
    EXPECT_EQ(error.file(), directory / "saved.dxf");
    EXPECT_NE(error.reason().find("handles are used up"), std::string::npos) << error.what();
  }
  EXPECT_FALSE(std::filesystem::exists(directory / "saved.dxf"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}),
            c.content.empty() ? 3 : 1)
      << "a temporary file was left behind";
  EXPECT_THROW(
      document->addEntity(model::BlockTable::kModelSpace, model::Point{Eigen::Vector3d(1, 2, 3)}),
      InvalidInput);
}

INSTANTIATE_TEST_SUITE_P(
    Drawings, DxfUsedUpHandles,
    ::testing::Values(
        UsedUp{"entity_at_the_last", entities(line("A") + line(kLast)), {}, 2},
        UsedUp{"seed_at_the_last", withSeed(kLast, entities(line("A"))), {}, 1},
        // Repeated handles wait for fresh ones, and none is left.
        UsedUp{"repeated_and_the_last", entities(line(kLast) + line("5") + line("5")), {}, 3},
        UsedUp{"kept_file_entity_at_the_last", {}, "LINE\n  5\n", 2},
        UsedUp{"kept_file_seed_at_the_last", {}, "$HANDSEED\n  5\n", 2}),
    [](const auto& info) { return info.param.name; });

// Every handle of the saved file as written (ezdxf numbers what it adds on loading from the
// seed): whether any repeats or is 0, and whether $HANDSEED is above them all; then the model
// space as ezdxf reads it.
constexpr const char* kHandles = R"(import sys, ezdxf
lines = open(sys.argv[1]).read().split("\n")
pairs = list(zip(lines[0::2], lines[1::2]))
at = [i for i, (code, value) in enumerate(pairs) if value == "$HANDSEED"][0] + 1
handles = [int(value, 16) for i, (code, value) in enumerate(pairs)
           if code.strip() in ("5", "105") and i != at]
seed = int(pairs[at][1], 16)
doc = ezdxf.readfile(sys.argv[1])
print(len(handles) == len(set(handles)), min(handles) > 0, seed > max(handles),
      len(doc.modelspace()), len(doc.audit().errors))
)";

TEST(DxfHandlesNearTheLast, AreSavedWithoutWrapping) {
  const std::string python = testing::ezdxfPython();
  if (python.empty()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const auto directory = testing::scratchDirectory("handles_near_the_last");
  testing::writeFile(directory / "handles.py", kHandles);
  testing::writeFile(directory / "site.dxf",
                     entities(line("FFFFFFFFFFFFFF00") + line("5") + line("5")));
  const auto document = readDxf(directory / "site.dxf");
  document->addEntity(model::BlockTable::kModelSpace, model::Point{Eigen::Vector3d(1, 2, 3)});
  saveDxf(*document, directory / "saved.dxf");
  EXPECT_EQ(testing::runPython(python, directory / "handles.py", directory / "saved.dxf"),
            "True True True 4 0\n");
}

}  // namespace
}  // namespace host::dxf

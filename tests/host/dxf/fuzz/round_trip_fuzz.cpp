// Fuzz target: what we write, we read back, and it means the same. A drawing file is read (it
// may be refused with DxfError), written, and read again: the second reading must succeed and
// find the same tables and entities, less what the save said it could not keep. A third reading,
// of the second one written, must then find exactly what the second found, and writing that
// must give the same bytes: one save settles everything.
#include <algorithm>
#include <memory>
#include <string>

#include "drawing_summary.h"
#include "host/dxf/dxf_error.h"
#include "host/dxf/reader.h"
#include "host/dxf/writer.h"
#include "support/fuzz_target.h"
#include "support/memory_file.h"

namespace {

using namespace host;

std::string written(const model::Document& document) {
  std::string text;
  // In the form it was read in: a binary drawing goes round in binary.
  dxf::DxfOutput out([&](std::string_view part) { text += part; }, dxf::savedForm(document));
  dxf::writeDxf(document, out, dxf::savedRelease(document));
  return text;
}

std::unique_ptr<model::Document> readBack(fuzz::MemoryFile& file, const std::string& text) {
  file.assign(text);
  try {
    return dxf::readDxf(file.path());
  } catch (const dxf::DxfError& error) {
    fuzz::fuzzFailure(std::string("a saved drawing cannot be read back: ") + error.what());
  }
}

void requireSame(const std::vector<std::string>& before, const std::vector<std::string>& after,
                 const char* what) {
  if (before == after) return;
  const auto [was, is] = std::ranges::mismatch(before, after);
  fuzz::fuzzFailure(std::string(what) + ": \"" + (was == before.end() ? "(end)" : *was) +
                    "\" became \"" + (is == after.end() ? "(end)" : *is) + "\"");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::MemoryFile file;
  file.assign(fuzz::asText(data, size));
  std::unique_ptr<model::Document> original;
  try {
    original = dxf::readDxf(file.path());
  } catch (const dxf::DxfError&) {
    return 0;
  }
  const std::string firstSave = written(*original);
  const auto reread = readBack(file, firstSave);
  requireSame(fuzz::savableSummaryOf(*original), fuzz::summaryOf(*reread),
              "a save and a reading changed the drawing");

  const std::string secondSave = written(*reread);
  const auto rereadAgain = readBack(file, secondSave);
  requireSame(fuzz::summaryOf(*reread), fuzz::summaryOf(*rereadAgain),
              "a second save and reading changed the drawing");
  fuzz::require(written(*rereadAgain) == secondSave, "a second save wrote other bytes");
  return 0;
}

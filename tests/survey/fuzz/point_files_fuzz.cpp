// libFuzzer target for the point-file readers: any bytes, read as delimited text or LandXML
// with options taken from the first byte, then paired with themselves by id and by proximity.
// Bad input must end in a PointFileError, never in a crash, a hang or a huge allocation.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "survey/pairing.h"
#include "survey/point_file.h"
#include "survey/point_file_error.h"
#include "support/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  const std::string_view content(reinterpret_cast<const char*>(data + 1), size - 1);
  static const char* const kOrders[] = {"PENZD", "ENZ", "PNEZ", "xypz"};

  survey::ReadOptions options;
  options.columns = survey::parseColumnOrder(kOrders[flags & 3]);
  options.decimalComma = (flags & 4) != 0;
  options.skipBadLines = (flags & 8) != 0;
  try {
    const survey::PointFile file = survey::parsePoints(content, "fuzz.csv", options);
    survey::matchByProximity(file, file, 0.5);
    if (file.named) survey::matchById(file, file, {});
  } catch (const survey::PointFileError&) {
  }
  return 0;
}

#include "host/dxf/binary_form.h"

#include <utility>

#include "host/dxf/numbers.h"

namespace host::dxf {
namespace {

bool within(int code, int first, int last) {
  return code >= first && code <= last;
}

}  // namespace

BinaryValue binaryValueOf(int code) {
  if (holdsReal(code)) return BinaryValue::kReal;
  if (within(code, 60, 79) || within(code, 170, 179) || within(code, 270, 289) ||
      within(code, 370, 389) || within(code, 400, 409) || within(code, 1060, 1070)) {
    return BinaryValue::kInt16;
  }
  if (within(code, 90, 99) || within(code, 420, 429) || within(code, 440, 459) || code == 1071) {
    return BinaryValue::kInt32;
  }
  if (within(code, 160, 169)) return BinaryValue::kInt64;
  if (within(code, 290, 299)) return BinaryValue::kByte;
  if (within(code, 310, 319) || code == 1004) return BinaryValue::kChunk;
  return BinaryValue::kText;
}

DxfError binaryFileError(const std::filesystem::path& file, std::size_t line, std::string reason) {
  if (line == 0) return DxfError(file, 0, std::move(reason));
  return DxfError(file, 0, "at group " + std::to_string((line + 1) / 2) + ": " + reason);
}

}  // namespace host::dxf

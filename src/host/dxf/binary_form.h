#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "host/dxf/dxf_error.h"

namespace host::dxf {

// The opening of a drawing file in binary form; its groups follow.
inline constexpr std::string_view kBinaryOpening{"AutoCAD Binary DXF\r\n\x1a\0", 22};

// How a group's value is stored in the binary form, by its group code.
enum class BinaryValue {
  kText,   // bytes up to a NUL
  kReal,   // 8-byte little-endian double
  kInt16,  // little-endian, signed
  kInt32,  // little-endian, signed
  kInt64,  // little-endian, signed
  kByte,   // one byte, 0 to 255 (flags 290 to 299)
  kChunk,  // a length byte and that many bytes, written as hex digits in the text form
};

BinaryValue binaryValueOf(int code);

// The fault at `line` of a binary file's text form, placed at its group (a group is two lines
// of the text form, its code and its value): "file: at group 12: reason".
DxfError binaryFileError(const std::filesystem::path& file, std::size_t line, std::string reason);

}  // namespace host::dxf

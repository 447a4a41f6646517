#include "insert/deviation_text.h"

namespace insert {
namespace {

bool isContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string readDeviationText(const DialogControls& form, Axis axis) {
  const bool averages = form.CheckValue("chkAvDevs") != 0;
  switch (axis) {
    case Axis::X:
      return form.Text(averages ? "txtXav" : "txtXerr");
    case Axis::Y:
      return form.Text(averages ? "txtYav" : "txtYerr");
    case Axis::Z:
      return form.Text(averages ? "txtZav" : "txtZerr");
  }
  return {};
}

std::size_t characterCount(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) {
    if (!isContinuationByte(c)) ++count;
  }
  return count;
}

std::string withoutFirstCharacter(std::string_view text) {
  if (text.empty()) return {};
  std::size_t next = 1;
  while (next < text.size() && isContinuationByte(text[next])) ++next;
  return std::string(text.substr(next));
}

}  // namespace insert

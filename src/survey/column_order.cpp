#include "survey/column_order.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <stdexcept>

namespace survey {
namespace {

bool has(const ColumnOrder& order, Field field) {
  return std::any_of(order.begin(), order.end(),
                     [field](const Column& c) { return c.field == field; });
}

std::string lowered(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

Field fieldNamed(std::string_view headerName) {
  struct Name {
    const char* name;
    Field field;
  };
  static constexpr std::array<Name, 19> kNames{{
      {"point", Field::Id},
      {"name", Field::Id},
      {"id", Field::Id},
      {"e", Field::East},
      {"east", Field::East},
      {"easting", Field::East},
      {"x", Field::East},
      {"n", Field::North},
      {"north", Field::North},
      {"northing", Field::North},
      {"y", Field::North},
      {"z", Field::Height},
      {"elev", Field::Height},
      {"elevation", Field::Height},
      {"h", Field::Height},
      {"height", Field::Height},
      {"code", Field::Description},
      {"desc", Field::Description},
      {"description", Field::Description},
  }};
  const std::string name = lowered(headerName);
  for (const Name& known : kNames) {
    if (name == known.name) return known.field;
  }
  return Field::Ignored;
}

}  // namespace

ColumnOrder parseColumnOrder(std::string_view letters) {
  ColumnOrder order;
  for (const char letter : letters) {
    Field field = Field::Ignored;
    switch (std::toupper(static_cast<unsigned char>(letter))) {
      case 'P':
        field = Field::Id;
        break;
      case 'E':
      case 'X':
        field = Field::East;
        break;
      case 'N':
      case 'Y':
        field = Field::North;
        break;
      case 'Z':
        field = Field::Height;
        break;
      case 'D':
        field = Field::Description;
        break;
      default:
        throw std::invalid_argument(std::string("'") + letter +
                                    "' is not a column: use P, E (or X), N (or Y), Z and D");
    }
    if (has(order, field)) {
      throw std::invalid_argument(std::string("column '") + letter + "' is named twice");
    }
    order.push_back({field, std::string(1, static_cast<char>(std::toupper(letter)))});
  }
  if (!has(order, Field::East) || !has(order, Field::North)) {
    throw std::invalid_argument("the columns must include E (or X) and N (or Y)");
  }
  return order;
}

std::optional<ColumnOrder> headerColumns(const std::vector<std::string_view>& fields) {
  ColumnOrder order;
  for (const std::string_view name : fields) {
    const Field field = fieldNamed(name);
    // A second column of the same kind is read by nobody.
    order.push_back({has(order, field) ? Field::Ignored : field, std::string(name)});
  }
  if (!has(order, Field::East) || !has(order, Field::North)) return std::nullopt;
  return order;
}

}  // namespace survey

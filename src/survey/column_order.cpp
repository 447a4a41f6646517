#include "survey/column_order.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace survey {
namespace {

bool has(const ColumnOrder& order, Field field) {
  return std::any_of(order.begin(), order.end(),
                     [field](const Column& c) { return c.field == field; });
}

// A header name as it is looked up: lower case (Latin-1 letters too), without blanks, dots,
// hyphens and underscores, and without a unit in brackets: "Point No." and "pointno", "HÖHE [m]"
// and "höhe" are the same name.
std::string lookupKey(std::string_view headerName) {
  const std::size_t bracket = headerName.find_first_of("([");
  if (bracket != std::string_view::npos && bracket > 0) headerName = headerName.substr(0, bracket);
  std::string key;
  for (std::size_t i = 0; i < headerName.size(); ++i) {
    const auto c = static_cast<unsigned char>(headerName[i]);
    if (c == ' ' || c == '\t' || c == '.' || c == '-' || c == '_') continue;
    key += static_cast<char>(std::tolower(c));
    // UTF-8 of the Latin-1 capitals À to Þ (but not ×): their small letters are 0x20 on.
    const bool latinCapital = c == 0xC3 && i + 1 < headerName.size() &&
                              static_cast<unsigned char>(headerName[i + 1]) >= 0x80 &&
                              static_cast<unsigned char>(headerName[i + 1]) <= 0x9E &&
                              static_cast<unsigned char>(headerName[i + 1]) != 0x97;
    if (latinCapital) key += static_cast<char>(static_cast<unsigned char>(headerName[++i]) + 0x20);
  }
  return key;
}

// The names surveyors' software and spreadsheets give the columns, in English, German, French,
// Spanish and Dutch, as lookup keys.
Field fieldNamed(std::string_view headerName) {
  struct Name {
    const char* key;
    Field field;
  };
  static constexpr Name kNames[] = {
      // The point's id.
      {"point", Field::Id},
      {"pointid", Field::Id},
      {"pointno", Field::Id},
      {"pointnumber", Field::Id},
      {"pointname", Field::Id},
      {"pt", Field::Id},
      {"ptno", Field::Id},
      {"ptid", Field::Id},
      {"pnt", Field::Id},
      {"pno", Field::Id},
      {"pnr", Field::Id},
      {"no", Field::Id},
      {"nr", Field::Id},
      {"number", Field::Id},
      {"name", Field::Id},
      {"id", Field::Id},
      {"station", Field::Id},
      {"stn", Field::Id},
      {"punkt", Field::Id},
      {"punktnr", Field::Id},
      {"punktnummer", Field::Id},
      {"pktnr", Field::Id},
      {"pkt", Field::Id},
      {"nummer", Field::Id},
      {"numéro", Field::Id},
      {"numero", Field::Id},
      {"número", Field::Id},
      {"nom", Field::Id},
      {"punto", Field::Id},
      {"nombre", Field::Id},
      {"punt", Field::Id},
      {"puntnr", Field::Id},
      {"puntnummer", Field::Id},
      // Easting.
      {"e", Field::East},
      {"east", Field::East},
      {"easting", Field::East},
      {"x", Field::East},
      {"ost", Field::East},
      {"ostwert", Field::East},
      {"rechtswert", Field::East},
      {"rw", Field::East},
      {"est", Field::East},
      {"este", Field::East},
      {"oost", Field::East},
      {"longitude", Field::East},
      {"lon", Field::East},
      {"long", Field::East},
      {"länge", Field::East},
      {"laenge", Field::East},
      {"longitud", Field::East},
      {"lengte", Field::East},
      // Northing.
      {"n", Field::North},
      {"north", Field::North},
      {"northing", Field::North},
      {"y", Field::North},
      {"nord", Field::North},
      {"nordwert", Field::North},
      {"hochwert", Field::North},
      {"hw", Field::North},
      {"norte", Field::North},
      {"noord", Field::North},
      {"latitude", Field::North},
      {"lat", Field::North},
      {"breite", Field::North},
      {"latitud", Field::North},
      {"breedte", Field::North},
      // Height.
      {"z", Field::Height},
      {"elev", Field::Height},
      {"elevation", Field::Height},
      {"h", Field::Height},
      {"height", Field::Height},
      {"ht", Field::Height},
      {"level", Field::Height},
      {"rl", Field::Height},
      {"höhe", Field::Height},
      {"hoehe", Field::Height},
      {"altitude", Field::Height},
      {"alt", Field::Height},
      {"altura", Field::Height},
      {"cota", Field::Height},
      {"elevación", Field::Height},
      {"elevacion", Field::Height},
      {"hoogte", Field::Height},
      {"ellipsoidalheight", Field::Height},
      {"ellheight", Field::Height},
      {"ellhgt", Field::Height},
      // Code.
      {"code", Field::Description},
      {"desc", Field::Description},
      {"description", Field::Description},
      {"feature", Field::Description},
      {"kode", Field::Description},
      {"beschreibung", Field::Description},
      {"código", Field::Description},
      {"codigo", Field::Description},
      {"descripción", Field::Description},
      {"descripcion", Field::Description},
      {"omschrijving", Field::Description},
  };
  const std::string key = lookupKey(headerName);
  for (const Name& known : kNames) {
    if (key == known.key) return known.field;
  }
  return Field::Ignored;
}

// Whether a header name is one of latitude or longitude, in degrees.
bool namesDegrees(std::string_view headerName) {
  static constexpr const char* kKeys[] = {"latitude", "lat",       "breite",   "latitud",
                                          "breedte",  "longitude", "lon",      "long",
                                          "länge",    "laenge",    "longitud", "lengte"};
  const std::string key = lookupKey(headerName);
  for (const char* known : kKeys) {
    if (key == known) return true;
  }
  return false;
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
    const Field kept = has(order, field) ? Field::Ignored : field;
    order.push_back({kept, std::string(name), kept != Field::Ignored && namesDegrees(name)});
  }
  if (!has(order, Field::East) || !has(order, Field::North)) return std::nullopt;
  return order;
}

std::string describedColumns(const ColumnOrder& columns) {
  std::string text;
  for (const Column& column : columns) {
    if (column.field == Field::Ignored) continue;
    static constexpr const char* kShort[] = {"id", "E", "N", "Z", "code"};
    if (!text.empty()) text += ", ";
    text += column.label + " \u2192 " + kShort[static_cast<int>(column.field)];
  }
  return text;
}

}  // namespace survey

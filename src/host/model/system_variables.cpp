#include "host/model/system_variables.h"

#include <string>

#include "host/geom/invalid_input.h"
#include "host/model/names.h"

namespace host::model {
namespace {

std::int32_t wholeNumber(const VariableValue& value, std::string_view name) {
  if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
  throw InvalidInput(std::string(name) + " takes a whole number");
}

}  // namespace

VariableValue systemVariable(const Document& document, std::string_view name) {
  const HeaderVariables& header = document.header();
  const Ucs& ucs = document.currentUcs();
  if (sameName(name, "LUPREC")) return header.luprec;
  if (sameName(name, "TILEMODE")) return std::int32_t{header.tilemode ? 1 : 0};
  if (sameName(name, "INSUNITS")) return header.insunits;
  if (sameName(name, "TEXTSTYLE")) return document.textStyles()[document.activeTextStyle()].name;
  if (sameName(name, "UCSNAME")) return ucs.name;
  if (sameName(name, "UCSORG")) return ucs.frame.origin();
  if (sameName(name, "UCSXDIR")) return ucs.frame.xAxis();
  if (sameName(name, "UCSYDIR")) return ucs.frame.yAxis();
  throw InvalidInput("unknown system variable \"" + std::string(name) + "\"");
}

void setSystemVariable(Document& document, std::string_view name, const VariableValue& value) {
  HeaderVariables header = document.header();
  if (sameName(name, "LUPREC")) {
    header.luprec = wholeNumber(value, "LUPREC");
  } else if (sameName(name, "TILEMODE")) {
    const std::int32_t mode = wholeNumber(value, "TILEMODE");
    if (mode != 0 && mode != 1) throw InvalidInput("TILEMODE must be 0 or 1");
    header.tilemode = mode == 1;
  } else if (sameName(name, "INSUNITS")) {
    const std::int32_t units = wholeNumber(value, "INSUNITS");
    if (units < 0 || units > 24) throw InvalidInput("INSUNITS must be a whole number from 0 to 24");
    header.insunits = units;
  } else {
    systemVariable(document, name);  // an unknown name fails as unknown
    throw InvalidInput("the system variable " + std::string(name) + " is read-only");
  }
  document.setHeader(header);
}

}  // namespace host::model

#include <algorithm>
#include <array>
#include <functional>

#include "host/dxf/text_codec.h"
#include "host/dxf/write_context.h"

namespace host::dxf {
namespace {

// The variables written from the document, or for the file as written.
constexpr std::array<std::string_view, 14> kWrittenVariables = {
    "$ACADVER",   "$DWGCODEPAGE", "$HANDSEED",  "$LUPREC",  "$TILEMODE", "$INSUNITS", "$LUNITS",
    "$ELEVATION", "$CLAYER",      "$TEXTSTYLE", "$UCSNAME", "$UCSORG",   "$UCSXDIR",  "$UCSYDIR"};

// The other variables of the file the drawing was read from, as read: settings of the drawing
// that a file built afresh keeps all the same.
void keepOtherVariables(WriteContext& context) {
  const SourceDrawing* source = sourceOf(context.document);
  if (source == nullptr) return;
  for (const SourceHeaderVariable& variable : source->header) {
    if (std::ranges::find(kWrittenVariables, variable.name) != kWrittenVariables.end()) continue;
    context.out.text(9, variable.name);
    for (const auto [code, value] : variable.groups) context.keptGroup(code, value);
  }
}

// A numeric setting the document models, as the file gave it when the document has not
// changed it since: the document holds some settings within its own bounds (a precision of 8
// decimals at most), which the file's value does not need to be.
const SourceHeaderVariable* keptSetting(const WriteContext& context, std::string_view name) {
  const SourceDrawing* source = context.source;
  if (source == nullptr) return nullptr;
  const model::HeaderVariables& now = context.document.header();
  const model::HeaderVariables& read = source->modelledHeader.variables;
  const bool unchanged = name == "$LUPREC"     ? now.luprec == read.luprec
                         : name == "$TILEMODE" ? now.tilemode == read.tilemode
                         : name == "$INSUNITS" ? now.insunits == read.insunits
                         : name == "$LUNITS"   ? now.lunits == read.lunits
                                               : now.elevation == read.elevation;
  if (!unchanged) return nullptr;
  for (const SourceHeaderVariable& variable : source->header) {
    if (variable.name == name) return &variable;
  }
  return nullptr;
}

}  // namespace

void writeHeader(WriteContext& context, Handle handleSeed) {
  DxfOutput& out = context.out;
  const model::Document& document = context.document;
  const auto variable = [&](std::string_view name) { out.text(9, name); };
  out.text(0, "SECTION");
  out.text(2, "HEADER");
  variable("$ACADVER");
  out.text(1, context.version);
  variable("$DWGCODEPAGE");
  out.text(3, "ANSI_1252");
  variable("$HANDSEED");
  out.handle(5, handleSeed);
  const auto setting = [&](std::string_view name, const std::function<void()>& write) {
    variable(name);
    if (const SourceHeaderVariable* kept = keptSetting(context, name);
        kept && !kept->groups.empty()) {
      for (const auto [code, value] : kept->groups) context.keptGroup(code, value);
    } else {
      write();
    }
  };
  setting("$LUPREC", [&] { out.whole(70, document.header().luprec); });
  setting("$TILEMODE", [&] { out.whole(70, document.header().tilemode ? 1 : 0); });
  setting("$INSUNITS", [&] { out.whole(70, document.header().insunits); });
  setting("$LUNITS", [&] { out.whole(70, document.header().lunits); });
  setting("$ELEVATION", [&] { out.real(40, document.header().elevation); });
  variable("$CLAYER");
  out.text(8, context.layerName(document.header().currentLayer));
  variable("$TEXTSTYLE");
  out.text(7, context.styleName(document.activeTextStyle()));
  const model::Ucs& ucs = document.currentUcs();
  variable("$UCSNAME");
  out.text(2, encodeName(ucs.name));
  variable("$UCSORG");
  out.point(10, ucs.frame.origin());
  variable("$UCSXDIR");
  out.point(10, ucs.frame.xAxis());
  variable("$UCSYDIR");
  out.point(10, ucs.frame.yAxis());
  keepOtherVariables(context);
  out.text(0, "ENDSEC");
  out.text(0, "SECTION");
  out.text(2, "CLASSES");
  out.text(0, "ENDSEC");
}

}  // namespace host::dxf

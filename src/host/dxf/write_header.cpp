#include <algorithm>
#include <array>

#include "host/dxf/text_codec.h"
#include "host/dxf/write_context.h"

namespace host::dxf {
namespace {

// The variables written from the document, or for the file as written.
constexpr std::array<std::string_view, 13> kWrittenVariables = {
    "$ACADVER", "$DWGCODEPAGE", "$HANDSEED", "$LUPREC", "$TILEMODE", "$INSUNITS", "$ELEVATION",
    "$CLAYER",  "$TEXTSTYLE",   "$UCSNAME",  "$UCSORG", "$UCSXDIR",  "$UCSYDIR"};

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
  variable("$LUPREC");
  out.whole(70, document.header().luprec);
  variable("$TILEMODE");
  out.whole(70, document.header().tilemode ? 1 : 0);
  variable("$INSUNITS");
  out.whole(70, document.header().insunits);
  variable("$ELEVATION");
  out.real(40, document.header().elevation);
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

#include "drawing_summary.h"

#include <type_traits>
#include <variant>

#include "host/dxf/writer.h"

namespace fuzz {
namespace {

using namespace host::model;

std::string kindOf(const Document& document, const EntityData& data) {
  return std::visit(
      [&](const auto& entity) -> std::string {
        using Kind = std::decay_t<decltype(entity)>;
        if constexpr (std::is_same_v<Kind, BlockReference>) {
          return "INSERT of " + document.blocks()[entity.block].name;
        } else if constexpr (std::is_same_v<Kind, Text>) {
          return "TEXT " + entity.text;
        } else if constexpr (std::is_same_v<Kind, MText>) {
          return "MTEXT " + entity.text;
        } else if constexpr (std::is_same_v<Kind, Ellipse>) {
          return "ELLIPSE";
        } else if constexpr (std::is_same_v<Kind, Line>) {
          return "LINE";
        } else if constexpr (std::is_same_v<Kind, Polyline3d>) {
          return "POLYLINE of " + std::to_string(entity.vertices.size());
        } else if constexpr (std::is_same_v<Kind, Point>) {
          return "POINT";
        } else if constexpr (std::is_same_v<Kind, Circle>) {
          return "CIRCLE";
        } else if constexpr (std::is_same_v<Kind, Arc>) {
          return "ARC";
        } else if constexpr (std::is_same_v<Kind, Polyline2d>) {
          return "LWPOLYLINE of " + std::to_string(entity.vertices.size());
        } else {
          static_assert(std::is_same_v<Kind, UnsupportedEntity>);
          return "kept " + entity.type;
        }
      },
      data);
}

std::vector<std::string> summarise(const Document& document, bool savableOnly) {
  std::vector<std::string> lines;
  for (const Layer& layer : document.layers().all()) lines.push_back("layer " + layer.name);
  for (const TextStyle& style : document.textStyles().all()) {
    lines.push_back("style " + style.name);
  }
  for (const Ucs& ucs : document.ucsTable().all()) lines.push_back("ucs " + ucs.name);
  for (const Block& block : document.blocks().all()) {
    lines.push_back("block " + block.name);
    for (const Entity& entity : block.entities) {
      if (savableOnly && host::dxf::leftOutOnSave(document, entity)) continue;
      lines.push_back("  " + kindOf(document, entity.data) + " on " +
                      document.layers()[entity.layer].name);
    }
  }
  return lines;
}

}  // namespace

std::vector<std::string> summaryOf(const Document& document) {
  return summarise(document, false);
}

std::vector<std::string> savableSummaryOf(const Document& document) {
  return summarise(document, true);
}

}  // namespace fuzz

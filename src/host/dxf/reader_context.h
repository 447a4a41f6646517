#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include <Eigen/Geometry>

#include "host/dxf/group_reader.h"
#include "host/dxf/text_codec.h"
#include "host/model/document.h"

namespace host::dxf {

// What the section readers share while one file loads into a new document: the group
// reader (for faults with line numbers), the document, the text encoding and name lookups.
class ReaderContext {
 public:
  ReaderContext(GroupReader& reader, model::Document& document)
      : reader(reader), document(document) {}

  GroupReader& reader;
  model::Document& document;
  TextEncoding encoding = TextEncoding::kWindows1252;

  double real(const Group& group) const;
  std::int64_t whole(const Group& group) const;
  std::string text(const Group& group) const { return decodeText(group.value, encoding); }
  // A table or block name as given (blanks at the end dropped: some programs pad names).
  std::string name(const Group& group) const;

  // The layer, text style or block of that name (any case), added when the drawing lacks it.
  model::LayerIndex layer(std::string_view rawName);
  model::StyleIndex style(std::string_view rawName);
  model::BlockIndex block(std::string_view rawName);

  // Layers by the handle the file gives them, for references to layers kept as names.
  void rememberLayerHandle(std::string_view handle, model::LayerIndex layer);
  std::optional<model::LayerIndex> layerByHandle(std::string_view handle) const;

  [[noreturn]] void fail(std::size_t line, std::string reason) const {
    reader.fail(line, std::move(reason));
  }

 private:
  std::unordered_map<std::string, model::LayerIndex> layers_;
  std::unordered_map<std::string, model::StyleIndex> styles_;
  std::unordered_map<std::string, model::BlockIndex> blocks_;
  std::unordered_map<std::uint64_t, model::LayerIndex> layersByHandle_;
};

double degreesToRadians(double degrees);
double radiansToDegrees(double radians);

}  // namespace host::dxf

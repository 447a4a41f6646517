#include "host/dxf/reader_context.h"

#include <charconv>
#include <cmath>
#include <numbers>

#include "host/dxf/numbers.h"

namespace host::dxf {
namespace {

std::size_t decimalLength(double value) {
  char digits[32];
  const auto written = std::to_chars(digits, digits + sizeof digits, value);
  return static_cast<std::size_t>(written.ptr - digits);
}

}  // namespace

ReaderContext::ReaderContext(GroupReader& reader, model::Document& document, SourceDrawing& source)
    : reader(reader),
      document(document),
      source(source),
      layers_([&document](const std::string& name) { return document.layers().find(name); },
              [&document](const std::string& name) { return document.addLayer({name}); }),
      styles_([&document](const std::string& name) { return document.textStyles().find(name); },
              [&document](const std::string& name) { return document.addTextStyle(name); }),
      blocks_([&document](const std::string& name) { return document.blocks().find(name); },
              [&document](const std::string& name) {
                return document.addBlock(name, Eigen::Vector3d::Zero());
              }) {}

double ReaderContext::real(const Group& group) const {
  double value = 0.0;
  if (!parseReal(group.value, value)) fail(group.line, numberExpected(group.code, group.value));
  return value;
}

std::int64_t ReaderContext::whole(const Group& group) const {
  std::int64_t value = 0;
  if (!parseWhole(group.value, value)) {
    fail(group.line, "expected a whole number for group code " + std::to_string(group.code) +
                         ", found \"" + std::string(group.value.substr(0, 40)) + "\"");
  }
  return value;
}

bool ReaderContext::isBlank(std::string_view rawName) {
  return NameLookup<int>::withoutTrailingBlanks(rawName).empty();
}

model::LayerIndex ReaderContext::layer(std::string_view rawName) {
  return layers_.reference(isBlank(rawName) ? "0" : rawName, encoding);
}

model::StyleIndex ReaderContext::style(std::string_view rawName) {
  return styles_.reference(isBlank(rawName) ? "Standard" : rawName, encoding);
}

model::BlockIndex ReaderContext::block(std::string_view rawName) {
  return blocks_.reference(rawName, encoding);
}

model::LayerIndex ReaderContext::defineLayer(std::string_view rawName) {
  const model::LayerIndex index = document.addLayer({decodeText(rawName, encoding)});
  layers_.noteDefinition(rawName, index);
  return index;
}

model::StyleIndex ReaderContext::defineStyle(std::string_view rawName) {
  const model::StyleIndex index = document.addTextStyle(decodeText(rawName, encoding));
  styles_.noteDefinition(rawName, index);
  return index;
}

model::BlockIndex ReaderContext::defineBlock(std::string_view rawName,
                                             const Eigen::Vector3d& basePoint) {
  const model::BlockIndex index = document.addBlock(decodeText(rawName, encoding), basePoint);
  blocks_.noteDefinition(rawName, index);
  return index;
}

void ReaderContext::rememberLayerHandle(std::string_view handle, model::LayerIndex layer) {
  if (const auto value = parseHandle(handle)) layersByHandle_[*value] = layer;
}

std::optional<model::LayerIndex> ReaderContext::layerByHandle(std::string_view handle) const {
  const auto value = parseHandle(handle);
  if (!value) return std::nullopt;
  const auto found = layersByHandle_.find(*value);
  if (found == layersByHandle_.end()) return std::nullopt;
  return found->second;
}

void ReaderContext::expectEntities(std::size_t count) {
  if (takenEntityHandles_.empty()) entityHandles_.reserve(entityHandles_.size() + count);
  source.entities.reserve(source.entities.size() + count);
}

bool ReaderContext::takeEntityHandle(std::uint64_t handle) {
  noteHandle(handle);
  if (handle > highestEntityHandle_ && takenEntityHandles_.empty()) {
    highestEntityHandle_ = handle;
    entityHandles_.push_back(handle);
    return true;
  }
  if (takenEntityHandles_.empty()) {
    takenEntityHandles_.insert(entityHandles_.begin(), entityHandles_.end());
    entityHandles_ = {};
  }
  return takenEntityHandles_.insert(handle).second;
}

double degreesToRadians(double degrees) {
  return degrees * (std::numbers::pi / 180.0);
}

double radiansToDegrees(double radians) {
  double degrees = radians / (std::numbers::pi / 180.0);
  if (!std::isfinite(degrees)) return degrees;
  // The quotient lies within a unit in the last place of degrees that map onto `radians`.
  for (int step = 0; step < 2 && degreesToRadians(degrees) != radians; ++step) {
    degrees = std::nextafter(degrees, degreesToRadians(degrees) < radians ? INFINITY : -INFINITY);
  }
  // At most two neighbours map onto one value (the factor is below 1); of those, the one of
  // the shortest decimals is the one a file gave.
  for (const double neighbour :
       {std::nextafter(degrees, -INFINITY), std::nextafter(degrees, INFINITY)}) {
    if (degreesToRadians(neighbour) == radians &&
        decimalLength(neighbour) < decimalLength(degrees)) {
      return neighbour;
    }
  }
  return degrees;
}

}  // namespace host::dxf

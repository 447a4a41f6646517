#include "host/dxf/reader_context.h"

#include <charconv>
#include <numbers>

#include "host/dxf/numbers.h"

namespace host::dxf {
namespace {

std::string upperCase(std::string_view text) {
  std::string key(text);
  for (char& c : key) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return key;
}

std::string_view withoutTrailingBlanks(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

template <typename Index, typename Add>
Index lookUp(std::unordered_map<std::string, Index>& cache, std::string_view rawName, Add add) {
  std::string key = upperCase(withoutTrailingBlanks(rawName));
  if (auto found = cache.find(key); found != cache.end()) return found->second;
  const Index index = add();
  cache.emplace(std::move(key), index);
  return index;
}

std::optional<std::uint64_t> handleValue(std::string_view text) {
  text = withoutTrailingBlanks(text);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size() || value == 0) return std::nullopt;
  return value;
}

}  // namespace

double ReaderContext::real(const Group& group) const {
  double value = 0.0;
  if (!parseReal(group.value, value)) {
    fail(group.line, "expected a number for group code " + std::to_string(group.code) +
                         ", found \"" + std::string(group.value.substr(0, 40)) + "\"");
  }
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

std::string ReaderContext::name(const Group& group) const {
  return decodeText(withoutTrailingBlanks(group.value), encoding);
}

model::LayerIndex ReaderContext::layer(std::string_view rawName) {
  if (withoutTrailingBlanks(rawName).empty()) rawName = "0";
  return lookUp(layers_, rawName, [&] {
    return document.addLayer(model::Layer{decodeText(withoutTrailingBlanks(rawName), encoding)});
  });
}

model::StyleIndex ReaderContext::style(std::string_view rawName) {
  if (withoutTrailingBlanks(rawName).empty()) rawName = "Standard";
  return lookUp(styles_, rawName, [&] {
    return document.addTextStyle(decodeText(withoutTrailingBlanks(rawName), encoding));
  });
}

model::BlockIndex ReaderContext::block(std::string_view rawName) {
  return lookUp(blocks_, rawName, [&] {
    const std::string name = decodeText(withoutTrailingBlanks(rawName), encoding);
    if (auto existing = document.blocks().find(name)) return *existing;
    return document.addBlock(name, Eigen::Vector3d::Zero());
  });
}

void ReaderContext::rememberLayerHandle(std::string_view handle, model::LayerIndex layer) {
  if (const auto value = handleValue(handle)) layersByHandle_[*value] = layer;
}

std::optional<model::LayerIndex> ReaderContext::layerByHandle(std::string_view handle) const {
  const auto value = handleValue(handle);
  if (!value) return std::nullopt;
  const auto found = layersByHandle_.find(*value);
  if (found == layersByHandle_.end()) return std::nullopt;
  return found->second;
}

double degreesToRadians(double degrees) {
  return degrees * (std::numbers::pi / 180.0);
}

double radiansToDegrees(double radians) {
  return radians * (180.0 / std::numbers::pi);
}

}  // namespace host::dxf

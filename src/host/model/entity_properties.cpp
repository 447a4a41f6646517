#include "host/model/entity_properties.h"

#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace host::model {
namespace {

// Values numbered in the order first met, number 0 the default. Reading a value by its number
// takes no lock: values live in chunks that never move, and a number reaches another thread
// only with the entity that holds it, after the value was stored.
template <class Value, class Key, class Hash>
class Pool {
 public:
  Pool() { add(Value{}); }

  // The number of `value`, given the first time it is met.
  template <class Given>
  std::uint32_t number(const Given& value) {
    const std::lock_guard lock(mutex_);
    const auto found = numbers_.find(Key(value));
    if (found != numbers_.end()) return found->second;
    return add(Value(value));
  }

  const Value& value(std::uint32_t number) const {
    const Place place = placeOf(number);
    return chunks_[place.chunk][place.offset];
  }

 private:
  // Chunk k holds kFirstChunk << k values, so that a few values take little room and any
  // number of them fits in few chunks.
  static constexpr std::size_t kFirstChunk = 1024;
  static constexpr std::size_t kChunks = 23;
  struct Place {
    std::size_t chunk;
    std::size_t offset;
  };

  std::mutex mutex_;
  std::unordered_map<Key, std::uint32_t, Hash> numbers_;
  std::array<std::unique_ptr<Value[]>, kChunks> chunks_;
  std::size_t count_ = 0;

  static Place placeOf(std::size_t number) {
    const std::size_t shifted = number + kFirstChunk;
    const std::size_t chunk = std::bit_width(shifted) - std::bit_width(kFirstChunk);
    return {chunk, shifted - (kFirstChunk << chunk)};
  }

  std::uint32_t add(Value value) {
    if (count_ > UINT32_MAX) throw std::length_error("too many distinct values");
    const Place place = placeOf(count_);
    auto& chunk = chunks_[place.chunk];
    if (!chunk) chunk = std::make_unique<Value[]>(kFirstChunk << place.chunk);
    chunk[place.offset] = std::move(value);
    const auto number = static_cast<std::uint32_t>(count_++);
    numbers_.emplace(Key(chunk[place.offset]), number);
    return number;
  }
};

// Properties are told apart bit by bit, so that a thickness of -0 is written back as read.
struct PropertiesBits {
  explicit PropertiesBits(const EntityProperties& p)
      : colour(p.colour.index),
        trueColour(p.colour.trueColour.value_or(0)),
        transparency(p.transparency.value_or(0)),
        lineWeight(p.lineWeight),
        flags((p.colour.trueColour ? 1U : 0U) | (p.transparency ? 2U : 0U) | (p.visible ? 4U : 0U)),
        lineType(std::hash<const std::string*>()(&p.lineType.str())),
        lineTypeScale(std::bit_cast<std::uint64_t>(p.lineTypeScale)),
        thickness(std::bit_cast<std::uint64_t>(p.thickness)),
        tagApplication(p.tag.application),
        tagText(p.tag.text) {}

  int colour;
  std::uint32_t trueColour;
  std::uint32_t transparency;
  int lineWeight;
  unsigned flags;
  std::size_t lineType;
  std::uint64_t lineTypeScale;
  std::uint64_t thickness;
  // Views of the strings of the properties the bits were taken from, which outlive them.
  std::string_view tagApplication;
  std::string_view tagText;

  friend bool operator==(const PropertiesBits&, const PropertiesBits&) = default;
};

struct PropertiesHash {
  std::size_t operator()(const PropertiesBits& p) const {
    std::size_t hash = 0;
    for (const std::size_t field :
         {std::size_t(p.colour), std::size_t(p.trueColour), std::size_t(p.transparency),
          std::size_t(p.lineWeight), std::size_t(p.flags), p.lineType, std::size_t(p.lineTypeScale),
          std::size_t(p.thickness), std::hash<std::string_view>()(p.tagApplication),
          std::hash<std::string_view>()(p.tagText)}) {
      hash = (hash ^ field) * 0x100000001b3ULL;
    }
    return hash;
  }
};

Pool<std::string, std::string_view, std::hash<std::string_view>>& lineTypeNames() {
  static Pool<std::string, std::string_view, std::hash<std::string_view>> pool;
  return pool;
}

Pool<EntityProperties, PropertiesBits, PropertiesHash>& propertySets() {
  static Pool<EntityProperties, PropertiesBits, PropertiesHash> pool;
  return pool;
}

}  // namespace

LineTypeName::LineTypeName(std::string_view name)
    : id_(name.empty() ? 0 : lineTypeNames().number(name)) {}

const std::string& LineTypeName::str() const {
  return lineTypeNames().value(id_);
}

SharedProperties::SharedProperties(const EntityProperties& properties)
    : id_(propertySets().number(properties)) {}

const EntityProperties& SharedProperties::get() const {
  return propertySets().value(id_);
}

}  // namespace host::model

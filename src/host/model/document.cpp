#include "host/model/document.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <utility>
#include <vector>

#include "host/geom/checks.h"
#include "host/geom/invalid_input.h"
#include "host/model/entity_checks.h"
#include "host/model/handle_index.h"
#include "host/model/names.h"

namespace host::model {

struct Document::State {
  LayerTable layers;
  TextStyleTable styles;
  BlockTable blocks;
  UcsTable ucsTable;
  Ucs currentUcs;
  StyleIndex activeStyle = 0;
  HeaderVariables header;
  std::shared_ptr<const ForeignContent> foreignContent;
  Handle nextHandle = 1;
};

Document::Document()
    : state_(std::make_unique<State>()), handleIndex_(std::make_unique<HandleIndex>()) {}

Document::~Document() = default;

namespace {

// What a change of an entity touches of model space (see ChangeLog): its place there, or all
// of it when the entity lies in a block definition that inserts may show.
std::size_t touchedBy(EntityLocation location) {
  return location.block == BlockTable::kModelSpace ? location.index : 0;
}

}  // namespace

void Document::record(std::function<void(State&)> undo, std::function<void(State&)> redo,
                      std::size_t touched) {
  // The state lives as long as the document, and the history with it.
  State* state = state_.get();
  ChangeLog* changes = &changes_;
  history_.record({[state, changes, touched, undo = std::move(undo)] {
                     undo(*state);
                     changes->touched(touched);
                   },
                   [state, changes, touched, redo = std::move(redo)] {
                     redo(*state);
                     changes->touched(touched);
                   }});
}

template <class Value, class Put>
void Document::replace(Value old, Value now, Put put, std::size_t touched) {
  put(*state_, now);
  record([put, old = std::move(old)](State& s) { put(s, old); },
         [put, now = std::move(now)](State& s) { put(s, now); }, touched);
  changed(touched);
}

template <class Table, class Value>
auto Document::append(Table State::*table, const Value& value) {
  const auto index = (state_.get()->*table).add(value);
  // A new table entry is used by no entity yet.
  record([table](State& s) { (s.*table).removeLast(); },
         [table, value](State& s) { (s.*table).add(value); }, ChangeLog::kNoEntity);
  changed(ChangeLog::kNoEntity);
  return index;
}

const LayerTable& Document::layers() const {
  return state_->layers;
}
const TextStyleTable& Document::textStyles() const {
  return state_->styles;
}
const BlockTable& Document::blocks() const {
  return state_->blocks;
}
const UcsTable& Document::ucsTable() const {
  return state_->ucsTable;
}
const Ucs& Document::currentUcs() const {
  return state_->currentUcs;
}
StyleIndex Document::activeTextStyle() const {
  return state_->activeStyle;
}
const HeaderVariables& Document::header() const {
  return state_->header;
}

const Entity& Document::entity(EntityLocation location) const {
  return state_->blocks[location.block].entities.at(location.index);
}

const Entity* Document::find(EntityLocation location, Handle handle) const {
  if (location.block >= state_->blocks.size()) return nullptr;
  const auto& entities = state_->blocks[location.block].entities;
  if (location.index >= entities.size()) return nullptr;
  const Entity& found = entities[location.index];
  return found.handle == handle ? &found : nullptr;
}

std::optional<EntityLocation> Document::locate(BlockIndex block, Handle handle) const {
  const auto found = handleIndex_->locate(state_->blocks, changes_.revision(), handle);
  if (!found || found->block != block) return std::nullopt;
  return found;
}

EntityLocation Document::addEntity(BlockIndex block, EntityData data, LayerIndex layer) {
  if (block >= state_->blocks.size()) throw InvalidInput("the block does not exist");
  if (layer >= state_->layers.size()) throw InvalidInput("the layer does not exist");
  checkEntityData(data, state_->blocks, state_->styles);
  auto& entities = state_->blocks.at(block).entities;
  if (state_->nextHandle == kLastHandle) {
    throw InvalidInput("the drawing's handles are used up: no entity can be added");
  }
  const EntityLocation location{block, entities.size()};
  entities.push_back(Entity{state_->nextHandle++, layer, {}, std::move(data), {}});
  if (history_.paused()) {  // loading: no history to build
    changed(touchedBy(location));
    return location;
  }
  // Undo keeps the removed entity so that redo brings back the same handle.
  auto removed = std::make_shared<Entity>();
  record(
      [block, removed](State& s) {
        auto& list = s.blocks.at(block).entities;
        *removed = std::move(list.back());
        list.pop_back();
      },
      [block, removed](State& s) { s.blocks.at(block).entities.push_back(*removed); },
      touchedBy(location));
  changed(touchedBy(location));
  return location;
}

void Document::reserveEntities(BlockIndex block, std::size_t count) {
  auto& entities = state_->blocks.at(block).entities;
  const std::size_t wanted = entities.size() + count;
  // At least twice the room there is, so that asking again and again stays linear.
  if (wanted > entities.capacity()) entities.reserve(std::max(wanted, 2 * entities.capacity()));
}

EntityLocation Document::addEntityAsRead(BlockIndex block, Entity&& entity) {
  if (block >= state_->blocks.size()) throw InvalidInput("the block does not exist");
  if (entity.layer >= state_->layers.size()) throw InvalidInput("the layer does not exist");
  checkEntityData(entity.data, state_->blocks, state_->styles);
  auto& entities = state_->blocks.at(block).entities;
  const EntityLocation location{block, entities.size()};
  state_->nextHandle = std::max(state_->nextHandle, handleAfter(entity.handle));
  entities.push_back(std::move(entity));
  changed(touchedBy(location));
  return location;
}

void Document::reserveHandlesBelow(Handle handle) {
  state_->nextHandle = std::max(state_->nextHandle, handle);
}

void Document::giveFreshHandles() {
  for (BlockIndex block = 0; block < state_->blocks.size(); ++block) {
    for (Entity& entity : state_->blocks.at(block).entities) {
      // With the handles used up an entity stays without one; the drawing cannot be saved.
      if (entity.handle == 0 && state_->nextHandle != kLastHandle) {
        entity.handle = state_->nextHandle++;
      }
    }
  }
  handleIndex_->forget();
}

void Document::replaceEntityState(EntityLocation location, Entity changedEntity) {
  Entity& target = state_->blocks.at(location.block).entities.at(location.index);
  changedEntity.origin.asRead = false;
  auto other = std::make_shared<Entity>(std::move(changedEntity));
  std::swap(target, *other);
  auto swap = [location, other](State& s) {
    std::swap(s.blocks.at(location.block).entities.at(location.index), *other);
  };
  record(swap, swap, touchedBy(location));
  changed(touchedBy(location));
}

void Document::replaceEntity(EntityLocation location, EntityData data) {
  checkEntityData(data, state_->blocks, state_->styles);
  Entity changedEntity = entity(location);
  changedEntity.data = std::move(data);
  replaceEntityState(location, std::move(changedEntity));
}

void Document::setEntityLayer(EntityLocation location, LayerIndex layer) {
  if (layer >= state_->layers.size()) throw InvalidInput("the layer does not exist");
  Entity changedEntity = entity(location);
  changedEntity.layer = layer;
  replaceEntityState(location, std::move(changedEntity));
}

void Document::setEntityProperties(EntityLocation location, const EntityProperties& properties) {
  Entity changedEntity = entity(location);
  changedEntity.properties = properties;
  replaceEntityState(location, std::move(changedEntity));
}

void Document::eraseEntity(EntityLocation location) {
  auto& entities = state_->blocks.at(location.block).entities;
  const auto at = static_cast<std::ptrdiff_t>(location.index);
  auto erased = std::make_shared<Entity>(entities.at(location.index));
  entities.erase(entities.begin() + at);
  record(
      [location, at, erased](State& s) {
        auto& list = s.blocks.at(location.block).entities;
        list.insert(list.begin() + at, *erased);
      },
      [location, at](State& s) {
        auto& list = s.blocks.at(location.block).entities;
        list.erase(list.begin() + at);
      },
      touchedBy(location));
  changed(touchedBy(location));
}

void Document::eraseEntities(BlockIndex block, std::vector<std::size_t> indices) {
  if (indices.empty()) return;
  std::ranges::sort(indices);
  if (std::ranges::adjacent_find(indices) != indices.end()) {
    throw InvalidInput("an entity to erase is named twice");
  }
  if (indices.back() >= state_->blocks.at(block).entities.size()) {
    throw InvalidInput("an entity to erase is not in the block");
  }
  const auto erased = std::make_shared<const std::vector<std::size_t>>(std::move(indices));
  // Undo keeps the erased entities, in the order of their places, so that redo erases the same.
  const auto kept = std::make_shared<std::vector<Entity>>();
  const auto erase = [block, erased, kept](State& s) {
    auto& list = s.blocks.at(block).entities;
    kept->clear();
    std::size_t next = 0;  // of `erased`
    std::size_t to = erased->front();
    for (std::size_t from = erased->front(); from < list.size(); ++from) {
      if (next < erased->size() && (*erased)[next] == from) {
        kept->push_back(std::move(list[from]));
        ++next;
      } else {
        list[to++] = std::move(list[from]);
      }
    }
    list.resize(to);
  };
  const auto putBack = [block, erased, kept](State& s) {
    auto& list = s.blocks.at(block).entities;
    std::vector<Entity> whole;
    whole.reserve(list.size() + kept->size());
    std::size_t next = 0;    // of `erased`
    std::size_t stayed = 0;  // of `list`
    while (whole.size() < list.size() + kept->size()) {
      if (next < erased->size() && (*erased)[next] == whole.size()) {
        whole.push_back(std::move((*kept)[next++]));
      } else {
        whole.push_back(std::move(list[stayed++]));
      }
    }
    list = std::move(whole);
  };
  erase(*state_);
  const std::size_t touched = touchedBy({block, erased->front()});
  record(putBack, erase, touched);
  changed(touched);
}

LayerIndex Document::addLayer(const Layer& layer) {
  if (layer.name.empty()) throw InvalidInput("a layer needs a name");
  if (auto existing = state_->layers.find(layer.name)) return *existing;
  return append(&State::layers, layer);
}

void Document::setLayer(LayerIndex index, const Layer& layer) {
  if (index >= state_->layers.size()) throw InvalidInput("the layer does not exist");
  if (layer.name.empty()) throw InvalidInput("a layer needs a name");
  if (auto existing = state_->layers.find(layer.name); existing && *existing != index) {
    throw InvalidInput("a layer named " + layer.name + " already exists");
  }
  replace(
      state_->layers[index], layer,
      [index](State& s, const Layer& value) { s.layers.set(index, value); }, 0);
}

BlockIndex Document::addBlock(const std::string& name, const Eigen::Vector3d& basePoint) {
  if (name.empty()) throw InvalidInput("a block needs a name");
  geom::requireFinite(basePoint, "the block's base point");
  if (auto existing = state_->blocks.find(name)) return *existing;
  return append(&State::blocks, Block{name, basePoint, {}});
}

StyleIndex Document::addTextStyle(const std::string& name) {
  if (name.empty()) throw InvalidInput("a text style needs a name");
  if (auto existing = state_->styles.find(name)) return *existing;
  return append(&State::styles, TextStyle{name});
}

void Document::setTextStyle(StyleIndex index, const TextStyle& style) {
  if (index >= state_->styles.size()) throw InvalidInput("the text style does not exist");
  if (style.name.empty()) throw InvalidInput("a text style needs a name");
  if (auto existing = state_->styles.find(style.name); existing && *existing != index) {
    throw InvalidInput("a text style named " + style.name + " already exists");
  }
  geom::requireFinite(style.height, "the text style height");
  if (style.height < 0.0) throw InvalidInput("the text style height must not be negative");
  replace(
      state_->styles[index], style,
      [index](State& s, const TextStyle& value) { s.styles.set(index, value); }, 0);
}

void Document::setActiveTextStyle(StyleIndex index) {
  if (index >= state_->styles.size()) throw InvalidInput("the text style does not exist");
  replace(
      state_->activeStyle, index, [](State& s, StyleIndex value) { s.activeStyle = value; },
      ChangeLog::kNoEntity);
}

std::size_t Document::defineUcs(const std::string& name, const geom::Frame& frame) {
  if (name.empty()) throw InvalidInput("a named UCS needs a name");
  UcsTable& table = state_->ucsTable;
  if (const auto existing = table.find(name)) {
    const std::size_t index = *existing;
    replace(
        table[index], Ucs{table[index].name, frame},
        [index](State& s, const Ucs& value) { s.ucsTable.set(index, value); },
        ChangeLog::kNoEntity);
    return index;
  }
  return append(&State::ucsTable, Ucs{name, frame});
}

void Document::deleteUcs(const std::string& name) {
  const auto existing = state_->ucsTable.find(name);
  if (!existing) return;
  UndoGroup group(*this);
  std::vector<Ucs> entries = state_->ucsTable.all();
  entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(*existing));
  replace(
      state_->ucsTable.all(), std::move(entries),
      [](State& s, const std::vector<Ucs>& value) { s.ucsTable.setAll(value); },
      ChangeLog::kNoEntity);
  if (!state_->currentUcs.name.empty() && sameName(state_->currentUcs.name, name)) {
    setCurrentUcs(Ucs{"", state_->currentUcs.frame});
  }
}

void Document::setCurrentUcs(const Ucs& ucs) {
  replace(
      state_->currentUcs, ucs, [](State& s, const Ucs& value) { s.currentUcs = value; },
      ChangeLog::kNoEntity);
}

void Document::setHeader(const HeaderVariables& header) {
  if (header.luprec < 0 || header.luprec > 8) {
    throw InvalidInput("LUPREC must be a whole number from 0 to 8");
  }
  if (!std::isfinite(header.elevation)) throw InvalidInput("ELEVATION must be a finite number");
  // The modelled header variables change how new entities are made, not how entities show.
  replace(
      state_->header, header, [](State& s, const HeaderVariables& value) { s.header = value; },
      ChangeLog::kNoEntity);
}

const ForeignContent* Document::foreignContent() const {
  return state_->foreignContent.get();
}

void Document::setForeignContent(std::shared_ptr<const ForeignContent> content) {
  state_->foreignContent = std::move(content);
  // Its tables say how every entity shows.
  changes_.touched(0);
}

}  // namespace host::model

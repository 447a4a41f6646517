#include "host/model/document.h"

#include <algorithm>
#include <cassert>
#include <utility>
#include <vector>

#include "host/geom/checks.h"
#include "host/geom/invalid_input.h"
#include "host/model/entity_checks.h"
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
  std::vector<UnsupportedEntity> unsupportedObjects;
  Handle nextHandle = 1;
  bool modified = false;
  std::filesystem::path filePath;
};

// Undo and redo stacks of steps, each step the changes of one group or one lone change, and
// the listeners. A change is a pair of functions that take the state back and forth.
class Document::History {
 public:
  struct Change {
    std::function<void(State&)> undo;
    std::function<void(State&)> redo;
  };
  using Step = std::vector<Change>;

  std::vector<Step> undoStack;
  std::vector<Step> redoStack;
  Step openStep;
  int groupDepth = 0;
  int pauseDepth = 0;
  bool notificationPending = false;
  std::vector<std::pair<ListenerId, Listener>> listeners;
  ListenerId nextListenerId = 1;

  void closeStep() {
    if (openStep.empty()) return;
    undoStack.push_back(std::move(openStep));
    openStep.clear();
  }
};

Document::Document() : state_(std::make_unique<State>()), history_(std::make_unique<History>()) {}

Document::~Document() = default;

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
  if (block >= state_->blocks.size()) return std::nullopt;
  const auto& entities = state_->blocks[block].entities;
  // Entities keep their order and handles grow, so the entities are sorted by handle.
  const auto found = std::ranges::lower_bound(entities, handle, {}, &Entity::handle);
  if (found == entities.end() || found->handle != handle) return std::nullopt;
  return EntityLocation{block, static_cast<std::size_t>(found - entities.begin())};
}

EntityLocation Document::addEntity(BlockIndex block, EntityData data, LayerIndex layer) {
  if (block >= state_->blocks.size()) throw InvalidInput("the block does not exist");
  if (layer >= state_->layers.size()) throw InvalidInput("the layer does not exist");
  checkEntityData(data, state_->blocks, state_->styles);
  auto& entities = state_->blocks.at(block).entities;
  const EntityLocation location{block, entities.size()};
  entities.push_back(Entity{state_->nextHandle++, layer, {}, std::move(data)});
  if (history_->pauseDepth > 0) {  // loading: no history to build
    changed();
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
      [block, removed](State& s) { s.blocks.at(block).entities.push_back(*removed); });
  changed();
  return location;
}

void Document::reserveEntities(BlockIndex block, std::size_t count) {
  auto& entities = state_->blocks.at(block).entities;
  const std::size_t wanted = entities.size() + count;
  // At least twice the room there is, so that asking again and again stays linear.
  if (wanted > entities.capacity()) entities.reserve(std::max(wanted, 2 * entities.capacity()));
}

void Document::replaceEntity(EntityLocation location, EntityData data) {
  checkEntityData(data, state_->blocks, state_->styles);
  Entity& target = state_->blocks.at(location.block).entities.at(location.index);
  auto other = std::make_shared<EntityData>(std::move(data));
  std::swap(target.data, *other);
  auto swap = [location, other](State& s) {
    std::swap(s.blocks.at(location.block).entities.at(location.index).data, *other);
  };
  record(swap, swap);
  changed();
}

void Document::setEntityLayer(EntityLocation location, LayerIndex layer) {
  if (layer >= state_->layers.size()) throw InvalidInput("the layer does not exist");
  Entity& target = state_->blocks.at(location.block).entities.at(location.index);
  const LayerIndex old = target.layer;
  target.layer = layer;
  record([location,
          old](State& s) { s.blocks.at(location.block).entities.at(location.index).layer = old; },
         [location, layer](State& s) {
           s.blocks.at(location.block).entities.at(location.index).layer = layer;
         });
  changed();
}

void Document::setEntityProperties(EntityLocation location, const EntityProperties& properties) {
  Entity& target = state_->blocks.at(location.block).entities.at(location.index);
  const auto setTo = [location](const EntityProperties& value) {
    return [location, value](State& s) {
      s.blocks.at(location.block).entities.at(location.index).properties = value;
    };
  };
  record(setTo(target.properties), setTo(properties));
  target.properties = properties;
  changed();
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
      });
  changed();
}

LayerIndex Document::addLayer(const Layer& layer) {
  if (layer.name.empty()) throw InvalidInput("a layer needs a name");
  if (auto existing = state_->layers.find(layer.name)) return *existing;
  const LayerIndex index = state_->layers.add(layer);
  record([](State& s) { s.layers.removeLast(); }, [layer](State& s) { s.layers.add(layer); });
  changed();
  return index;
}

void Document::setLayer(LayerIndex index, const Layer& layer) {
  if (index >= state_->layers.size()) throw InvalidInput("the layer does not exist");
  if (layer.name.empty()) throw InvalidInput("a layer needs a name");
  if (auto existing = state_->layers.find(layer.name); existing && *existing != index) {
    throw InvalidInput("a layer named " + layer.name + " already exists");
  }
  const Layer old = state_->layers[index];
  state_->layers.set(index, layer);
  record([index, old](State& s) { s.layers.set(index, old); },
         [index, layer](State& s) { s.layers.set(index, layer); });
  changed();
}

BlockIndex Document::addBlock(const std::string& name, const Eigen::Vector3d& basePoint) {
  if (name.empty()) throw InvalidInput("a block needs a name");
  geom::requireFinite(basePoint, "the block's base point");
  if (auto existing = state_->blocks.find(name)) return *existing;
  const BlockIndex index = state_->blocks.add(Block{name, basePoint, {}});
  record([](State& s) { s.blocks.removeLast(); },
         [name, basePoint](State& s) {
           s.blocks.add(Block{name, basePoint, {}});
         });
  changed();
  return index;
}

StyleIndex Document::addTextStyle(const std::string& name) {
  if (name.empty()) throw InvalidInput("a text style needs a name");
  if (auto existing = state_->styles.find(name)) return *existing;
  const TextStyle style{name};
  const StyleIndex index = state_->styles.add(style);
  record([](State& s) { s.styles.removeLast(); }, [style](State& s) { s.styles.add(style); });
  changed();
  return index;
}

void Document::setTextStyle(StyleIndex index, const TextStyle& style) {
  if (index >= state_->styles.size()) throw InvalidInput("the text style does not exist");
  if (style.name.empty()) throw InvalidInput("a text style needs a name");
  if (auto existing = state_->styles.find(style.name); existing && *existing != index) {
    throw InvalidInput("a text style named " + style.name + " already exists");
  }
  geom::requireFinite(style.height, "the text style height");
  if (style.height < 0.0) throw InvalidInput("the text style height must not be negative");
  const TextStyle old = state_->styles[index];
  state_->styles.set(index, style);
  record([index, old](State& s) { s.styles.set(index, old); },
         [index, style](State& s) { s.styles.set(index, style); });
  changed();
}

void Document::setActiveTextStyle(StyleIndex index) {
  if (index >= state_->styles.size()) throw InvalidInput("the text style does not exist");
  const StyleIndex old = state_->activeStyle;
  state_->activeStyle = index;
  record([old](State& s) { s.activeStyle = old; }, [index](State& s) { s.activeStyle = index; });
  changed();
}

std::size_t Document::defineUcs(const std::string& name, const geom::Frame& frame) {
  if (name.empty()) throw InvalidInput("a named UCS needs a name");
  UcsTable& table = state_->ucsTable;
  if (const auto existing = table.find(name)) {
    const std::size_t index = *existing;
    const Ucs old = table[index];
    const Ucs redefined{old.name, frame};
    table.set(index, redefined);
    record([index, old](State& s) { s.ucsTable.set(index, old); },
           [index, redefined](State& s) { s.ucsTable.set(index, redefined); });
    changed();
    return index;
  }
  const Ucs added{name, frame};
  const std::size_t index = table.add(added);
  record([](State& s) { s.ucsTable.removeLast(); }, [added](State& s) { s.ucsTable.add(added); });
  changed();
  return index;
}

void Document::deleteUcs(const std::string& name) {
  const auto existing = state_->ucsTable.find(name);
  if (!existing) return;
  UndoGroup group(*this);
  std::vector<Ucs> entries = state_->ucsTable.all();
  const auto old = entries;
  entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(*existing));
  state_->ucsTable.setAll(entries);
  record([old](State& s) { s.ucsTable.setAll(old); },
         [entries](State& s) { s.ucsTable.setAll(entries); });
  changed();
  if (!state_->currentUcs.name.empty() && sameName(state_->currentUcs.name, name)) {
    setCurrentUcs(Ucs{"", state_->currentUcs.frame});
  }
}

void Document::setCurrentUcs(const Ucs& ucs) {
  const Ucs old = state_->currentUcs;
  state_->currentUcs = ucs;
  record([old](State& s) { s.currentUcs = old; }, [ucs](State& s) { s.currentUcs = ucs; });
  changed();
}

void Document::setHeader(const HeaderVariables& header) {
  if (header.luprec < 0 || header.luprec > 8) {
    throw InvalidInput("LUPREC must be a whole number from 0 to 8");
  }
  const HeaderVariables old = state_->header;
  state_->header = header;
  record([old](State& s) { s.header = old; }, [header](State& s) { s.header = header; });
  changed();
}

const std::vector<UnsupportedEntity>& Document::unsupportedObjects() const {
  return state_->unsupportedObjects;
}

void Document::setUnsupportedObjects(std::vector<UnsupportedEntity> objects) {
  auto other = std::make_shared<std::vector<UnsupportedEntity>>(std::move(objects));
  std::swap(state_->unsupportedObjects, *other);
  auto swap = [other](State& s) { std::swap(s.unsupportedObjects, *other); };
  record(swap, swap);
  changed();
}

Document::UndoGroup::UndoGroup(Document& document) : document_(document) {
  ++document_.history_->groupDepth;
}

Document::UndoGroup::~UndoGroup() {
  History& history = *document_.history_;
  if (--history.groupDepth > 0) return;
  history.closeStep();
  if (history.notificationPending && history.pauseDepth == 0) document_.notify();
}

Document::HistoryPause::HistoryPause(Document& document) : document_(document) {
  ++document_.history_->pauseDepth;
}

Document::HistoryPause::~HistoryPause() {
  History& history = *document_.history_;
  if (--history.pauseDepth > 0) return;
  history.undoStack.clear();
  history.redoStack.clear();
  history.openStep.clear();
  if (history.notificationPending && history.groupDepth == 0) document_.notify();
}

bool Document::canUndo() const {
  return !history_->undoStack.empty();
}
bool Document::canRedo() const {
  return !history_->redoStack.empty();
}

void Document::undo() {
  assert(history_->groupDepth == 0 && "undo inside an undo group");
  if (!canUndo()) return;
  History::Step step = std::move(history_->undoStack.back());
  history_->undoStack.pop_back();
  for (auto change = step.rbegin(); change != step.rend(); ++change) change->undo(*state_);
  history_->redoStack.push_back(std::move(step));
  state_->modified = true;
  notify();
}

void Document::redo() {
  assert(history_->groupDepth == 0 && "redo inside an undo group");
  if (!canRedo()) return;
  History::Step step = std::move(history_->redoStack.back());
  history_->redoStack.pop_back();
  for (auto& change : step) change.redo(*state_);
  history_->undoStack.push_back(std::move(step));
  state_->modified = true;
  notify();
}

Document::ListenerId Document::addListener(Listener listener) {
  const ListenerId id = history_->nextListenerId++;
  history_->listeners.emplace_back(id, std::move(listener));
  return id;
}

void Document::removeListener(ListenerId id) {
  std::erase_if(history_->listeners, [id](const auto& entry) { return entry.first == id; });
}

bool Document::modified() const {
  return state_->modified;
}

void Document::setModified(bool modified) {
  if (state_->modified == modified) return;
  state_->modified = modified;
  notify();
}

const std::filesystem::path& Document::filePath() const {
  return state_->filePath;
}

void Document::setFilePath(const std::filesystem::path& path) {
  state_->filePath = path;
  notify();
}

void Document::record(std::function<void(State&)> undo, std::function<void(State&)> redo) {
  History& history = *history_;
  if (history.pauseDepth > 0) return;
  history.redoStack.clear();
  history.openStep.push_back({std::move(undo), std::move(redo)});
  if (history.groupDepth == 0) history.closeStep();
}

void Document::changed() {
  state_->modified = true;
  if (history_->groupDepth > 0 || history_->pauseDepth > 0) {
    history_->notificationPending = true;
  } else {
    notify();
  }
}

void Document::notify() {
  history_->notificationPending = false;
  // A listener may add or remove listeners: call the ones registered now.
  const auto listeners = history_->listeners;
  for (const auto& [id, listener] : listeners) listener();
}

}  // namespace host::model

#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/geom/frame.h"
#include "host/model/block_table.h"
#include "host/model/change_log.h"
#include "host/model/entities.h"
#include "host/model/foreign_content.h"
#include "host/model/header_variables.h"
#include "host/model/layer_table.h"
#include "host/model/listeners.h"
#include "host/model/text_style_table.h"
#include "host/model/ucs_table.h"
#include "host/model/undo_history.h"

namespace host::model {

class HandleIndex;

// Where an entity lives: its block (a space or a definition) and its position there.
struct EntityLocation {
  BlockIndex block = BlockTable::kModelSpace;
  std::size_t index = 0;

  friend bool operator==(const EntityLocation&, const EntityLocation&) = default;
};

// One drawing: its tables, entities, current UCS and settings, with an undo history (which
// knows whether the drawing stands as it was saved) and change notification. Every change goes
// through the document so that it can be undone; a change that would break the drawing throws
// InvalidInput and leaves it as it was.
class Document {
 public:
  // An empty drawing: layer "0", text style "Standard" (active), the two spaces, the world
  // UCS as current UCS, default header variables.
  Document();
  ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  // --- Reading -------------------------------------------------------------------------
  const LayerTable& layers() const;
  const TextStyleTable& textStyles() const;
  const BlockTable& blocks() const;
  const UcsTable& ucsTable() const;
  const Ucs& currentUcs() const;
  StyleIndex activeTextStyle() const;
  const HeaderVariables& header() const;

  const Entity& entity(EntityLocation location) const;
  // The entity at `location` if it is still the one with `handle` (not undone since).
  const Entity* find(EntityLocation location, Handle handle) const;
  // Where the entity with `handle` stands in `block` now, if it is there. Takes the same time
  // however large the drawing, but after a change, when every handle is looked at once.
  std::optional<EntityLocation> locate(BlockIndex block, Handle handle) const;

  // --- Changing (each change is recorded for undo and reported to listeners) --------------
  // Appends an entity to a block and gives it a fresh handle. The data is checked (finite
  // values, non-zero axes, existing block, layer and style) and refused with InvalidInput, as
  // is any entity once the drawing's handles are used up (see kLastHandle).
  EntityLocation addEntity(BlockIndex block, EntityData data, LayerIndex layer = 0);
  // Appends an entity as a file holds it, with its own handle, properties and origin, for a
  // reader: checked as addEntity. The reader sees that no two entities have the same handle; a
  // handle of 0 (none of its own, or one another entity has) waits for giveFreshHandles.
  // The entity is taken only when it is added: refused, it stays with the caller.
  EntityLocation addEntityAsRead(BlockIndex block, Entity&& entity);
  // New entities get handles from `handle` on (at least), so that they take none that a
  // file's tables and objects use.
  void reserveHandlesBelow(Handle handle);
  // Gives the entities added as read with a handle of 0 fresh ones, for a reader that has
  // reserved every handle of its file: only then is a fresh handle sure to be free. Not
  // recorded for undo; meant while a file loads.
  void giveFreshHandles();
  // Makes room for `count` more entities in a block, so that loading a large file does not
  // move them again and again. Changes nothing in the drawing.
  void reserveEntities(BlockIndex block, std::size_t count);
  // Replaces an entity's data, keeping its handle and layer; checked as addEntity. This and the
  // setters below leave the entity no longer as read (EntityOrigin::asRead).
  void replaceEntity(EntityLocation location, EntityData data);
  void setEntityLayer(EntityLocation location, LayerIndex layer);
  void setEntityProperties(EntityLocation location, const EntityProperties& properties);
  // Takes an entity out of its block; the entities after it move up one place.
  void eraseEntity(EntityLocation location);
  // Takes the entities at `indices` (distinct, any order) out of a block in one pass, as one
  // change, so that erasing many entities of a large drawing takes the time of one.
  void eraseEntities(BlockIndex block, std::vector<std::size_t> indices);

  // Adds a layer, or returns the existing one of that name.
  LayerIndex addLayer(const Layer& layer);
  void setLayer(LayerIndex index, const Layer& layer);

  // Adds a block definition, or returns the existing one of that name (any case).
  BlockIndex addBlock(const std::string& name, const Eigen::Vector3d& basePoint);

  // Adds a text style, or returns the existing one of that name (any case).
  StyleIndex addTextStyle(const std::string& name);
  void setTextStyle(StyleIndex index, const TextStyle& style);
  void setActiveTextStyle(StyleIndex index);

  // Defines a named UCS, or redefines the one of that name (any case, the name kept as first
  // given). Returns its position in the table.
  std::size_t defineUcs(const std::string& name, const geom::Frame& frame);
  // Removes a named UCS; no such name is no change. A current UCS of that name stays current,
  // unnamed.
  void deleteUcs(const std::string& name);
  void setCurrentUcs(const Ucs& ucs);

  // Throws InvalidInput for a value out of range (LUPREC outside 0..8).
  void setHeader(const HeaderVariables& header);

  // What the file the drawing was read from holds beyond the model (see ForeignContent); null
  // for a new drawing. Set by the reader; not part of the undo history.
  const ForeignContent* foreignContent() const;
  void setForeignContent(std::shared_ptr<const ForeignContent> content);

  // --- Undo ----------------------------------------------------------------------------
  // Groups every change made while it lives into one undo step; groups nest, the outermost
  // one forms the step and names it ("Insert", "LINE"). Listeners hear once, when the outermost
  // group ends.
  class UndoGroup {
   public:
    explicit UndoGroup(Document& document, std::string name = {});
    ~UndoGroup();
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;
    // Tells listeners now about the changes made so far (see Document::showChanges).
    void showChanges() { document_.showChanges(); }

   private:
    Document& document_;
  };

  // While it lives, changes are not recorded (loading a file); the history is cleared when it
  // ends, and listeners hear once.
  class HistoryPause {
   public:
    explicit HistoryPause(Document& document);
    ~HistoryPause();
    HistoryPause(const HistoryPause&) = delete;
    HistoryPause& operator=(const HistoryPause&) = delete;

   private:
    Document& document_;
  };

  // Tells listeners now about changes made so far in an open group, for a command that shows
  // its work as it goes: each segment of a LINE as it is drawn, an Insert's arrows before it
  // asks for the next point.
  void showChanges();

  // Nothing can be undone or redone while a group is open: its command is still running.
  bool canUndo() const;
  bool canRedo() const;
  // The name of the step undo or redo would take; empty when unnamed or when there is none.
  std::string undoName() const;
  std::string redoName() const;
  // Undoes or redoes one step; without one, nothing happens.
  void undo();
  void redo();
  // Forgets the undo history, keeping the drawing as it stands: what a program prepares in a
  // drawing when it starts on it belongs to the drawing as opened. The drawing counts as
  // unmodified unless `modified`.
  void restartHistory(bool modified);

  // --- Saved state ----------------------------------------------------------------------
  // Whether the drawing differs from what was last saved (or read); undoing and redoing back
  // to that state makes it unmodified again. A new drawing is unmodified.
  bool modified() const;
  // The drawing as it stands is what its file now holds.
  void markSaved();

  // --- Notification ----------------------------------------------------------------------
  using Listener = Listeners::Listener;
  using ListenerId = Listeners::Id;
  // Called after every completed change, undo and redo, and when the drawing is marked saved.
  ListenerId addListener(Listener listener);
  void removeListener(ListenerId id);
  // What each change touched of model space, for a listener that redraws only that.
  const ChangeLog& changes() const { return changes_; }

 private:
  struct State;
  std::unique_ptr<State> state_;
  UndoHistory history_;
  Listeners listeners_;
  ChangeLog changes_;
  std::unique_ptr<HandleIndex> handleIndex_;  // for locate, which is const
  bool notificationPending_ = false;

  // `touched`: what the change and its undo touch of model space (see ChangeLog).
  void record(std::function<void(State&)> undo, std::function<void(State&)> redo,
              std::size_t touched);
  // Sets a value through `put` as one recorded change: `old` is put back on undo.
  template <class Value, class Put>
  void replace(Value old, Value now, Put put, std::size_t touched);
  // Adds a value at the end of one of the drawing's tables as one recorded change; its index.
  template <class Table, class Value>
  auto append(Table State::*table, const Value& value);
  // Replaces the entity at `location` by `changed` as one recorded change, no longer as read.
  void replaceEntityState(EntityLocation location, Entity changed);
  void changed(std::size_t touched);
  void notify();
};

}  // namespace host::model

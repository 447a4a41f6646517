#include "host/model/undo_history.h"

#include <cassert>
#include <utility>

namespace host::model {

void UndoHistory::record(Change change) {
  if (paused()) return;
  redoStack_.clear();
  openStep_.changes.push_back(std::move(change));
  if (!grouping()) closeStep();
}

void UndoHistory::beginGroup(std::string name) {
  if (groupDepth_++ == 0) openStep_.name = std::move(name);
}

bool UndoHistory::endGroup() {
  assert(groupDepth_ > 0 && "a group ended that never began");
  if (--groupDepth_ > 0) return false;
  closeStep();
  return true;
}

bool UndoHistory::endPause() {
  assert(pauseDepth_ > 0 && "a pause ended that never began");
  if (--pauseDepth_ > 0) return false;
  restart(false);
  return true;
}

void UndoHistory::restart(bool saved) {
  undoStack_.clear();
  redoStack_.clear();
  openStep_.changes.clear();
  savedMark_ = saved ? position() : kUnreachable;
}

bool UndoHistory::undo() {
  assert(!grouping() && "undo inside an undo group");
  if (!canUndo()) return false;
  Step step = std::move(undoStack_.back());
  undoStack_.pop_back();
  for (auto change = step.changes.rbegin(); change != step.changes.rend(); ++change) {
    change->undo();
  }
  redoStack_.push_back(std::move(step));
  return true;
}

bool UndoHistory::redo() {
  assert(!grouping() && "redo inside an undo group");
  if (!canRedo()) return false;
  Step step = std::move(redoStack_.back());
  redoStack_.pop_back();
  for (auto& change : step.changes) change.redo();
  undoStack_.push_back(std::move(step));
  return true;
}

void UndoHistory::markSaved() {
  savedMark_ = position();
}

bool UndoHistory::atSavedMark() const {
  return openStep_.changes.empty() && position() == savedMark_;
}

void UndoHistory::closeStep() {
  if (openStep_.changes.empty()) {
    openStep_.name.clear();
    return;
  }
  // Every step gets an id of its own, so a step made after undoing past the mark never
  // looks like the saved one.
  openStep_.id = ++lastId_;
  undoStack_.push_back(std::move(openStep_));
  openStep_ = Step{};
}

}  // namespace host::model

// The document's undo history, its saved state and change notification.
#include "host/model/document.h"

#include <utility>

namespace host::model {

Document::UndoGroup::UndoGroup(Document& document, std::string name) : document_(document) {
  document_.history_.beginGroup(std::move(name));
}

Document::UndoGroup::~UndoGroup() {
  if (document_.history_.endGroup() && document_.notificationPending_ &&
      !document_.history_.paused()) {
    document_.notify();
  }
}

void Document::showChanges() {
  if (notificationPending_ && !history_.paused()) notify();
}

Document::HistoryPause::HistoryPause(Document& document) : document_(document) {
  document_.history_.beginPause();
}

Document::HistoryPause::~HistoryPause() {
  if (document_.history_.endPause() && document_.notificationPending_ &&
      !document_.history_.grouping()) {
    document_.notify();
  }
}

bool Document::canUndo() const {
  return !history_.grouping() && history_.canUndo();
}
bool Document::canRedo() const {
  return !history_.grouping() && history_.canRedo();
}

std::string Document::undoName() const {
  return history_.undoName();
}
std::string Document::redoName() const {
  return history_.redoName();
}

void Document::undo() {
  if (canUndo() && history_.undo()) notify();
}

void Document::redo() {
  if (canRedo() && history_.redo()) notify();
}

void Document::restartHistory(bool modified) {
  history_.restart(!modified);
  notify();
}

bool Document::modified() const {
  return !history_.atSavedMark();
}

void Document::markSaved() {
  const bool wasModified = modified();
  history_.markSaved();
  if (wasModified) notify();
}

Document::ListenerId Document::addListener(Listener listener) {
  return listeners_.add(std::move(listener));
}

void Document::removeListener(ListenerId id) {
  listeners_.remove(id);
}

void Document::changed(std::size_t touched) {
  changes_.touched(touched);
  if (history_.grouping() || history_.paused()) {
    notificationPending_ = true;
  } else {
    notify();
  }
}

void Document::notify() {
  notificationPending_ = false;
  listeners_.notify();
}

}  // namespace host::model

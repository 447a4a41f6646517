#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace host::model {

// The steps a drawing can be taken back and forth through. A step is the changes of one group
// or one lone change; groups nest and the outermost one forms the step. While paused (loading
// a file) nothing is recorded, and the history starts afresh when the pause ends.
//
// The history remembers the step the drawing's file holds (the saved mark), so that undoing or
// redoing back to it leaves the drawing unmodified. Once a new change is made after undoing past
// the mark, the mark cannot be reached again.
class UndoHistory {
 public:
  // Takes the drawing back or forth by one change; made by the owner of what changes.
  struct Change {
    std::function<void()> undo;
    std::function<void()> redo;
  };

  // Records a change just made, dropping what could be redone. Nothing while paused.
  void record(Change change);

  // Begins a group; the outermost group's name names its step ("Insert", "LINE").
  void beginGroup(std::string name = {});
  // Ends a group; true when it was the outermost one.
  bool endGroup();
  bool grouping() const { return groupDepth_ > 0; }

  void beginPause() { ++pauseDepth_; }
  // Ends a pause; true when it was the outermost one, and then the history is empty and the
  // saved mark out of reach until the next markSaved.
  bool endPause();
  bool paused() const { return pauseDepth_ > 0; }

  bool canUndo() const { return !undoStack_.empty(); }
  bool canRedo() const { return !redoStack_.empty(); }
  // Undoes or redoes one step; false, and nothing happens, without one.
  bool undo();
  bool redo();

  // The name of the step undo or redo would take; empty when it has none, or none to take.
  std::string undoName() const {
    return undoStack_.empty() ? std::string() : undoStack_.back().name;
  }
  std::string redoName() const {
    return redoStack_.empty() ? std::string() : redoStack_.back().name;
  }

  // Forgets every step: the drawing as it stands is where undoing stops. It counts as what its
  // file holds when `saved`, else the saved mark is out of reach until the next markSaved.
  void restart(bool saved);

  // The drawing as it stands now is what its file holds.
  void markSaved();
  // Whether the drawing stands where it was last saved, with no change in an open group.
  bool atSavedMark() const;

 private:
  using StepId = std::uint64_t;
  struct Step {
    StepId id = 0;
    std::string name;
    std::vector<Change> changes;
  };
  // The empty history's position, and a mark that no step has.
  static constexpr StepId kStart = 0;
  static constexpr StepId kUnreachable = UINT64_MAX;

  std::vector<Step> undoStack_;
  std::vector<Step> redoStack_;
  Step openStep_;
  StepId lastId_ = kStart;
  StepId savedMark_ = kStart;
  int groupDepth_ = 0;
  int pauseDepth_ = 0;

  void closeStep();
  StepId position() const { return undoStack_.empty() ? kStart : undoStack_.back().id; }
};

}  // namespace host::model

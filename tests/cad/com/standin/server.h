#pragma once

#include <string>
#include <vector>

#include "standin/ucs_geometry.h"

namespace standin {

struct UcsRecord {
  std::wstring name;
  Frame frame;
};

struct LayerRecord {
  std::wstring name;
  long color = 7;
};

// The state of one server process: which release it plays, the drawing it pretends to have
// open, and the record it keeps of every call.
struct Server {
  int release = 16;
  bool cancelPicks = false;
  std::wstring ucsName;             // empty: the current UCS has no name
  std::vector<UcsRecord> ucsTable;  // the named UCSs, the current one among them
  std::vector<std::wstring> blockNames{L"*Model_Space", L"*Paper_Space"};
  std::vector<LayerRecord> layers{{L"0", 7}};
  std::size_t activeLayer = 0;  // the layer new entities go on
  bool quitWhenUnused = false;  // started by COM: ends with its last object
  int nextObjectId = 1;
  int liveObjects = 0;
  int picks = 0;

  // Appends one line, prefixed with the release, to the call record.
  void log(const std::string& line) const;
  void objectCreated() { ++liveObjects; }
  void objectReleased();
};

}  // namespace standin

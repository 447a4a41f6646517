#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A running instance of the stand-in CAD server for one release, registered where
// GetActiveObject finds it; ended when this object goes.
class RunningStandIn {
 public:
  explicit RunningStandIn(int release, const std::vector<std::wstring>& options = {});
  ~RunningStandIn();
  RunningStandIn(const RunningStandIn&) = delete;
  RunningStandIn& operator=(const RunningStandIn&) = delete;

  // Whether the server registered itself in time.
  bool ready() const { return ready_; }

 private:
  int release_;
  PROCESS_INFORMATION process_{};
  HANDLE quit_ = nullptr;
  bool ready_ = false;
};

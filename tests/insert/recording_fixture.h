#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fake_dialog.h"
#include "insert/dialog.h"
#include "recording_cad.h"

// A dialog and a recording drawing wired together as start-up would wire them. Hiding and
// showing the dialog go into the same log as the automation calls.
class RecordingRun : public ::testing::Test {
 protected:
  RecordingRun() {
    dialog.events = &log.lines;
    vars.acadDoc = std::shared_ptr<cad::Document>(drawing);
    vars.utilObj = drawing->Utility();
    vars.moSpace = drawing->ModelSpace();
  }

  // The lines of the log that created an entity.
  std::vector<std::string> creations() const {
    std::vector<std::string> found;
    for (const std::string& line : log.lines) {
      if (line.find(" -> e") != std::string::npos && !line.ends_with(" FAILED")) {
        found.push_back(line);
      }
    }
    return found;
  }

  recording::CallLog log;
  std::shared_ptr<recording::Drawing> drawing = std::make_shared<recording::Drawing>(log);
  FakeDialog dialog;
  insert::DialogVariables vars;
};

#pragma once

#include <string>
#include <vector>

#include "cad/automation.h"
#include "cad/launcher.h"
#include "call_record.h"
#include "check.h"
#include "form/frm_kestova.h"
#include "support/form_doubles.h"

// The connection objects the program keeps, obtained through the COM backend.
struct Connection {
  cad::Ref<cad::Application> acadApp;
  cad::Ref<cad::Document> acadDoc;
  cad::Ref<cad::ModelSpace> moSpace;
  cad::Ref<cad::Utility> utilObj;
};

// Attaches to the running instance of `release` and reads the connection objects.
Connection attachTo(cad::Launcher& launcher, int release);

// The ProgID of a release of the CAD program, 15 to 20.
std::string progId(int release);

// The main dialog as the program runs it, with message boxes that answer Yes and keep what
// they showed, and its settings in memory; not loaded yet.
struct Dialog {
  explicit Dialog(cad::Launcher& launcher)
      : form(form::FormServices{&launcher, &messages, &settings, ".", {}}) {
    form.setObserver(&shown);
  }

  formtest::RecordedMessages messages;
  formtest::MemorySettings settings;
  formtest::ShownRecorder shown;
  form::frmKestova form;
};

// A double in the shortest form that reads back exactly, as the call record writes it.
std::string number(double value);

// "R8[3]:x,y,z" as the call record shows a point.
std::string recordedPoint(double x, double y, double z);

// One check that the calls have exactly these signatures, in this order; on failure the
// detail shows both lists.
void checkSignatures(const std::vector<RecordedCall>& calls,
                     const std::vector<std::string>& expected, const char* file, int line);

#define CHECK_SIGNATURES(calls, ...) \
  checkSignatures((calls), std::vector<std::string> __VA_ARGS__, __FILE__, __LINE__)

// Runs `action` and checks that it fails with an automation error; returns that error.
template <class Action>
cad::AutomationError failureOf(Action action) {
  try {
    action();
  } catch (const cad::AutomationError& error) {
    return error;
  }
  return cad::AutomationError(0, "no failure");
}

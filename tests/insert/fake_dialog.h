#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "insert/dialog.h"

// The main dialog's controls as plain values, with a record of hiding and showing.
class FakeDialog : public insert::DialogControls {
 public:
  std::map<std::string, std::string, std::less<>> texts{{"txtTextHgt", "2"}};
  std::map<std::string, int, std::less<>> checks{
      {"chkXdev", 1}, {"chkYdev", 1}, {"chkZdev", 1}, {"chkAvDevs", 0}};
  std::map<std::string, bool, std::less<>> options{
      {"optInGrouped", true}, {"optInSeperatly", false}, {"optZBubble", false}};
  // "Hide" and "Show" in the order they happened, appended to `events` when it is set.
  std::vector<std::string>* events = nullptr;
  bool visible = true;

  void grouped(bool on) {
    options["optInGrouped"] = on;
    options["optInSeperatly"] = !on;
  }

  std::string Text(std::string_view control) const override {
    const auto it = texts.find(control);
    return it == texts.end() ? std::string() : it->second;
  }
  int CheckValue(std::string_view control) const override {
    const auto it = checks.find(control);
    return it == checks.end() ? 0 : it->second;
  }
  bool OptionValue(std::string_view control) const override {
    const auto it = options.find(control);
    return it != options.end() && it->second;
  }
  void Hide() override {
    visible = false;
    if (events) events->push_back("Hide");
  }
  void Show() override {
    visible = true;
    if (events) events->push_back("Show");
  }
};

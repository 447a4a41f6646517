#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "insert/control_ids.h"
#include "insert/dialog.h"

// The main dialog's controls as plain values, with a record of hiding and showing. Controls are
// named as in the real dialog: a name the dialog lacks, whether read or given a value, is
// refused with std::logic_error, as the real dialog refuses it.
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
    return valueOf(texts, control, std::string());
  }
  int CheckValue(std::string_view control) const override { return valueOf(checks, control, 0); }
  bool OptionValue(std::string_view control) const override {
    return valueOf(options, control, false);
  }
  void Hide() override {
    visible = false;
    if (events) events->push_back("Hide");
  }
  void Show() override {
    visible = true;
    if (events) events->push_back("Show");
  }

 private:
  // The value of `control`, `unset` when the test gave it none. Every name given a value is
  // checked too, so that a misspelt one cannot leave the real control at its default unseen.
  template <class Value>
  static Value valueOf(const std::map<std::string, Value, std::less<>>& values,
                       std::string_view control, Value unset) {
    insert::controlNamed(control);
    for (const auto& [name, value] : values) insert::controlNamed(name);
    const auto it = values.find(control);
    return it == values.end() ? unset : it->second;
  }
};

#pragma once

#include <string>

namespace form {

// Modal message boxes, captioned with the application title and without an icon.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Yes and No, Yes the default; whether the user answered Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  // An OK button only.
  virtual void Inform(const std::string& text) = 0;
};

// The caption of every message the program shows.
inline constexpr const char* kApplicationTitle = "Kestova";

}  // namespace form

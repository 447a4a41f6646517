#pragma once

#include <exception>
#include <string>

namespace form {

// What the message box says when a handler fails, always "Error <number>: <description>":
// - an automation failure with its own number and description;
// - running out of memory (std::bad_alloc) as 7 "Out of memory";
// - any other standard exception (std::out_of_range, std::logic_error, ...) as
//   51 "Internal error: " followed by the exception's message.
std::string failureMessage(const std::exception& error);

}  // namespace form

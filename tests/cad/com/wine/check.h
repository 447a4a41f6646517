#pragma once

#include <sstream>
#include <string>

// A tiny test framework for the Wine test program (GoogleTest is not built for mingw): one
// output line per check, then "N passed, N failed"; the exit code is non-zero on any failure.
namespace check {

using TestFunction = void (*)();

struct Registration {
  Registration(const char* name, TestFunction function);
};

// Records one check's outcome; `detail` says what was seen when it failed.
void record(bool passed, const std::string& what, const char* file, int line,
            const std::string& detail = {});

template <class T>
std::string shown(const T& value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

template <class A, class B>
void recordEqual(const A& actual, const B& expected, const char* actualText,
                 const char* expectedText, const char* file, int line) {
  const bool passed = actual == expected;
  record(passed, std::string(actualText) + " == " + expectedText, file, line,
         passed ? std::string() : "got [" + shown(actual) + "], want [" + shown(expected) + "]");
}

// Runs every registered test; a test that throws counts as one failed check.
int runAll();

}  // namespace check

#define CHECK_TRUE(condition) \
  ::check::record(static_cast<bool>(condition), #condition, __FILE__, __LINE__)
#define CHECK_EQ(actual, expected) \
  ::check::recordEqual((actual), (expected), #actual, #expected, __FILE__, __LINE__)

#define TEST_CASE(name)                                                \
  static void name();                                                  \
  static const ::check::Registration name##Registration(#name, &name); \
  static void name()

#include "check.h"

#include <cstdio>
#include <exception>
#include <vector>

#include "cad/automation_error.h"

namespace check {
namespace {

struct Test {
  const char* name;
  TestFunction function;
};

std::vector<Test>& tests() {
  static std::vector<Test> all;
  return all;
}

const char* currentTest = "";
int passedCount = 0;
int failedCount = 0;

}  // namespace

Registration::Registration(const char* name, TestFunction function) {
  tests().push_back({name, function});
}

void record(bool passed, const std::string& what, const char* file, int line,
            const std::string& detail) {
  if (passed) {
    ++passedCount;
    std::printf("ok   %s: %s\n", currentTest, what.c_str());
  } else {
    ++failedCount;
    std::printf("FAIL %s: %s (%s:%d) %s\n", currentTest, what.c_str(), file, line, detail.c_str());
  }
  std::fflush(stdout);
}

int runAll() {
  for (const Test& test : tests()) {
    currentTest = test.name;
    try {
      test.function();
    } catch (const cad::AutomationError& error) {
      record(false, "no automation error", __FILE__, __LINE__,
             "error " + std::to_string(error.number()) + " " + error.description());
    } catch (const std::exception& error) {
      record(false, "no exception", __FILE__, __LINE__, error.what());
    }
  }
  std::printf("%d passed, %d failed\n", passedCount, failedCount);
  return failedCount == 0 && passedCount > 0 ? 0 : 1;
}

}  // namespace check

#include "test_support.h"

#include <charconv>

#include "cad/launcher.h"
#include "cad/prog_ids.h"
#include "standin/protocol.h"

Connection attachTo(cad::Launcher& launcher, int release) {
  Connection connection;
  connection.acadApp = launcher.Attach(progId(release));
  connection.acadDoc = connection.acadApp->ActiveDocument();
  connection.moSpace = connection.acadDoc->ModelSpace();
  connection.utilObj = connection.acadDoc->Utility();
  return connection;
}

std::string progId(int release) {
  return cad::kProgIds.at(static_cast<std::size_t>(release - 15));
}

std::string number(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

std::string recordedPoint(double x, double y, double z) {
  return "R8[3]:" + number(x) + "," + number(y) + "," + number(z);
}

void checkSignatures(const std::vector<RecordedCall>& calls,
                     const std::vector<std::string>& expected, const char* file, int line) {
  std::vector<std::string> actual;
  for (const RecordedCall& call : calls) actual.push_back(call.signature());
  std::string detail;
  if (actual != expected) {
    detail = "\n  got:";
    for (const std::string& signature : actual) detail += "\n    " + signature;
    detail += "\n  want:";
    for (const std::string& signature : expected) detail += "\n    " + signature;
  }
  check::record(actual == expected, "calls in order: " + std::to_string(expected.size()), file,
                line, detail);
}

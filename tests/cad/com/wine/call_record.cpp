#include "call_record.h"

#include <windows.h>

#include <fstream>
#include <sstream>

#include "standin/protocol.h"

namespace {

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> parts;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', begin);
    parts.push_back(line.substr(begin, tab - begin));
    if (tab == std::string::npos) return parts;
    begin = tab + 1;
  }
}

RecordedCall parsed(const std::string& line) {
  const std::vector<std::string> parts = fields(line);
  RecordedCall call;
  call.release = std::atoi(parts[0].c_str());
  if (parts.size() > 1) call.object = parts[1];
  if (parts.size() > 2) call.member = parts[2];
  if (parts.size() > 3) call.kind = parts[3];
  for (std::size_t i = 4; i < parts.size(); ++i) {
    if (parts[i].rfind("=> ", 0) == 0) {
      call.result = parts[i].substr(3);
    } else {
      call.arguments.push_back(parts[i]);
    }
  }
  return call;
}

std::string withoutNumber(const std::string& label) {
  return label.substr(0, label.find('#'));
}

std::string shapeOf(const std::string& argument) {
  const std::string type = typeOf(argument);
  if (type.rfind("R8[", 0) == 0) return type;
  if (type == "DISPATCH" || type == "UNKNOWN") return type + ":" + withoutNumber(valueOf(argument));
  return argument;
}

}  // namespace

std::string valueOf(const std::string& argument) {
  const std::size_t colon = argument.find(':');
  return colon == std::string::npos ? std::string() : argument.substr(colon + 1);
}

std::string typeOf(const std::string& argument) {
  return argument.substr(0, argument.find(':'));
}

std::string RecordedCall::objectKind() const {
  return withoutNumber(object);
}

std::string RecordedCall::signature() const {
  std::string text = objectKind() + "." + member + " " + kind;
  for (const std::string& argument : arguments) text += " " + shapeOf(argument);
  return text;
}

CallRecord::CallRecord() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring directory(path, length);
  directory.erase(directory.find_last_of(L"\\/") + 1);
  const std::wstring file = directory + standin::kLogFileName;
  const int size = WideCharToMultiByte(CP_UTF8, 0, file.c_str(), -1, nullptr, 0, nullptr, nullptr);
  path_.resize(static_cast<std::size_t>(size));
  WideCharToMultiByte(CP_UTF8, 0, file.c_str(), -1, path_.data(), size, nullptr, nullptr);
  path_.pop_back();
  mark();
}

void CallRecord::mark() {
  start_ = contents().size();
}

std::string CallRecord::contents() const {
  std::ifstream file(path_, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::vector<RecordedCall> CallRecord::all() const {
  const std::string text = contents();
  std::vector<RecordedCall> lines;
  std::istringstream stream(text.size() > start_ ? text.substr(start_) : std::string());
  std::string line;
  while (std::getline(stream, line)) {
    if (!line.empty()) lines.push_back(parsed(line));
  }
  return lines;
}

std::vector<RecordedCall> CallRecord::calls() const {
  std::vector<RecordedCall> invocations;
  for (const RecordedCall& call : all()) {
    if (!call.kind.empty() && call.object != "server" && call.object != "BlockEnumerator") {
      invocations.push_back(call);
    }
  }
  return invocations;
}

bool CallRecord::waitFor(const std::string& text, int milliseconds) const {
  for (int waited = 0;; waited += 50) {
    const std::string recorded = contents();
    if (recorded.size() > start_ && recorded.find(text, start_) != std::string::npos) return true;
    if (waited >= milliseconds) return false;
    Sleep(50);
  }
}

#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The stand-in server's record of the calls it received, one per line:
// release, object ("Kind#id"), member, invocation kind, the arguments in the caller's order
// ("TYPE:value"), then "=> " and the result. Lifetime lines ("released") and the server's own
// lines ("server started ...") have fewer fields.
struct RecordedCall {
  int release = 0;
  std::string object;  // "Document#2"
  std::string member;
  std::string kind;  // METHOD, GET, PUT, PUTREF, METHOD|GET
  std::vector<std::string> arguments;
  std::string result;  // text after "=> "

  // The object's kind without its number: "Document".
  std::string objectKind() const;
  // "Document.GetVariable METHOD BSTR:"LUPREC"", with arrays shown by shape only
  // ("R8[3]") and objects by kind only ("DISPATCH:TextStyle").
  std::string signature() const;
};

// Reads the record from the position of the last mark on.
class CallRecord {
 public:
  CallRecord();
  // Later reads start after everything recorded so far.
  void mark();
  // Every line since the mark, lifetime and server lines included.
  std::vector<RecordedCall> all() const;
  // The calls since the mark: invocations only.
  std::vector<RecordedCall> calls() const;
  // Waits up to `milliseconds` for a line containing `text` to appear after the mark.
  bool waitFor(const std::string& text, int milliseconds) const;

 private:
  std::string contents() const;

  std::string path_;
  std::size_t start_ = 0;
};

// The value part of "TYPE:value".
std::string valueOf(const std::string& argument);
std::string typeOf(const std::string& argument);

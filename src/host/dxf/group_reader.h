#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "host/dxf/record.h"

namespace host::dxf {

// Hands out the records of a drawing file as RecordSplitter splits them, but splits them on a
// thread of its own, a few thousand records ahead: finding the lines and group codes of a large
// file and making a drawing of its records then take a core each. Faults in the file (see
// RecordSplitter) are raised by next() once the records before them are handed out, as if the
// file were split on the reading thread; progress is reported on that thread too. Memory stays
// small: a few batches of records are ahead at most, and a record larger than a batch is handed
// out from the splitter's buffer while the splitter waits.
class GroupReader {
 public:
  // Called now and then with the fraction of the file read so far, 0 to 1.
  using Progress = std::function<void(double)>;

  GroupReader(const std::filesystem::path& path, Progress progress);
  ~GroupReader();
  GroupReader(const GroupReader&) = delete;
  GroupReader& operator=(const GroupReader&) = delete;

  // Reads the next record into `record`; false when the data has ended. Its views stay valid
  // until the next call.
  bool next(Record& record);

  [[noreturn]] void fail(std::size_t line, std::string reason) const;
  const std::filesystem::path& path() const { return path_; }
  // Bytes of the file after the data read so far, roughly (0 when its size is unknown).
  std::size_t bytesLeft() const;
  // The line the reader has reached (for faults at the end of the data).
  std::size_t currentLine() const { return line_; }
  // Whether the file is in binary form (its records come in the text form all the same).
  bool binary() const;

 private:
  class Ahead;
  struct Batch;

  std::filesystem::path path_;
  Progress progress_;
  double reportedFraction_ = 0.0;
  std::unique_ptr<Ahead> ahead_;
  Batch* batch_ = nullptr;  // the batch records are handed out from
  std::size_t nextInBatch_ = 0;
  std::size_t line_ = 1;

  // Gives the finished batch back and waits for the next.
  void nextBatch();
};

}  // namespace host::dxf

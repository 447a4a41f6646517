#include "host/dxf/group_reader.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "host/dxf/binary_form.h"
#include "host/dxf/dxf_error.h"
#include "host/dxf/record_splitter.h"

namespace host::dxf {
namespace {

// A batch is handed to the reading thread once its records' text is about this long: a
// thousand records or more, so that handing over costs nothing beside making a drawing of them,
// and the batches going round take little memory.
constexpr std::size_t kBatchBytes = std::size_t{128} << 10;
// One batch being read from, one being filled and one waiting between them.
constexpr std::size_t kBatches = 3;

}  // namespace

// Records copied out of the splitter's buffer, or one record too large for a batch that views
// the splitter's buffer itself (the splitter then waits until it is given back).
struct GroupReader::Batch {
  struct Entry {
    std::size_t offset;  // of its text in `text`
    std::size_t length;
    std::size_t firstLine;
    std::size_t firstGroup;  // its groups in `groups`, when the splitter found them
    std::size_t groupCount;
    std::size_t lineAfter;  // the line the splitter reached after it
  };
  // Reserved once and never grown: the groups view it.
  std::string text;
  std::vector<Group> groups;
  std::vector<Entry> entries;
  std::optional<Record> borrowed;
  std::size_t borrowedLineAfter = 0;

  std::size_t bytesLeft = 0;  // of the file, when the batch was handed over
  bool last = false;          // no batch follows
  std::exception_ptr fault;   // raised by the splitter after the last batch's records
  std::size_t endLine = 0;    // the line the splitter reached at the end

  Batch() { text.reserve(kBatchBytes); }

  std::size_t size() const { return borrowed ? 1 : entries.size(); }
  bool fits(const Record& record) const {
    return text.size() + record.text().size() <= text.capacity();
  }

  void add(const Record& record, std::size_t lineAfter) {
    const std::size_t offset = text.size();
    text.append(record.text());
    const std::size_t firstGroup = groups.size();
    for (const Group& group : record.foundGroups()) {
      const auto at = static_cast<std::size_t>(group.value.data() - record.text().data());
      groups.push_back(
          {group.code, std::string_view(text).substr(offset + at, group.value.size()), group.line});
    }
    entries.push_back({offset, record.text().size(), record.firstLine(), firstGroup,
                       groups.size() - firstGroup, lineAfter});
  }

  Record record(std::size_t i) const {
    if (borrowed) return *borrowed;
    const Entry& entry = entries[i];
    return Record(std::string_view(text).substr(entry.offset, entry.length), entry.firstLine,
                  std::span<const Group>(groups).subspan(entry.firstGroup, entry.groupCount));
  }

  std::size_t lineAfter(std::size_t i) const {
    return borrowed ? borrowedLineAfter : entries[i].lineAfter;
  }

  void clear() {
    text.clear();
    groups.clear();
    entries.clear();
    borrowed.reset();
  }
};

// The splitter on its thread, and the batches going round between it and the reading thread.
class GroupReader::Ahead {
 public:
  explicit Ahead(const std::filesystem::path& path) : splitter_(path) {
    for (Batch& batch : batches_) free_.push_back(&batch);
    thread_ = std::thread([this] { run(); });
  }

  ~Ahead() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }
  Ahead(const Ahead&) = delete;
  Ahead& operator=(const Ahead&) = delete;

  std::size_t fileSize() const { return splitter_.fileSize(); }
  bool binary() const { return splitter_.binary(); }

  // The next batch of records, once the splitter has filled it.
  Batch* take() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return !full_.empty(); });
    Batch* batch = full_.front();
    full_.pop_front();
    return batch;
  }

  void giveBack(Batch* batch) {
    {
      const std::lock_guard lock(mutex_);
      free_.push_back(batch);
    }
    changed_.notify_all();
  }

 private:
  RecordSplitter splitter_;
  std::array<Batch, kBatches> batches_;
  std::deque<Batch*> free_;
  std::deque<Batch*> full_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool stopping_ = false;
  std::thread thread_;

  // An empty batch to fill; null when the reader is going away.
  Batch* takeFree() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stopping_ || !free_.empty(); });
    if (stopping_) return nullptr;
    Batch* batch = free_.front();
    free_.pop_front();
    lock.unlock();
    batch->clear();
    return batch;
  }

  // Waits until the reading thread has given every batch back; false when it is going away.
  bool waitUntilAllGivenBack() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stopping_ || free_.size() == kBatches; });
    return !stopping_;
  }

  void hand(Batch* batch) {
    batch->bytesLeft = splitter_.bytesLeft();
    {
      const std::lock_guard lock(mutex_);
      full_.push_back(batch);
    }
    changed_.notify_all();
  }

  void run() {
    Batch* batch = takeFree();
    if (batch == nullptr) return;
    try {
      Record record;
      while (splitter_.next(record)) {
        if (record.text().size() > kBatchBytes) {
          if (!batch->entries.empty()) {
            hand(batch);
            if ((batch = takeFree()) == nullptr) return;
          }
          batch->borrowed = record;
          batch->borrowedLineAfter = splitter_.currentLine();
          hand(batch);
          if (!waitUntilAllGivenBack() || (batch = takeFree()) == nullptr) return;
          continue;
        }
        if (!batch->fits(record)) {
          hand(batch);
          if ((batch = takeFree()) == nullptr) return;
        }
        batch->add(record, splitter_.currentLine());
      }
    } catch (...) {
      batch->fault = std::current_exception();
    }
    batch->last = true;
    batch->endLine = splitter_.currentLine();
    hand(batch);
  }
};

GroupReader::GroupReader(const std::filesystem::path& path, Progress progress)
    : path_(path), progress_(std::move(progress)), ahead_(std::make_unique<Ahead>(path)) {}

GroupReader::~GroupReader() = default;

void GroupReader::fail(std::size_t line, std::string reason) const {
  if (binary()) throw binaryFileError(path_, line, std::move(reason));
  throw DxfError(path_, line, std::move(reason));
}

bool GroupReader::binary() const {
  return ahead_->binary();
}

bool GroupReader::next(Record& record) {
  while (batch_ == nullptr || nextInBatch_ == batch_->size()) {
    if (batch_ != nullptr && batch_->last) {
      line_ = batch_->endLine;
      if (batch_->fault) std::rethrow_exception(batch_->fault);
      return false;
    }
    nextBatch();
  }
  record = batch_->record(nextInBatch_);
  line_ = batch_->lineAfter(nextInBatch_);
  ++nextInBatch_;
  return true;
}

void GroupReader::nextBatch() {
  if (batch_ != nullptr) ahead_->giveBack(batch_);
  batch_ = ahead_->take();
  nextInBatch_ = 0;
  const std::size_t size = ahead_->fileSize();
  if (!progress_ || size == 0) return;
  const double fraction = 1.0 - static_cast<double>(std::min(bytesLeft(), size)) / size;
  // 1 is for the drawing made, after the last record.
  if (fraction < 1.0 && fraction - reportedFraction_ >= 0.01) {
    reportedFraction_ = fraction;
    progress_(fraction);
  }
}

std::size_t GroupReader::bytesLeft() const {
  if (batch_ == nullptr) return 0;
  // The records of this batch not yet handed out are still to read.
  const std::size_t handedOut =
      batch_->borrowed || nextInBatch_ == 0
          ? 0
          : batch_->entries[nextInBatch_ - 1].offset + batch_->entries[nextInBatch_ - 1].length;
  const std::size_t inBatch = batch_->borrowed ? 0 : batch_->text.size();
  return batch_->bytesLeft + inBatch - handedOut;
}

}  // namespace host::dxf

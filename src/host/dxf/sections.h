#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <Eigen/Geometry>

#include "host/dxf/reader_context.h"
#include "host/dxf/record.h"

// The readers of the sections of a drawing file. Each starts with the record after the
// section's SECTION record in `record` (the header reader with the SECTION record itself)
// and returns with `record` at the ENDSEC record.
namespace host::dxf {

// Header variables as read; applied once the tables they name are known. Names as the file
// spells them.
struct HeaderValues {
  std::optional<std::int64_t> luprec;
  std::optional<std::int64_t> tilemode;
  std::optional<std::int64_t> insunits;
  std::optional<std::int64_t> lunits;
  std::optional<double> elevation;
  std::optional<std::string> textStyle;
  std::optional<std::string> currentLayer;
  std::string ucsName;
  std::optional<Eigen::Vector3d> ucsOrigin;
  std::optional<Eigen::Vector3d> ucsXDirection;
  std::optional<Eigen::Vector3d> ucsYDirection;
  std::size_t ucsLine = 0;
};

// Reads the variables of one record's groups (the header may go on after its ENDSEC).
void readHeaderGroups(ReaderContext& context, const Record& record, HeaderValues& header);
void applyHeader(ReaderContext& context, const HeaderValues& header);
// Keeps the header variables of one record as read, in the drawing's source.
void keepHeaderVariables(ReaderContext& context, const Record& record);
// Keeps a section this program does not read, as read.
void keepSection(ReaderContext& context, Record& record, std::string_view name);
// Completes the drawing's source once every section is read: what the document made of the
// header, whether the file can be written back whole, the handles new records may take.
void finishSource(ReaderContext& context);

void readTables(ReaderContext& context, Record& record);
void readBlocks(ReaderContext& context, Record& record);
void readEntities(ReaderContext& context, Record& record);

// The objects of every OBJECTS section of a file (there may be many): those this program
// does not model are kept, once the whole tree of objects is known.
class ObjectsReader {
 public:
  void readSection(ReaderContext& context, Record& record);
  // Notes in the drawing's source which objects a rebuilt file would lose.
  void finish(ReaderContext& context);

  // Where an object the writer rebuilds (a dictionary, a layout ...) sits in the file's tree
  // of objects: its owner and, for a dictionary, the handles of its entries named for the
  // other program's own settings.
  struct Link {
    std::uint64_t owner = 0;
    bool dictionary = false;
    std::unordered_set<std::uint64_t> standardEntries;
  };

 private:
  // An object that a rebuilt file loses unless it belongs to what the writer rebuilds.
  struct Candidate {
    std::uint64_t handle = 0;
    std::uint64_t owner = 0;
    std::string type;
  };
  std::unordered_map<std::uint64_t, Link> links_;  // by handle
  std::vector<Candidate> candidates_;
};

// Reads the next record; an ENDSEC record when the data has ended.
void nextInSection(ReaderContext& context, Record& record);

}  // namespace host::dxf

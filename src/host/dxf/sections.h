#pragma once

#include <optional>
#include <string>

#include <Eigen/Geometry>

#include "host/dxf/group_reader.h"
#include "host/dxf/reader_context.h"

// The readers of the sections of a drawing file. Each starts with the record after the
// section's SECTION record in `record` (the header reader with the SECTION record itself)
// and returns with `record` at the ENDSEC record.
namespace host::dxf {

// Header variables as read; applied once the tables they name are known.
struct HeaderValues {
  std::optional<std::int64_t> luprec;
  std::optional<std::int64_t> tilemode;
  std::optional<std::int64_t> insunits;
  std::optional<std::string> textStyle;
  std::string ucsName;
  std::optional<Eigen::Vector3d> ucsOrigin;
  std::optional<Eigen::Vector3d> ucsXDirection;
  std::optional<Eigen::Vector3d> ucsYDirection;
  std::size_t ucsLine = 0;
};

// Reads the variables of one record's groups (the header may go on after its ENDSEC).
void readHeaderGroups(ReaderContext& context, const Record& record, HeaderValues& header);
void applyHeader(ReaderContext& context, const HeaderValues& header);

void readTables(ReaderContext& context, Record& record);
void readBlocks(ReaderContext& context, Record& record);
void readEntities(ReaderContext& context, Record& record);
void readObjects(ReaderContext& context, Record& record);
void skipSection(ReaderContext& context, Record& record, std::string_view name);

// Reads the next record; fails when the data ends inside section `name`.
void nextInSection(ReaderContext& context, Record& record, std::string_view name);

}  // namespace host::dxf

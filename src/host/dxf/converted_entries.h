#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/dxf/write_context.h"

namespace host::dxf {

// The entries of one table of the file a drawing was read from, for a file the writer builds
// afresh (one of release 12, or without the structure of release 2000): each is written with
// the handle and owner of the new file and the subclass markers of release 2000, and its own
// groups as read but the handles that tie it to records of the old file.
class ConvertedEntries {
 public:
  ConvertedEntries(const WriteContext& context, std::string_view table);

  // The table's own entry of that name (any case), or null.
  const SourceTableEntry* find(std::string_view name) const;
  // The entries find does not give for any of `names`.
  std::vector<const SourceTableEntry*> except(const std::vector<std::string>& names) const;

 private:
  // Whether the entry is one of the table's own: of the table's type and, in a table the
  // document models, one the document made a layer, text style or UCS of. Another record
  // (a shape file among the text styles, a record of another type) merely shares its name.
  bool own(const SourceTableEntry& entry) const;

  std::string table_;  // the table's name, which is the type of its entries
  bool modelled_ = false;
  std::vector<const SourceTableEntry*> entries_;
};

// Writes a converted entry; `patch` may write groups in place of those of the entry.
void writeConverted(WriteContext& context, const SourceTableEntry& entry, Handle handle,
                    Handle owner, std::string_view subclass, const Patch& patch = {});

// Writes a block's BLOCK or ENDBLK record of the drawing's source as writeConverted writes a
// table entry, the block's name (groups 2 and 3) as `name`.
void writeConvertedMarker(WriteContext& context, const SourceRecord& record, Handle handle,
                          Handle owner, std::string_view subclass, std::string_view name);

// How many entries the tables of the drawing's source hold: at most that many handles the
// table writer numbers on the way.
std::size_t sourceTableEntries(const model::Document& document);

}  // namespace host::dxf

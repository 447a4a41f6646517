#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "host/dxf/dxf_output.h"
#include "host/dxf/record.h"
#include "host/dxf/text_codec.h"
#include "host/model/document.h"
#include "host/model/drawing_description.h"

namespace host::dxf {

// A record kept as read: its type and the groups after it.
struct RecordView {
  std::string_view type;
  const model::RawGroups* groups = nullptr;
  std::size_t first = 0;  // of its groups in `groups`
  std::size_t last = 0;   // past its groups

  model::RawGroups::Iterator begin() const { return {groups, first}; }
  model::RawGroups::Iterator end() const { return {groups, last}; }
};

// One record of a file as read: its type and every group after it, the values spelt as the
// file spells them (not decoded), so that writing them back gives the same record.
struct SourceRecord {
  std::string type;
  model::RawGroups groups;

  RecordView view() const { return {type, &groups, 0, groups.size()}; }
};

// The records of a file's entities kept as read (see EntityOrigin::record), compactly: their
// groups one after another in chunks that are filled, never moved, each record's type as a 0
// group before its own.
class KeptEntityRecords {
 public:
  // Keeps an entity of one or more records; its number.
  std::uint32_t add(std::span<const Record> records);
  RecordView operator[](std::uint32_t record) const;
  std::size_t size() const { return starts_.size(); }
  // Makes room for the numbers of `count` entities in all.
  void reserve(std::size_t count) { starts_.reserve(count); }

 private:
  struct Start {
    std::uint32_t chunk = 0;
    std::uint32_t group = 0;  // its type's
  };
  std::vector<model::RawGroups> chunks_;
  std::vector<Start> starts_;
};

// What the document made of a table entry when it was read, to tell on saving whether the
// entry has changed since: a layer, a text style, a named UCS, or nothing this program models.
using ModelledEntry = std::variant<std::monostate, model::Layer, model::TextStyle, model::Ucs>;

struct SourceTableEntry {
  SourceRecord record;
  std::uint64_t handle = 0;
  std::string name;  // decoded
  ModelledEntry asRead;
  std::uint32_t modelIndex = 0;  // of the layer or text style it defines
};

struct SourceTable {
  SourceRecord head;  // the TABLE record
  std::string name;   // LAYER, LTYPE ...
  std::vector<SourceTableEntry> entries;
};

struct SourceHeaderVariable {
  std::string name;  // "$ACADVER"
  model::RawGroups groups;
};

// What the document's own header settings were when read (see ModelledEntry).
struct ModelledHeader {
  model::HeaderVariables variables;
  model::Ucs currentUcs;
  model::StyleIndex activeTextStyle = 0;
};

// A drawing file as read, beyond what the document models: kept with the document (see
// model::ForeignContent) and written back on saving. Entities keep their handles in the
// document; their records are kept here (EntityOrigin::record) when they hold more than the
// document models.
class SourceDrawing : public model::ForeignContent {
 public:
  std::string release;              // $ACADVER as read, "AC1015"; empty when the file gives none
  FileForm form = FileForm::kText;  // of the file read
  TextEncoding encoding = TextEncoding::kWindows1252;
  std::uint64_t handleSeed = 1;  // above every handle the file uses
  std::vector<SourceHeaderVariable> header;
  ModelledHeader modelledHeader;
  std::vector<SourceRecord> classes;
  std::vector<SourceTable> tables;
  // BLOCK and ENDBLK records by block index; empty types for blocks the file lacks.
  std::vector<std::pair<SourceRecord, SourceRecord>> blockMarkers;
  KeptEntityRecords entities;
  std::vector<SourceRecord> objects;
  // How many layers and text styles the document had once read: those without an entry in the
  // file's tables were only named by entities, and a file written back stays without them.
  std::size_t layersAsRead = 0;
  std::size_t textStylesAsRead = 0;
  // The types of the objects a file built afresh (see whole) loses: the user's records, not
  // the structure and settings the writer builds.
  std::vector<std::string> objectsLostWhenRebuilt;
  // Sections this program neither reads nor builds (THUMBNAILIMAGE, ACDSDATA ...), in order.
  std::vector<std::pair<std::string, std::vector<SourceRecord>>> otherSections;
  // What the user is told once when the drawing opens: what the reader read otherwise than the
  // file says (a file that ends early, text that does not match its code page); see
  // readingWarnings.
  std::vector<std::string> warnings;

  // Whether the file can be written back from these records: it has handles, every table the
  // file format asks for, a block record for every block and the root of its objects. Else
  // the writer builds the file's structure afresh and keeps the rest of this where it can.
  bool whole() const { return whole_; }
  void setWhole(bool whole) { whole_ = whole; }

  const SourceTable* table(std::string_view name) const;

  // Shows what is kept here (see KeptDescription).
  const model::DrawingDescription* description() const override;

 private:
  bool whole_ = false;
};

// The drawing's source, when it was read from a file.
const SourceDrawing* sourceOf(const model::Document& document);

// A record of the file as it stands.
SourceRecord keepRecord(const Record& record);

// A handle's value; nothing for text that is not one, or the null handle.
std::optional<std::uint64_t> parseHandle(std::string_view text);
// The handle of a kept record (group 5, 105 for dimension styles); 0 when it has none.
std::uint64_t handleOf(const SourceRecord& record);

}  // namespace host::dxf

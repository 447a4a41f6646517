#include "host/dxf/reader.h"

#include "host/dxf/group_reader.h"
#include "host/dxf/reader_context.h"
#include "host/dxf/sections.h"

namespace host::dxf {
namespace {

constexpr const char* kNoSectionName = "expected the section name (group code 2) after SECTION";

std::string sectionName(const ReaderContext& context, const Record& record) {
  Group name;
  if (!record.second(name) || name.code != 2) context.fail(record.line(), kNoSectionName);
  return std::string(name.value);
}

// Whether the file was cut off right after a SECTION record, before the section's name: a
// SECTION without a name and more after it cannot be read.
bool endsAfterSectionRecord(ReaderContext& context, const Record& section) {
  Group name;
  if (section.second(name)) return false;
  Record next;
  if (context.reader.next(next)) context.fail(section.line(), kNoSectionName);
  return true;
}

void readSections(ReaderContext& context) {
  Record record;
  HeaderValues header;
  ObjectsReader objects;
  bool ended = false;
  bool entitiesRead = false;
  while (context.reader.next(record)) {
    if (record.type() == "EOF") {
      ended = true;
      break;
    }
    if (record.type() == "ENDSEC") {
      // Some writers close the header twice, with variables between the two.
      readHeaderGroups(context, record, header);
      continue;
    }
    if (record.type() != "SECTION") {
      context.fail(record.line(), "expected SECTION or EOF, found \"" +
                                      std::string(record.type().substr(0, 40)) + "\"");
    }
    if (endsAfterSectionRecord(context, record)) break;
    const std::string name = sectionName(context, record);
    if (name == "HEADER") {
      keepHeaderVariables(context, record);
      readHeaderGroups(context, record, header);
      nextInSection(context, record);
      if (record.type() != "ENDSEC") {
        context.fail(record.line(), "expected ENDSEC after the header variables, found \"" +
                                        std::string(record.type().substr(0, 40)) + "\"");
      }
      keepHeaderVariables(context, record);
      readHeaderGroups(context, record, header);
      continue;
    }
    nextInSection(context, record);
    if (name == "TABLES") {
      context.tablesAfterEntities = context.tablesAfterEntities || entitiesRead;
      readTables(context, record);
    } else if (name == "BLOCKS") {
      readBlocks(context, record);
      entitiesRead = true;
    } else if (name == "ENTITIES") {
      readEntities(context, record);
      entitiesRead = true;
    } else if (name == "OBJECTS") {
      objects.readSection(context, record);
    } else {
      keepSection(context, record, name);
    }
  }
  if (!ended) {
    context.source.warnings.push_back("the file ends early after line " +
                                      std::to_string(context.reader.currentLine() - 1) +
                                      ": what follows is missing");
  }
  objects.finish(context);
  applyHeader(context, header);
  finishSource(context);
}

}  // namespace

const std::vector<std::string>& readingWarnings(const model::Document& document) {
  static const std::vector<std::string> kNone;
  const SourceDrawing* source = sourceOf(document);
  return source ? source->warnings : kNone;
}

std::unique_ptr<model::Document> readDxf(const std::filesystem::path& path,
                                         const Progress& progress) {
  GroupReader reader(path, progress);
  auto document = std::make_unique<model::Document>();
  auto source = std::make_shared<SourceDrawing>();
  {
    model::Document::HistoryPause pause(*document);
    ReaderContext context(reader, *document, *source);
    readSections(context);
  }
  source->form = reader.binary() ? FileForm::kBinary : FileForm::kText;
  document->setForeignContent(std::move(source));
  document->markSaved();
  if (progress) progress(1.0);
  return document;
}

}  // namespace host::dxf

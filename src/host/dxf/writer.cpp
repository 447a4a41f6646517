#include "host/dxf/writer.h"

#include <algorithm>
#include <map>
#include <unordered_set>

#include "host/dxf/converted_entries.h"
#include "host/dxf/placement.h"
#include "host/dxf/text_codec.h"
#include "host/dxf/unsupported_records.h"
#include "host/dxf/write_context.h"
#include "host/model/names.h"

namespace host::dxf {
namespace {

template <typename Visit>
void forEachEntity(const model::Document& document, Visit visit) {
  const model::BlockTable& blocks = document.blocks();
  for (model::BlockIndex i = 0; i < blocks.size(); ++i) {
    for (const model::Entity& entity : blocks[i].entities) visit(entity);
  }
}

Handle highestEntityHandle(const model::Document& document) {
  Handle highest = 0;
  forEachEntity(document,
                [&](const model::Entity& entity) { highest = std::max(highest, entity.handle); });
  return highest;
}

void allocateStructure(WriteContext& context) {
  const model::Document& document = context.document;
  const SourceDrawing* source = context.source;
  StructureHandles& h = context.handles;
  // A file read with its handles used up stays so, though this file is numbered afresh: its
  // entities may be without handles (see Document::giveFreshHandles).
  if (source != nullptr && source->handleSeed == model::kLastHandle) throw HandlesUsedUp();
  context.nextHandle = model::handleAfter(highestEntityHandle(document));
  // The source's handles stay where no entity took them; fresh ones come above them all.
  if (source != nullptr) context.nextHandle = std::max(context.nextHandle, source->handleSeed);
  context.firstFresh = context.nextHandle;
  // Only the entities written: a reference to one left out must not lead to another record.
  forEachEntity(document, [&](const model::Entity& entity) {
    if (!leftOut(context, entity)) context.keptHandles.insert(entity.handle);
  });
  context.objectsKept = keepsObjects(context);
  const std::pair<Handle*, std::string_view> tables[] = {{&h.vportTable, "VPORT"},
                                                         {&h.ltypeTable, "LTYPE"},
                                                         {&h.layerTable, "LAYER"},
                                                         {&h.styleTable, "STYLE"},
                                                         {&h.viewTable, "VIEW"},
                                                         {&h.ucsTable, "UCS"},
                                                         {&h.appidTable, "APPID"},
                                                         {&h.dimstyleTable, "DIMSTYLE"},
                                                         {&h.blockRecordTable, "BLOCK_RECORD"}};
  for (const auto& [handle, name] : tables) {
    const SourceTable* table = source != nullptr ? source->table(name) : nullptr;
    *handle = context.keep(table != nullptr ? handleOf(table->head) : 0);
  }
  for (Handle* handle :
       {&h.rootDictionary, &h.groupDictionary, &h.layoutDictionary, &h.plotStyleDictionary,
        &h.normalPlotStyle, &h.modelLayout, &h.paperLayout}) {
    *handle = context.allocate();
  }
  // The handle of the source's table entry of that name, if it had one.
  const auto keepEntry = [&](const ConvertedEntries& table, std::string_view name) {
    const SourceTableEntry* entry = table.find(name);
    return context.keep(entry != nullptr ? entry->handle : 0);
  };
  h.activeViewport = keepEntry(ConvertedEntries(context, "VPORT"), "*Active");
  const ConvertedEntries lineTypes(context, "LTYPE");
  h.byBlock = keepEntry(lineTypes, "ByBlock");
  h.byLayer = keepEntry(lineTypes, "ByLayer");
  h.continuous = keepEntry(lineTypes, "Continuous");
  h.standardDimstyle = keepEntry(ConvertedEntries(context, "DIMSTYLE"), "Standard");
  const auto keepEach = [&](std::vector<Handle>& handles, std::string_view table,
                            const auto& entries) {
    const ConvertedEntries converted(context, table);
    for (const auto& entry : entries) handles.push_back(keepEntry(converted, entry.name));
  };
  keepEach(h.layers, "LAYER", document.layers().all());
  keepEach(h.styles, "STYLE", document.textStyles().all());
  keepEach(h.ucss, "UCS", document.ucsTable().all());
  keepEach(h.blockRecords, "BLOCK_RECORD", document.blocks().all());
  h.blockLayouts.assign(document.blocks().size(), 0);
  if (context.objectsKept) {
    // The layouts come with the objects: each block record names its own, as read.
    const ConvertedEntries records(context, "BLOCK_RECORD");
    for (model::BlockIndex i = 0; i < document.blocks().size(); ++i) {
      if (const SourceTableEntry* entry = records.find(document.blocks()[i].name)) {
        for (const auto [code, value] : entry->record.groups) {
          if (code == 340) h.blockLayouts[i] = parseHandle(value).value_or(0);
        }
      }
    }
    // The source's plot styles are its own objects.
    h.normalPlotStyle = 0;
  } else {
    h.blockLayouts[model::BlockTable::kModelSpace] = h.modelLayout;
    h.blockLayouts[model::BlockTable::kPaperSpace] = h.paperLayout;
  }
  for (model::BlockIndex i = 0; i < document.blocks().size(); ++i) {
    const bool marked = source != nullptr && i < source->blockMarkers.size();
    h.blockBegins.push_back(context.keep(marked ? handleOf(source->blockMarkers[i].first) : 0));
    h.blockEnds.push_back(context.keep(marked ? handleOf(source->blockMarkers[i].second) : 0));
  }
  context.applications = {"ACAD"};
  std::unordered_set<std::string> knownApplications = {model::foldedName("ACAD")};
  forEachEntity(document, [&](const model::Entity& entity) {
    if (const auto* raw = std::get_if<model::UnsupportedEntity>(&entity.data);
        raw && canWriteBack(*raw)) {
      collectApplications(*raw, context.applications, knownApplications);
    }
    const std::string& tagged = entity.properties->tag.application;
    if (!tagged.empty() && knownApplications.insert(model::foldedName(tagged)).second) {
      context.applications.push_back(tagged);
    }
  });
  const ConvertedEntries applications(context, "APPID");
  for (const std::string& name : context.applications) {
    h.appids.push_back(keepEntry(applications, name));
  }
  for (std::string& name : context.applications) name = encodeName(name, context.encoding);
}

// Handles the entity writer numbers on the way: vertices and SEQEND of 3D polylines, the
// records after the first of an entity kept as read and the SEQEND that may close it. Entities
// written as their kept records bring their own. Counted exactly, so that saving a drawing again
// and again leaves the handle seed where it is.
Handle followerHandles(const WriteContext& context) {
  Handle count = 0;
  forEachEntity(context.document,
                [&](const model::Entity& entity) { count += followerHandlesOf(context, entity); });
  return count;
}

// The handles of a file written back from its records: what the file gave, and fresh ones
// above all of those for what the document added. Returns the handle seed.
Handle allocateKept(WriteContext& context) {
  const model::Document& document = context.document;
  const SourceDrawing& source = *context.source;
  StructureHandles& h = context.handles;
  context.nextHandle =
      std::max(model::handleAfter(highestEntityHandle(document)), source.handleSeed);
  h.blockRecords.assign(document.blocks().size(), 0);
  for (const SourceTableEntry& entry : source.table("BLOCK_RECORD")->entries) {
    if (const auto block = document.blocks().find(entry.name); block && !h.blockRecords[*block]) {
      h.blockRecords[*block] = entry.handle;
    }
  }
  for (Handle& handle : h.blockRecords) {
    if (handle == 0) handle = context.allocate();
  }
  h.layers.assign(document.layers().size(), 0);
  for (const SourceTableEntry& entry : source.table("LAYER")->entries) {
    if (std::holds_alternative<model::Layer>(entry.asRead))
      h.layers[entry.modelIndex] = entry.handle;
  }
  // Layers the document added get entries of their own; those the file only named have none.
  for (std::size_t i = source.layersAsRead; i < h.layers.size(); ++i) {
    h.layers[i] = context.allocate();
  }
  // The markers of the blocks that the file lacks, which the document added.
  const auto& markers = source.blockMarkers;
  for (std::size_t i = 0; i < document.blocks().size(); ++i) {
    const bool kept = i < markers.size() && !markers[i].first.type.empty();
    h.blockBegins.push_back(kept ? 0 : context.allocate());
    h.blockEnds.push_back(kept && !markers[i].second.type.empty() ? 0 : context.allocate());
  }
  return handleSeedAfter(context.nextHandle, followerHandles(context));
}

std::string_view spellingOf(const SourceTableEntry& entry) {
  for (const auto [code, value] : entry.record.groups) {
    if (code == 2) return value;
  }
  return {};
}

// The layers, text styles and blocks that keep the name of their table entry, named as the
// entry spells it: other programs match names byte for byte, and a name in bytes its code page
// does not give (UTF-8 in a file of Windows-1252) is not spelt again the same way.
void spellAsRead(WriteContext& context) {
  const model::Document& document = context.document;
  std::vector<bool> layerSpelt(context.layerNames.size(), false);
  std::vector<bool> styleSpelt(context.styleNames.size(), false);
  std::vector<bool> blockSpelt(context.blockNames.size(), false);
  const auto spell = [&](std::vector<std::string>& names, std::vector<bool>& spelt,
                         std::size_t index, const std::string& nameNow,
                         const SourceTableEntry& entry) {
    if (index >= names.size() || spelt[index] || nameNow != entry.name) return;
    spelt[index] = true;
    names[index] = spellingOf(entry);
  };
  for (const SourceTable& table : context.source->tables) {
    for (const SourceTableEntry& entry : table.entries) {
      const std::size_t index = entry.modelIndex;
      if (std::holds_alternative<model::Layer>(entry.asRead)) {
        spell(context.layerNames, layerSpelt, index, document.layers()[index].name, entry);
      } else if (std::holds_alternative<model::TextStyle>(entry.asRead)) {
        spell(context.styleNames, styleSpelt, index, document.textStyles()[index].name, entry);
      } else if (entry.record.type == "BLOCK_RECORD") {
        if (const auto block = document.blocks().find(entry.name)) {
          spell(context.blockNames, blockSpelt, *block, document.blocks()[*block].name, entry);
        }
      }
    }
  }
}

void nameAll(WriteContext& context) {
  const model::Document& document = context.document;
  for (const model::Layer& layer : document.layers().all()) {
    context.layerNames.push_back(encodeName(layer.name, context.encoding));
  }
  for (const model::TextStyle& style : document.textStyles().all()) {
    context.styleNames.push_back(encodeName(style.name, context.encoding));
  }
  for (const model::Block& block : document.blocks().all()) {
    context.blockNames.push_back(encodeName(block.name, context.encoding));
  }
  if (context.source != nullptr && !context.recode) spellAsRead(context);
}

// How a drawing is written in `release`: built afresh or from the records of its file, in which
// encoding, with which groups of kept records left out.
WriteContext contextFor(const model::Document& document, DxfOutput& out, const Release& release) {
  WriteContext context{document,
                       out,
                       {},
                       1,
                       {},
                       {},
                       {},
                       {},
                       TextEncoding::kWindows1252,
                       sourceOf(document),
                       false,
                       release.version,
                       false,
                       false,
                       {},
                       {},
                       0,
                       false};
  context.encoding = encodingFor(release.version, {});
  context.recode = context.source != nullptr && context.source->encoding != context.encoding;
  // Files of release 2000 written by other programs may hold them already: only a save down
  // from a later release, or of a drawing of this program's own, leaves them out.
  context.withoutColourExtras =
      release.version < "AC1018" &&
      (context.source == nullptr || context.source->release > release.version);
  if (context.source != nullptr && context.source->whole()) {
    context.fromRecords = true;
    context.renamedLayers = renamedLayers(document, *context.source);
  }
  return context;
}

}  // namespace

bool leftOutOnSave(const model::Document& document, const model::Entity& entity) {
  DxfOutput nowhere([](std::string_view) {});
  return leftOut(contextFor(document, nowhere, savedRelease(document)), entity);
}

std::vector<std::string> contentNotSaved(const model::Document& document) {
  return contentNotSaved(document, savedRelease(document));
}

std::vector<std::string> contentNotSaved(const model::Document& document, const Release& release) {
  DxfOutput nowhere([](std::string_view) {});
  WriteContext context = contextFor(document, nowhere, release);
  // Whether a file built afresh keeps the objects is told by numbering it.
  if (!context.fromRecords) {
    try {
      allocateStructure(context);
    } catch (const HandlesUsedUp&) {
      context.objectsKept = false;
    }
  }
  std::map<std::string, std::size_t> droppedEntities;
  std::size_t shearedInserts = 0;
  std::size_t trueColours = 0;
  std::size_t transparencies = 0;
  forEachEntity(document, [&](const model::Entity& entity) {
    if (entity.properties->colour.trueColour) ++trueColours;
    if (entity.properties->transparency) ++transparencies;
    if (leftOut(context, entity)) {
      ++droppedEntities[std::get<model::UnsupportedEntity>(entity.data).type];
    } else if (const auto* insert = std::get_if<model::BlockReference>(&entity.data);
               insert && !writtenAsRecord(context, entity)) {
      if (!insertParameters(insert->placement).exact) ++shearedInserts;
    }
  });
  std::map<std::string, std::size_t> droppedObjects;
  if (context.source != nullptr && !context.fromRecords && !context.objectsKept) {
    for (const std::string& type : context.source->objectsLostWhenRebuilt) ++droppedObjects[type];
    // The file built afresh has the model's layout and one of paper space: any other is lost.
    const auto layouts = std::ranges::count(context.source->objects, std::string_view("LAYOUT"),
                                            &SourceRecord::type);
    if (layouts > 2) droppedObjects["LAYOUT"] += static_cast<std::size_t>(layouts - 2);
  }
  std::vector<std::string> lines;
  // Entity and object kinds by their record names, as other programs list them.
  for (const auto* dropped : {&droppedEntities, &droppedObjects}) {
    for (const auto& [type, count] : *dropped) lines.push_back(std::to_string(count) + " " + type);
  }
  const auto counted = [&](std::size_t count, const char* one, const char* many) {
    if (count > 0) lines.push_back(std::to_string(count) + " " + (count == 1 ? one : many));
  };
  counted(shearedInserts, "sheared block reference", "sheared block references");
  if (context.withoutColourExtras) {
    counted(trueColours, "true colour", "true colours");
    counted(transparencies, "transparency", "transparencies");
  }
  return lines;
}

void writeDxf(const model::Document& document, DxfOutput& out, const Release& release) {
  WriteContext context = contextFor(document, out, release);
  if (context.fromRecords) {
    nameAll(context);
    writeFromSource(context, allocateKept(context));
    out.text(0, "EOF");
    out.flush();
    return;
  }
  nameAll(context);
  allocateStructure(context);
  writeHeader(context, handleSeedAfter(context.nextHandle,
                                       followerHandles(context) + sourceTableEntries(document)));
  writeTables(context);
  writeBlocks(context);
  writeEntities(context);
  writeObjects(context);
  out.text(0, "EOF");
  out.flush();
}

}  // namespace host::dxf

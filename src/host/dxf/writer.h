#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "host/dxf/dxf_output.h"
#include "host/dxf/releases.h"
#include "host/model/document.h"

namespace host::dxf {

// What a save in `release` cannot keep exactly, briefly, one item per kind for telling the
// user before saving: entities and objects by record name ("2 IMAGE", "1 XRECORD"), then "1
// sheared block reference", "3 true colours", "1 transparency". Empty when the file will hold
// everything the document does.
std::vector<std::string> contentNotSaved(const model::Document& document, const Release& release);
std::vector<std::string> contentNotSaved(const model::Document& document);  // savedRelease

// Whether a save in the drawing's own release leaves the entity out (contentNotSaved counts it).
bool leftOutOnSave(const model::Document& document, const model::Entity& entity);

// A drawing that needs more handles than are left below model::kLastHandle: written, it would
// take handles again that it has (numbers wrap to 0), which other programs refuse or confuse.
class HandlesUsedUp : public std::runtime_error {
 public:
  HandlesUsedUp()
      : std::runtime_error(
            "the drawing's handles are used up (it reaches handle FFFFFFFFFFFFFFFF): it "
            "cannot be saved") {}
};

// Writes the document as a drawing file of `release`. A drawing read from a file of release
// 2000 or later with the whole structure of one is written back from that file's records, with
// what the document changed or added written from the document. Any other is built afresh with
// handles, owners and the objects other programs expect, keeping the file's header variables,
// table entries and entities where that is safe; the others are left out (contentNotSaved
// lists them). Throws HandlesUsedUp, having written some of the file, when the handles run out.
void writeDxf(const model::Document& document, DxfOutput& out, const Release& release);

}  // namespace host::dxf

#pragma once

#include <string>
#include <vector>

#include "host/dxf/dxf_output.h"
#include "host/model/document.h"

namespace host::dxf {

// What a save cannot keep exactly, briefly, one item per kind for telling the user before
// saving: entities and objects by record name ("2 IMAGE", "1 XRECORD"), then "1 sheared block
// reference". Empty when the file will hold everything the document does.
std::vector<std::string> contentNotSaved(const model::Document& document);

// Writes the document as a release 2000 drawing file (AC1015) with handles, owners and the
// objects other programs expect. Entities kept as read are written back where that is safe;
// the others are left out (contentNotSaved lists them).
void writeDxf(const model::Document& document, DxfOutput& out);

}  // namespace host::dxf

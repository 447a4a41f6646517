#pragma once

#include <string_view>

#include "host/model/document.h"

namespace host::dxf {

// Whether `entity` of `document` carries extended data of `application` (any case): as its tag,
// or in the record a file gave it (kept by the reader, so that such data is found after a save
// and a reading as before).
bool hasExtendedData(const model::Document& document, const model::Entity& entity,
                     std::string_view application);

}  // namespace host::dxf

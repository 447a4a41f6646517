#pragma once

namespace host::model {

// How a drawing file stores its groups: as lines of text, or as binary values (smaller and
// quicker to write, which some programs choose). A drawing is saved back in the form it came in.
enum class FileForm { kText, kBinary };

}  // namespace host::model

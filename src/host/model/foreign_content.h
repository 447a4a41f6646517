#pragma once

namespace host::model {

// What a drawing read from a file holds beyond what this program models: its other tables and
// objects, its settings, the records of its entities. The file layer that read the drawing
// keeps it here and writes it back on saving; the document only carries it, unchanged by
// editing and undo.
class ForeignContent {
 public:
  virtual ~ForeignContent() = default;
};

}  // namespace host::model

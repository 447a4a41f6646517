#pragma once

namespace host::model {

class DrawingDescription;

// What a drawing read from a file holds beyond what this program models: its other tables and
// objects, its settings, the records of its entities. The file layer that read the drawing
// keeps it here and writes it back on saving; the document only carries it, unchanged by
// editing and undo.
class ForeignContent {
 public:
  virtual ~ForeignContent() = default;
  // How the drawing shows what it holds here (see DrawingDescription); null when the file
  // layer says nothing of it.
  virtual const DrawingDescription* description() const { return nullptr; }
};

}  // namespace host::model

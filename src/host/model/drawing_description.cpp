#include "host/model/drawing_description.h"

namespace host::model {

const DrawingDescription* descriptionOf(const Document& document) {
  const ForeignContent* content = document.foreignContent();
  return content ? content->description() : nullptr;
}

}  // namespace host::model

#include "host/automation/hosted_drawing.h"

#include "host/automation/call_guard.h"

namespace host {

model::Document& HostedDrawing::model() const {
  if (closed_) throw methodFailed(kDrawingClosed);
  return *document_;
}

}  // namespace host

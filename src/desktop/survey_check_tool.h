#pragma once

#include <memory>

#include "host/automation/host_application.h"
#include "host/view/host_window.h"

namespace desktop {

// Tools, "Check survey against design…" in a drawing window: the check window over the active
// drawing, measuring along its current or a named UCS with its precision, starting with the
// dialog's text height, and drawing every pair into that drawing as one undo step.
void addSurveyCheckTool(host::view::HostWindow& window,
                        std::shared_ptr<host::HostApplication> application);

}  // namespace desktop

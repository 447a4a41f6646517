#pragma once

#include <functional>
#include <memory>
#include <stop_token>

#include "check/check_run.h"
#include "check/window/shot_check.h"

namespace check {

class AgainstChoice;

// A check against a surface or along an alignment, ready to run in a worker thread.
using ShotCheckWork = std::function<std::shared_ptr<const ShotCheck>(std::stop_token)>;

// The check `choice` asks for, of the files and reading options of `request` (the inputs' point
// check), as the command line runs it. Throws UsageError or std::invalid_argument for a bad
// option.
ShotCheckWork shotCheckWork(const CheckRequest& request, const AgainstChoice& choice);

}  // namespace check

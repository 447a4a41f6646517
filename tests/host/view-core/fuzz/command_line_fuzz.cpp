// Fuzz target: what a user types at the drawing window's command line, both as a command and
// as the answer to a point prompt. Any text gives a command or one line saying why not; the
// numbers of a command are finite and in their range, and a typed point can be placed.
#include <cmath>
#include <optional>
#include <type_traits>
#include <variant>

#include "host/view-core/command_parser.h"
#include "host/view-core/point_entry.h"
#include "host/view-files/drawing_files.h"
#include "support/fuzz_target.h"

namespace {

using namespace host::view;

void requireFinite(const PointEntry& entry) {
  fuzz::require(entry.value.allFinite(), "a typed point has a non-finite coordinate");
}

void requireFinite(const std::optional<PointEntry>& entry) {
  if (entry) requireFinite(*entry);
}

void checkCommand(const Command& command) {
  std::visit(
      [](const auto& c) {
        using Kind = std::decay_t<decltype(c)>;
        if constexpr (std::is_same_v<Kind, command::SetPrecision>) {
          fuzz::require(c.decimals >= 0 && c.decimals <= 8, "LUPREC out of 0 to 8");
        } else if constexpr (std::is_same_v<Kind, command::UcsRotate>) {
          fuzz::require(std::isfinite(c.degrees), "a UCS rotation by a non-finite angle");
        } else if constexpr (std::is_same_v<Kind, command::UcsOrigin>) {
          requireFinite(c.origin);
        } else if constexpr (std::is_same_v<Kind, command::UcsThreePoint>) {
          for (const PointEntry* p : {&c.origin, &c.xPoint, &c.yPoint}) requireFinite(*p);
        } else if constexpr (std::is_same_v<Kind, command::AddPoint>) {
          requireFinite(c.at);
        } else if constexpr (std::is_same_v<Kind, command::AddLine>) {
          requireFinite(c.from);
          requireFinite(c.to);
        } else if constexpr (std::is_same_v<Kind, command::Zoom>) {
          requireFinite(c.corner);
          requireFinite(c.oppositeCorner);
        } else if constexpr (std::is_same_v<Kind, command::SetElevation>) {
          fuzz::require(!c.height || std::isfinite(*c.height), "a non-finite elevation");
        } else if constexpr (std::is_same_v<Kind, command::Open>) {
          fuzz::require(!c.path.empty(), "OPEN with an empty path");
        } else if constexpr (std::is_same_v<Kind, command::UcsSave> ||
                             std::is_same_v<Kind, command::UcsRestore> ||
                             std::is_same_v<Kind, command::UcsDelete>) {
          fuzz::require(!c.name.empty(), "a UCS command with an empty name");
        }
      },
      command);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::asText(data, size);
  const auto parsed = parseCommand(text, releaseNamed);
  if (const auto* command = std::get_if<Command>(&parsed)) checkCommand(*command);

  const auto entry = parsePointEntry(text);
  if (const auto* point = std::get_if<PointEntry>(&entry)) {
    requireFinite(*point);
    const auto ucs = host::geom::Frame::fromDirections({10, 20, 30}, {1, 1, 0}, {-1, 1, 1});
    placePoint(*point, ucs, Eigen::Vector3d(1, 2, 3));
  }
  return 0;
}

#include "check/window/design_describer.h"

#include "check/alignment_design.h"
#include "check/design_description.h"
#include "check/surface_run.h"
#include "check/window/against_choice.h"

namespace check {
namespace {

constexpr int kDecimals = 3;

std::string capitalised(std::string text) {
  if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}

}  // namespace

PointFileBox::DesignDescriber designDescriberFor(const AgainstChoice& choice) {
  switch (choice.against()) {
    case Against::Surface:
      return [&choice](const std::filesystem::path& path) -> PointFileBox::DesignReading {
        SurfaceRequest request;
        request.design = path;
        request.surface = choice.surfaceOptions();
        return [request] { return describeSurface(readDesignSurface(request)); };
      };
    case Against::Alignment:
      return [&choice](const std::filesystem::path& path) -> PointFileBox::DesignReading {
        return [path, options = choice.alignmentOptions()] {
          const survey::Alignment alignment = readAlignmentDesign(path, options);
          return capitalised(alignmentNamed(alignment, options)) + ": " +
                 alignmentExtent(alignment, kDecimals);
        };
      };
    case Against::Points:
      break;
  }
  return {};
}

}  // namespace check

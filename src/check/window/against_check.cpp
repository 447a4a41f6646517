#include "check/window/against_check.h"

#include "check/surface_run.h"
#include "check/window/against_choice.h"
#include "check/window/alignment_shot_check.h"
#include "check/window/surface_shot_check.h"

namespace check {
namespace {

SurfaceRequest surfaceRequest(const CheckRequest& request, const AgainstChoice& choice) {
  if (!request.moreSurveys.empty()) {
    throw std::invalid_argument("A surface is checked with one survey file at a time.");
  }
  SurfaceRequest surface;
  surface.design = request.design;
  surface.survey = request.survey;
  surface.designReading = request.designReading;
  surface.surveyReading = request.surveyReading;
  surface.designUnit = request.designUnit;
  surface.surveyUnit = request.surveyUnit;
  surface.codes = request.codes;
  surface.surface = choice.surfaceOptions();
  surface.tolerances = choice.tolerances();
  surface.codeTolerances = request.codeTolerances;
  surface.decimals = request.decimals;
  return surface;
}

}  // namespace

ShotCheckWork shotCheckWork(const CheckRequest& request, const AgainstChoice& choice) {
  if (choice.against() == Against::Surface) {
    return [surface = surfaceRequest(request, choice)](std::stop_token stop) {
      return checkShotsOnSurface(surface, stop);
    };
  }
  // Along an alignment: the point check's request, with the alignment's general tolerances.
  CheckRequest along = request;
  along.tolerances = choice.tolerances();
  return [along = std::move(along), options = choice.alignmentOptions()](std::stop_token) {
    return checkShotsAlongAlignment(along, options);
  };
}

}  // namespace check

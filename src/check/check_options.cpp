#include "check/check_options.h"

#include <cctype>
#include <charconv>

#include "numbers/number_text.h"
#include "survey/alignment_check.h"
#include "survey/coordinate_text.h"
#include "survey/design_points.h"
#include "survey/surface_check.h"

namespace check {
namespace {

// A long option and its value, however the command line gave them.
struct Argument {
  std::string name;
  std::optional<std::string> value;  // after '='
};

Argument splitArgument(const std::string& argument) {
  const std::size_t equals = argument.find('=');
  if (argument.rfind("--", 0) != 0 || equals == std::string::npos) return {argument, {}};
  return {argument.substr(0, equals), argument.substr(equals + 1)};
}

bool takesValue(const std::string& name) {
  static constexpr const char* kValued[] = {
      "--match",         "--columns",       "--design-columns", "--survey-columns",
      "--units",         "--design-units",  "--survey-units",   "--design-crs",
      "--codes",         "--exclude-codes", "--survey-crs",     "--survey-prefix",
      "--survey-suffix", "--repeats",       "--drawing",        "--ucs",
      "--csv",           "--pdf",           "--xlsx",           "--decimals",
      "--dxf",           "--text-height",   "--axes",           "--z",
      "--against"};
  for (const char* option : kValued) {
    if (name == option) return true;
  }
  return isValuedReportOption(name) || isSurfaceOption(name) || isAlignmentOption(name);
}

double radiusOf(const std::string& match) {
  const std::optional<double> radius = numbers::numberIn(match.substr(5), false);
  if (!radius || *radius <= 0.0) {
    throw UsageError("--match near:R needs a distance R greater than 0, such as near:0.5");
  }
  return *radius;
}

// The reading options an option sets: "--design<suffix>" the design's, "--survey<suffix>" the
// survey's, plain "-<suffix>" both.
std::vector<survey::ReadOptions*> readingsNamed(CheckOptions& options, const std::string& name,
                                                const std::string& suffix) {
  if (name == "--design" + suffix) return {&options.designReading};
  if (name == "--survey" + suffix) return {&options.surveyReading};
  return {&options.designReading, &options.surveyReading};
}

int decimalsOf(const std::string& text) {
  int decimals = -1;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), decimals);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() || decimals < 0 ||
      decimals > 8) {
    throw UsageError("--decimals takes a whole number from 0 to 8, not " + survey::inQuotes(text));
  }
  return decimals;
}

double textHeightOf(const std::string& text) {
  const std::optional<double> height = numbers::numberIn(text, false);
  if (!height || *height <= 0.0) {
    throw UsageError("--text-height takes a number greater than 0, not " + survey::inQuotes(text));
  }
  return *height;
}

// Any of x, y and z, each once, in any order and case.
void applyAxes(DrawSettings& vectors, const std::string& text) {
  std::string seen;
  for (const char c : text) {
    const char axis = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if ((axis != 'x' && axis != 'y' && axis != 'z') || seen.find(axis) != std::string::npos) {
      seen.clear();
      break;
    }
    seen += axis;
  }
  if (seen.empty()) {
    throw UsageError(
        "--axes takes the axes to draw, any of x, y and z once each, such as xy, not " +
        survey::inQuotes(text));
  }
  vectors.axisX = seen.find('x') != std::string::npos;
  vectors.axisY = seen.find('y') != std::string::npos;
  vectors.axisZ = seen.find('z') != std::string::npos;
}

// --tolerance: the general tolerances, or those of a code ("KERB:z=0.005").
void applyTolerance(CheckOptions& options, const std::string& text) {
  const survey::ComponentSchema& schema = componentsOf(options.against);
  if (survey::namesCode(text)) {
    survey::setCodeTolerances(options.codeTolerances, survey::parseCodeTolerances(text, schema));
  } else {
    options.tolerances = survey::parseTolerances(text, schema);
  }
}

void apply(CheckOptions& options, const std::string& name, const std::string& value) {
  if (isValuedReportOption(name)) return applyReportOption(options.report, name, value);
  try {
    if (name == "--match") {
      if (value == "id") {
        options.matching = Matching::ById;
      } else if (value.rfind("near:", 0) == 0) {
        options.matching = Matching::ByProximity;
        options.radius = radiusOf(value);
      } else {
        throw UsageError("--match takes id or near:R, not " + survey::inQuotes(value));
      }
    } else if (name == "--columns" || name == "--design-columns" || name == "--survey-columns") {
      const survey::ColumnOrder columns = survey::parseColumnOrder(value);
      for (survey::ReadOptions* reading : readingsNamed(options, name, "-columns")) {
        reading->columns = columns;
        reading->columnsGiven = true;
      }
    } else if (name == "--units" || name == "--design-units" || name == "--survey-units") {
      const survey::LengthUnit unit = survey::parseLengthUnit(value);
      if (name != "--survey-units") options.designUnit = unit;
      if (name != "--design-units") options.surveyUnit = unit;
    } else if (name == "--codes") {
      options.codes.only = survey::parseCodeList(value);
    } else if (name == "--exclude-codes") {
      options.codes.except = survey::parseCodeList(value);
    } else if (name == "--design-crs") {
      options.designCrs = value;
    } else if (name == "--survey-crs") {
      options.surveyCrs = value;
    } else if (name == "--survey-prefix") {
      options.idMatching.surveyPrefix = value;
    } else if (name == "--survey-suffix") {
      options.idMatching.surveySuffix = value;
    } else if (name == "--repeats") {
      if (value != "average" && value != "last") {
        throw UsageError("--repeats takes average or last, not " + survey::inQuotes(value));
      }
      options.idMatching.repeats =
          value == "last" ? survey::Repeats::Last : survey::Repeats::Average;
    } else if (name == "--tolerance") {
      applyTolerance(options, value);
    } else if (name == "--against") {
      if (value != "points" && value != "surface" && value != "alignment") {
        throw UsageError("--against takes points, surface or alignment, not " +
                         survey::inQuotes(value));
      }
      options.against = value == "surface"     ? Against::Surface
                        : value == "alignment" ? Against::Alignment
                                               : Against::Points;
    } else if (isSurfaceOption(name)) {
      applySurfaceOption(options.surface, name, value);
    } else if (isAlignmentOption(name)) {
      applyAlignmentOption(options.alignment, name, value);
    } else if (name == "--drawing") {
      options.drawing = value;
    } else if (name == "--ucs") {
      options.ucs = value;
    } else if (name == "--csv") {
      options.csv = value;
    } else if (name == "--pdf") {
      options.pdf = value;
    } else if (name == "--xlsx") {
      options.xlsx = value;
    } else if (name == "--decimals") {
      options.decimals = decimalsOf(value);
    } else if (name == "--dxf") {
      options.dxf = value;
    } else if (name == "--text-height") {
      options.vectors.textHeight = textHeightOf(value);
      options.textHeightGiven = true;
    } else if (name == "--axes") {
      applyAxes(options.vectors, value);
    } else if (name == "--z") {
      if (value != "bubble" && value != "vector") {
        throw UsageError("--z takes bubble or vector, not " + survey::inQuotes(value));
      }
      options.vectors.z = value == "vector" ? ZStyle::Vector : ZStyle::Bubble;
    }
  } catch (const std::invalid_argument& e) {
    throw UsageError(name + ": " + e.what());
  }
}

// Sets the option that `name` switches on; false for a name that is no such option.
bool applyFlag(CheckOptions& options, const std::string& name) {
  if (name == "--decimal-comma" || name == "--design-decimal-comma" ||
      name == "--survey-decimal-comma") {
    for (survey::ReadOptions* reading : readingsNamed(options, name, "-decimal-comma")) {
      reading->decimalComma = true;
    }
  } else if (name == "--ignore-case") {
    options.idMatching.ignoreCase = true;
  } else if (name == "--skip-bad-lines") {
    options.designReading.skipBadLines = true;
    options.surveyReading.skipBadLines = true;
  } else {
    return false;
  }
  return true;
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error)) return true;
  const std::filesystem::path first = std::filesystem::weakly_canonical(a, error);
  if (error) return false;
  const std::filesystem::path second = std::filesystem::weakly_canonical(b, error);
  return !error && first == second;
}

// A report written over a point file or the drawing would destroy the user's data, and two
// reports under one name would leave one of them: both are refused before anything is read.
void refuseOutputsOverInputs(const CheckOptions& options) {
  struct Named {
    const char* what;
    std::optional<std::filesystem::path> path;
  };
  std::vector<Named> inputs = {{"the design file", options.design},
                               {"the survey file", options.survey},
                               {"the drawing", options.drawing}};
  for (const std::filesystem::path& survey : options.moreSurveys) {
    inputs.push_back({"the survey file", survey});
  }
  const Named outputs[] = {{"--csv", options.csv},
                           {"--pdf", options.pdf},
                           {"--xlsx", options.xlsx},
                           {"--dxf", options.dxf}};
  for (std::size_t k = 0; k < std::size(outputs); ++k) {
    const Named& output = outputs[k];
    if (!output.path) continue;
    for (const Named& input : inputs) {
      if (input.path && sameFile(*output.path, *input.path)) {
        throw UsageError(std::string(output.what) + " names " + input.what + " " +
                         survey::inQuotes(output.path->string()) +
                         "; reports never replace their inputs, so give another file");
      }
    }
    for (std::size_t other = k + 1; other < std::size(outputs); ++other) {
      if (outputs[other].path && sameFile(*output.path, *outputs[other].path)) {
        throw UsageError(std::string(output.what) + " and " + outputs[other].what +
                         " name the same file " + survey::inQuotes(output.path->string()));
      }
    }
  }
}

}  // namespace

const survey::ComponentSchema& componentsOf(Against against) {
  switch (against) {
    case Against::Surface:
      return survey::surfaceComponents();
    case Against::Alignment:
      return survey::alignmentComponents();
    case Against::Points:
      break;
  }
  return survey::pointComponents();
}

CheckOptions parseCheckOptions(const std::vector<std::string>& arguments) {
  CheckOptions options;
  std::vector<std::string> files;
  std::vector<std::string> drawingOptions;  // how to draw, which only --dxf uses
  std::vector<std::string> toleranceTexts;  // read once the check's components are known
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const Argument argument = splitArgument(arguments[i]);
    const std::string& name = argument.name;
    if (name == "-h" || name == "--help") {
      options.help = true;
      return options;
    }
    if (name == "--tolerance") {
      if (!argument.value && i + 1 == arguments.size()) throw UsageError(name + " needs a value");
      toleranceTexts.push_back(argument.value ? *argument.value : arguments[++i]);
    } else if (takesValue(name)) {
      if (!argument.value && i + 1 == arguments.size()) throw UsageError(name + " needs a value");
      apply(options, name, argument.value ? *argument.value : arguments[++i]);
      if (name == "--text-height" || name == "--axes" || name == "--z") {
        drawingOptions.push_back(name);
      }
    } else if (name == "--keep-earlier" && !argument.value) {
      options.vectors.keepEarlier = true;
      drawingOptions.push_back(name);
    } else if (name == "--all-pairs" && !argument.value) {
      options.report.allPairs = true;
    } else if (name == "--volumes" && !argument.value) {
      options.surface.volumes = true;
    } else if (!argument.value && applyFlag(options, name)) {
      continue;  // a switch, now on
    } else if (name.size() > 1 && name[0] == '-') {
      throw UsageError("unknown option " + survey::inQuotes(arguments[i]));
    } else {
      files.push_back(arguments[i]);
    }
  }
  if (files.size() < 2) {
    throw UsageError("give the design file and one or more survey files (" +
                     std::to_string(files.size()) + " given)");
  }
  options.design = files[0];
  options.survey = files[1];
  options.moreSurveys.assign(files.begin() + 2, files.end());
  // --layer names the drawing's layer of whichever reference --against names.
  if (options.against == Against::Alignment) {
    std::swap(options.alignment.layer, options.surface.layer);
  }
  if (options.against == Against::Points && options.surface.layer) {
    throw UsageError("--layer needs --against surface or --against alignment");
  }
  for (const std::string& text : toleranceTexts) apply(options, "--tolerance", text);
  if (options.against != Against::Surface && !firstSurfaceOptionGiven(options.surface).empty()) {
    throw UsageError(firstSurfaceOptionGiven(options.surface) + " needs --against surface");
  }
  if (options.against != Against::Alignment &&
      !firstAlignmentOptionGiven(options.alignment).empty()) {
    throw UsageError(firstAlignmentOptionGiven(options.alignment) + " needs --against alignment");
  }
  // Deviations are taken along a drawing's UCS; a name alone says nothing.
  if (options.ucs && !options.drawing) throw UsageError("--ucs needs --drawing FILE");
  for (const std::string& option : drawingOptions) {
    if (!options.dxf) throw UsageError(option + " needs --dxf OUT.dxf");
  }
  if (options.dxf && options.drawing && sameFile(*options.dxf, *options.drawing)) {
    throw UsageError(
        "--dxf names the drawing itself; the vectors are drawn into a copy, so give "
        "another file");
  }
  if (options.designCrs.has_value() != options.surveyCrs.has_value()) {
    throw UsageError(options.designCrs ? "--design-crs needs --survey-crs"
                                       : "--survey-crs needs --design-crs");
  }
  refuseOutputsOverInputs(options);
  return options;
}

void applyOption(CheckOptions& options, const std::string& name,
                 const std::optional<std::string>& value) {
  // --tolerance is not among takesValue()'s: the command line reads it once --against is known.
  const bool valued = takesValue(name) || name == "--tolerance";
  if (valued && value) {
    apply(options, name, *value);
  } else if (valued) {
    throw UsageError(name + " needs a value");
  } else if (value || !applyFlag(options, name)) {
    throw UsageError("unknown option " + survey::inQuotes(name));
  }
}

}  // namespace check

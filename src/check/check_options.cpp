#include "check/check_options.h"

#include <cctype>
#include <charconv>

#include "numbers/number_text.h"
#include "survey/coordinate_text.h"

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
  for (const char* option : {"--match", "--columns", "--survey-prefix", "--survey-suffix",
                             "--repeats", "--tolerance", "--drawing", "--ucs", "--csv", "--pdf",
                             "--decimals", "--dxf", "--text-height", "--axes", "--z"}) {
    if (name == option) return true;
  }
  return false;
}

double radiusOf(const std::string& match) {
  const std::optional<double> radius = numbers::numberIn(match.substr(5), false);
  if (!radius || *radius <= 0.0) {
    throw UsageError("--match near:R needs a distance R greater than 0, such as near:0.5");
  }
  return *radius;
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

void apply(CheckOptions& options, const std::string& name, const std::string& value) {
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
    } else if (name == "--columns") {
      options.reading.columns = survey::parseColumnOrder(value);
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
      options.tolerances = survey::parseTolerances(value);
    } else if (name == "--drawing") {
      options.drawing = value;
    } else if (name == "--ucs") {
      options.ucs = value;
    } else if (name == "--csv") {
      options.csv = value;
    } else if (name == "--pdf") {
      options.pdf = value;
    } else if (name == "--decimals") {
      options.decimals = decimalsOf(value);
    } else if (name == "--dxf") {
      options.dxf = value;
    } else if (name == "--text-height") {
      options.vectors.textHeight = textHeightOf(value);
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

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error)) return true;
  const std::filesystem::path first = std::filesystem::weakly_canonical(a, error);
  if (error) return false;
  const std::filesystem::path second = std::filesystem::weakly_canonical(b, error);
  return !error && first == second;
}

}  // namespace

CheckOptions parseCheckOptions(const std::vector<std::string>& arguments) {
  CheckOptions options;
  std::vector<std::string> files;
  std::vector<std::string> drawingOptions;  // how to draw, which only --dxf uses
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const Argument argument = splitArgument(arguments[i]);
    const std::string& name = argument.name;
    if (name == "-h" || name == "--help") {
      options.help = true;
      return options;
    }
    if (takesValue(name)) {
      if (!argument.value && i + 1 == arguments.size()) throw UsageError(name + " needs a value");
      apply(options, name, argument.value ? *argument.value : arguments[++i]);
      if (name == "--text-height" || name == "--axes" || name == "--z") {
        drawingOptions.push_back(name);
      }
    } else if (name == "--decimal-comma" && !argument.value) {
      options.reading.decimalComma = true;
    } else if (name == "--ignore-case" && !argument.value) {
      options.idMatching.ignoreCase = true;
    } else if (name == "--skip-bad-lines" && !argument.value) {
      options.reading.skipBadLines = true;
    } else if (name.size() > 1 && name[0] == '-') {
      throw UsageError("unknown option " + survey::inQuotes(arguments[i]));
    } else {
      files.push_back(arguments[i]);
    }
  }
  if (files.size() != 2) {
    throw UsageError("give two point files, the design and the survey (" +
                     std::to_string(files.size()) + " given)");
  }
  options.design = files[0];
  options.survey = files[1];
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
  return options;
}

}  // namespace check

#include "vectors_seen.h"
#include "support/project_paths.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace check::draw::testing_support {

std::vector<const VectorsSeen::Entity*> VectorsSeen::on(const std::string& layer,
                                                        const std::string& kind) const {
  std::vector<const Entity*> found;
  for (const Entity& entity : entities) {
    if (entity.layer == layer && entity.kind == kind) found.push_back(&entity);
  }
  return found;
}

const VectorsSeen::Entity& VectorsSeen::text(const std::string& string) const {
  const Entity* found = nullptr;
  int count = 0;
  for (const Entity& entity : entities) {
    if (entity.kind == "TEXT" && entity.name == string) {
      found = &entity;
      ++count;
    }
  }
  if (count != 1) throw std::runtime_error(std::to_string(count) + " texts read " + string);
  return *found;
}

const VectorsSeen::Entity* VectorsSeen::lineTo(const Eigen::Vector3d& end) const {
  for (const Entity& entity : entities) {
    if (entity.kind == "LINE" && entity.point(1).isApprox(end, 1e-12)) return &entity;
  }
  return nullptr;
}

bool ezdxfInstalled() {
  static const bool installed = std::system("/usr/bin/python3 -c 'import ezdxf' 2>/dev/null") == 0;
  return installed;
}

VectorsSeen readVectors(const std::filesystem::path& drawing) {
  const std::string command = "/usr/bin/python3 '" +
                              ::testing_support::sourcePath("tests/check/draw/read_vectors.py") +
                              "' '" + drawing.string() + "' 2>&1";
  VectorsSeen seen;
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string output;
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
  if (::pclose(pipe) != 0) throw std::runtime_error("ezdxf could not read it: " + output);
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string kind;
    fields >> kind;
    if (kind == "AUDIT") {
      fields >> seen.auditErrors;
    } else if (kind == "LAYER") {
      std::string name;
      int colour = 0;
      fields >> name >> colour;
      seen.layerColours[name] = colour;
    } else if (kind == "UCS") {
      seen.ucsNames.emplace_back();
      fields >> seen.ucsNames.back();
    } else {
      VectorsSeen::Entity entity{kind, "", "", {}};
      fields >> entity.layer >> entity.name;
      for (double value = 0; fields >> value;) entity.values.push_back(value);
      seen.entities.push_back(entity);
    }
  }
  return seen;
}

}  // namespace check::draw::testing_support

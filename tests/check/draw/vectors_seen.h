#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <Eigen/Core>

namespace check::draw::testing_support {

// A drawing of deviation vectors as ezdxf, our independent reader, sees it.
struct VectorsSeen {
  struct Entity {
    std::string kind;  // INSERT, TEXT, LINE, CIRCLE, ELLIPSE
    std::string layer;
    std::string name;            // an insert's block, a text's string; "-" otherwise
    std::vector<double> values;  // INSERT tail, tip; TEXT insert, direction; LINE start, end;
                                 // CIRCLE centre, radius

    Eigen::Vector3d point(std::size_t i) const {
      return {values.at(3 * i), values.at(3 * i + 1), values.at(3 * i + 2)};
    }
  };

  int auditErrors = -1;
  std::map<std::string, int> layerColours;
  std::vector<std::string> ucsNames;
  std::vector<Entity> entities;

  std::vector<const Entity*> on(const std::string& layer, const std::string& kind) const;
  // The text of that string; fails the test when there is not exactly one.
  const Entity& text(const std::string& string) const;
  // The line that ends at `end`.
  const Entity* lineTo(const Eigen::Vector3d& end) const;
};

bool ezdxfInstalled();
VectorsSeen readVectors(const std::filesystem::path& drawing);

}  // namespace check::draw::testing_support

#pragma once

#include <Eigen/Core>
#include <QString>
#include <string>
#include <vector>

namespace e2e {

// A saved drawing as ezdxf, our independent reader, sees it, in world coordinates.
struct DrawingSeen {
  struct Arrow {
    std::string block;
    Eigen::Vector3d tail;  // the insertion point
    Eigen::Vector3d tip;   // the arrow block's tip, three block units along its X axis
  };
  struct Text {
    std::string text;
    double height = 0;
    Eigen::Vector3d insert;
    Eigen::Vector3d along;   // the baseline's direction
    Eigen::Vector3d normal;  // the text plane's normal
  };
  struct Ellipse {
    Eigen::Vector3d centre;
    Eigen::Vector3d majorAxis;
    Eigen::Vector3d normal;
    double ratio = 0;
  };
  struct Line {
    Eigen::Vector3d start;
    Eigen::Vector3d end;
  };
  struct Ucs {
    std::string name;
    Eigen::Vector3d origin;
    Eigen::Vector3d xAxis;
    Eigen::Vector3d yAxis;
  };

  int auditErrors = 0;
  std::string currentUcsName;
  std::string textStyle;
  std::vector<Arrow> arrows;
  std::vector<Text> texts;
  std::vector<Ellipse> ellipses;
  std::vector<Line> lines;
  std::vector<Eigen::Vector3d> points;
  std::vector<Ucs> ucs;

  const Ucs* findUcs(const std::string& name) const;
  const Text* findText(const std::string& text) const;
};

// Whether the system Python has ezdxf; the tests that read drawings back skip without it.
bool ezdxfInstalled();

// Reads `path` with ezdxf under the system Python. Throws std::runtime_error with ezdxf's
// complaint when it cannot.
DrawingSeen readWithEzdxf(const QString& path);

}  // namespace e2e

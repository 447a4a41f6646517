#pragma once

#include <memory>
#include <optional>
#include <string>

#include "cad/automation.h"
#include "host/automation/hosted_drawing.h"
#include "host/geom/frame.h"

namespace host {

// The name under which an unnamed current UCS is handed out.
inline constexpr const char* kActiveUcsName = "_Active";

// A named UCS of the drawing's table, found by its name on every call (so it follows a
// redefinition), or the unnamed current UCS as it was when asked for, named "_Active" and not
// in the table.
class HostUcs : public cad::UCS {
 public:
  // A UCS of the table.
  HostUcs(std::shared_ptr<HostedDrawing> document, std::string name);
  // The unnamed current UCS.
  HostUcs(std::shared_ptr<HostedDrawing> document, const geom::Frame& unnamed);

  std::string Name() override;
  cad::Matrix4 GetUCSMatrix() override;
  // Removes a named UCS from the table; the unnamed one is in no table, so nothing changes.
  void Delete() override;

 private:
  std::shared_ptr<HostedDrawing> document_;
  std::string name_;
  std::optional<geom::Frame> unnamed_;

  geom::Frame frame() const;
};

class HostUserCoordinateSystems : public cad::UserCoordinateSystems {
 public:
  explicit HostUserCoordinateSystems(std::shared_ptr<HostedDrawing> document);
  cad::Ref<cad::UCS> Add(const cad::Point3& origin, const cad::Point3& xAxisPoint,
                         const cad::Point3& yAxisPoint, const std::string& name) override;

 private:
  std::shared_ptr<HostedDrawing> document_;
};

}  // namespace host

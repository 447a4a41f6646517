#pragma once

#include <memory>

#include "cad/automation.h"
#include "host/automation/hosted_drawing.h"

namespace host {

class HostApplication;

class HostUtility : public cad::Utility {
 public:
  HostUtility(std::shared_ptr<HostApplication> application,
              std::shared_ptr<HostedDrawing> document);

  // Asks the application's point source; a cancelled request fails with "Point request
  // cancelled", a request in a drawing that is (or gets) closed with "The drawing has been
  // closed".
  cad::Point3 GetPoint(const std::optional<cad::Point3>& basePoint,
                       const std::string& prompt) override;
  // Between world (0) and the current UCS (1); any other code fails.
  cad::Point3 TranslateCoordinates(const cad::Point3& point, std::int32_t fromSystem,
                                   std::int32_t toSystem, std::int16_t displacement) override;

 private:
  std::shared_ptr<HostApplication> application_;
  std::shared_ptr<HostedDrawing> document_;
};

}  // namespace host

// Circles and the deletion of an entity through the COM backend: the calls reach the CAD
// program by name with the argument types its object model takes, and a deleted entity refuses
// every later call with the program's number.

#include <functional>
#include <utility>
#include <vector>

#include "cad/com/com_launcher.h"
#include "standin/protocol.h"
#include "standin_process.h"
#include "test_support.h"

TEST_CASE(aCircleIsAddedAndDeletedByName) {
  RunningStandIn release18(18);
  auto launcher = cad::com::makeLauncher();
  const Connection connection = attachTo(*launcher, 18);
  CallRecord record;
  const cad::Ref<cad::Entity> circle = connection.moSpace->AddCircle({1, 2, 3}, 0.5);
  circle->Delete();
  checkSignatures(record.calls(),
                  {"ModelSpace.AddCircle METHOD R8[3] R8:0.5", "Circle.Delete METHOD"}, __FILE__,
                  __LINE__);
  for (const auto& [name, call] : std::vector<std::pair<const char*, std::function<void()>>>{
           {"moved", [&] { circle->TransformBy(cad::Matrix4::Identity()); }},
           {"deleted again", [&] { circle->Delete(); }}}) {
    const cad::AutomationError error = failureOf(call);
    check::record(error.number() == static_cast<long>(standin::kObjectDeleted),
                  std::string("a deleted circle ") + name, __FILE__, __LINE__,
                  "got " + std::to_string(error.number()));
  }
  const cad::AutomationError refused = failureOf([&] {
    connection.moSpace->AddCircle({0, 0, 0}, 0);
  });
  CHECK_EQ(refused.number(), static_cast<long>(E_INVALIDARG));
}

#include <optional>

#include "standin/drawing_objects.h"
#include "standin/protocol.h"

// The drawing's UCS table and its UCSs.
namespace standin {
namespace {

std::optional<std::size_t> ucsNamed(const Server& server, const std::wstring& name) {
  for (std::size_t i = 0; i < server.ucsTable.size(); ++i) {
    if (_wcsicmp(server.ucsTable[i].name.c_str(), name.c_str()) == 0) return i;
  }
  return std::nullopt;
}

// A UCS of the table, found by its name on each call, or the unnamed current UCS, which is in
// no table: deleting it removes nothing, and only the object stops answering.
class Ucs : public DispatchObject {
 public:
  Ucs(Server& server, std::wstring name, std::optional<Frame> unnamed = std::nullopt)
      : DispatchObject(server, "UCS",
                       {{L"Name", Access::Get},
                        {L"GetUCSMatrix", Access::Method},
                        {L"Delete", Access::Method}}),
        name_(std::move(name)),
        unnamed_(unnamed) {}

 protected:
  void perform(const Call& call, VARIANT& result) override {
    if (deleted_) throw Fault{kObjectDeleted, L""};
    expectArguments(call, 0);
    const std::optional<std::size_t> entry = ucsNamed(server(), name_);
    if (!unnamed_ && !entry) throw Fault{kObjectDeleted, L""};
    if (call.member == L"Name") {
      setText(result, unnamed_ ? name_ : server().ucsTable[*entry].name);
    } else if (call.member == L"GetUCSMatrix") {
      setMatrix(result, (unnamed_ ? *unnamed_ : server().ucsTable[*entry].frame).matrix());
    } else if (unnamed_) {
      deleted_ = true;
    } else {
      server().ucsTable.erase(server().ucsTable.begin() + static_cast<std::ptrdiff_t>(*entry));
    }
  }

 private:
  std::wstring name_;
  std::optional<Frame> unnamed_;
  bool deleted_ = false;
};

class UserCoordinateSystems : public DispatchObject {
 public:
  explicit UserCoordinateSystems(Server& server)
      : DispatchObject(server, "UserCoordinateSystems", {{L"Add", Access::Method}}) {}

 protected:
  // Adding a name that exists redefines the UCS of that name.
  void perform(const Call& call, VARIANT& result) override {
    expectArguments(call, 4);
    const Frame frame = frameThrough(pointOf(call.argument(0)), pointOf(call.argument(1)),
                                     pointOf(call.argument(2)));
    const std::wstring name = textOf(call.argument(3));
    std::vector<UcsRecord>& table = server().ucsTable;
    const std::optional<std::size_t> existing = ucsNamed(server(), name);
    if (existing) {
      table[*existing].frame = frame;
    } else {
      table.push_back({name, frame});
    }
    IDispatch* ucs = new Ucs(server(), existing ? table[*existing].name : name);
    setObject(result, ucs);
    ucs->Release();
  }
};

}  // namespace

IDispatch* newUserCoordinateSystems(Server& server) {
  return new UserCoordinateSystems(server);
}

// An unnamed current UCS comes back under the name the CAD program gives it.
IDispatch* newActiveUcs(Server& server) {
  if (server.ucsName.empty()) return new Ucs(server, L"_Active", currentUcs());
  return new Ucs(server, server.ucsName);
}

}  // namespace standin

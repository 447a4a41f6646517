#include "cad/com/apartment.h"

#include <objbase.h>

#include "cad/com/com_error.h"

namespace cad::com {

Apartment::Apartment() {
  const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  // A thread that a toolkit already joined to a multithreaded apartment can still make every
  // call; it just must not be uninitialised by us.
  if (hr == RPC_E_CHANGED_MODE) return;
  if (FAILED(hr)) throw comError(hr, "COM could not be initialised");
  mustUninitialize_ = true;
}

Apartment::~Apartment() {
  if (mustUninitialize_) CoUninitialize();
}

}  // namespace cad::com

#pragma once

namespace cad::com {

// COM initialised on the calling thread as a single-threaded apartment, for as long as this
// object lives. Every automation object shares it, so the apartment is left only after the
// last reference into the CAD program has been released.
class Apartment {
 public:
  Apartment();
  ~Apartment();
  Apartment(const Apartment&) = delete;
  Apartment& operator=(const Apartment&) = delete;

 private:
  bool mustUninitialize_ = false;
};

}  // namespace cad::com

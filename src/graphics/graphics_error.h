// A drawing resource that could not be made: a bitmap, a device context or a GDI object.
#pragma once

#include <stdexcept>

namespace tezun {

class EOutOfResources : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tezun

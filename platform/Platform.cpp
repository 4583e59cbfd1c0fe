#include "platform/Platform.h"

#include <cstdlib>
#include <stdexcept>

namespace marlquin {
namespace {

Platform* current = nullptr;

}  // namespace

Platform& platform() {
  if (current == nullptr) throw std::logic_error("no platform installed");
  return *current;
}

void SetPlatform(Platform* implementation) { current = implementation; }

}  // namespace marlquin

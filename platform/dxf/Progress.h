#pragma once
// How far a long read or write of a drawing has come, from 0 to 1, for a progress meter.
// Called now and then (every few thousand objects), never for every object.
#include <functional>

namespace platform::dxf {
using Progress = std::function<void(double fraction)>;
}  // namespace platform::dxf

#pragma once
// How the LIST command writes numbers and points: four decimals, as the host lists them.
#include <string>

#include "db/Geometry.h"

namespace platform {
std::wstring ListNumber(double value);
std::wstring ListPoint(const AcGePoint3d& point);  // "X=1.0000 Y=2.0000 Z=0.0000"
}  // namespace platform

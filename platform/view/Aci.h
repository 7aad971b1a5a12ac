#pragma once
// The 256 colours of the AutoCAD Color Index as CAD programs show them.
#include <cstdint>

namespace platform::view {

// 0xRRGGBB of index 0..255 (0 and 7 stand for the foreground, which the caller decides).
std::uint32_t AciRgb(int index);

}  // namespace platform::view

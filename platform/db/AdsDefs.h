#pragma once
// The editor's value types, with its result codes.
#include <cstdint>

#include "db/AdsCodes.h"

// Point indices (an enumeration rather than macros, so other code may still use the names).
#ifndef ADS_POINT_INDICES
#define ADS_POINT_INDICES
enum AdsPointIndex { X = 0, Y = 1, Z = 2 };
#endif

#ifndef ADS_DEFS_TYPES
#define ADS_DEFS_TYPES
using ads_real = double;
using ads_point = ads_real[3];
using ads_name = std::int64_t[2];
using ads_matrix = ads_real[4][4];
using ads_pointp = ads_real*;
using ads_namep = std::int64_t*;
using ACHAR = wchar_t;

namespace Adesk {
using Int16 = std::int16_t;
using UInt16 = std::uint16_t;
using Int32 = std::int32_t;
using UInt32 = std::uint32_t;
using Int64 = std::int64_t;
using UInt64 = std::uint64_t;
using Int8 = std::int8_t;
using UInt8 = std::uint8_t;
using LongPtr = std::int64_t;
using IntPtr = std::intptr_t;
using Boolean = bool;
constexpr bool kFalse = false;
constexpr bool kTrue = true;
}  // namespace Adesk
#endif

#pragma once
// The editor's result codes, the result-buffer type codes and the editor's value types.
// Each code is guarded on its own so that another header defining the same names with the
// same values can be included beside this one.
#include <cstdint>

#ifndef RTNONE
#define RTNONE 5000
#endif
#ifndef RTREAL
#define RTREAL 5001
#endif
#ifndef RTPOINT
#define RTPOINT 5002
#endif
#ifndef RTSHORT
#define RTSHORT 5003
#endif
#ifndef RTANG
#define RTANG 5004
#endif
#ifndef RTSTR
#define RTSTR 5005
#endif
#ifndef RTENAME
#define RTENAME 5006
#endif
#ifndef RTPICKS
#define RTPICKS 5007
#endif
#ifndef RTORINT
#define RTORINT 5008
#endif
#ifndef RT3DPOINT
#define RT3DPOINT 5009
#endif
#ifndef RTLONG
#define RTLONG 5010
#endif
#ifndef RTVOID
#define RTVOID 5014
#endif
#ifndef RTLB
#define RTLB 5016
#endif
#ifndef RTLE
#define RTLE 5017
#endif
#ifndef RTNIL
#define RTNIL 5019
#endif
#ifndef RTDXF0
#define RTDXF0 5020
#endif
#ifndef RTT
#define RTT 5021
#endif
#ifndef RTNORM
#define RTNORM 5100
#endif
#ifndef RTERROR
#define RTERROR (-5001)
#endif
#ifndef RTCAN
#define RTCAN (-5002)
#endif
#ifndef RTREJ
#define RTREJ (-5003)
#endif
#ifndef RTFAIL
#define RTFAIL (-5004)
#endif
#ifndef RTKWORD
#define RTKWORD (-5005)
#endif
#ifndef RTINPUTTRUNCATED
#define RTINPUTTRUNCATED (-5008)
#endif

// acedInitGet flags.
#ifndef RSG_NONULL
#define RSG_NONULL 0x0001
#define RSG_NOZERO 0x0002
#define RSG_NONEG 0x0004
#define RSG_NOLIM 0x0008
#define RSG_GETZ 0x0010
#define RSG_DASH 0x0020
#define RSG_2D 0x0040
#define RSG_OTHER 0x0080
#endif

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

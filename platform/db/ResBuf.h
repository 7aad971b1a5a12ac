#pragma once
// Result buffers: the linked lists through which the host hands values, extended data and
// selection filters back and forth. Strings and binary chunks in a chain are owned by it and
// freed with it by acutRelRb.
#include "db/AdsDefs.h"

struct ads_binary {
    short clen;
    char* buf;
};

union ads_u_val {
    ads_real rreal;
    ads_real rpoint[3];
    short rint;
    wchar_t* rstring;
    std::int64_t rlname[2];
    std::int32_t rlong;
    std::int64_t mnInt64;
    ads_binary rbinary;
    unsigned char ihandle[8];
};

struct resbuf {
    resbuf* rbnext;
    short restype;
    ads_u_val resval;
};

// A new buffer of the given type with a zero value and no successor.
resbuf* acutNewRb(int type);
// Frees the chain from rb on, with the strings and binary chunks it holds. RTNORM.
int acutRelRb(resbuf* rb);
// A chain from type and value pairs ending with a 0 (or RTNONE) type: strings are copied, points are
// taken from an ads_point, 16-bit values as int, 32-bit values as int32, reals as double,
// binary chunks (1004) as const ads_binary*. RTDXF0 stands for group 0 (0 ends the list);
// -3, RTLB, RTLE, RTNIL, RTT and RTVOID carry no value. Null on a type it does not
// know (with the chain built so far freed).
resbuf* acutBuildList(int type, ...);
// Frees a string the host allocated for the caller and nulls the pointer.
void acutDelBuffer(wchar_t*& buffer);

namespace platform {

enum class ResbufValueKind { None, String, Binary, Point, Real, Short, Long, Int64, Name };
// Which member of the value union a buffer of this type uses.
ResbufValueKind ResbufKind(int restype);
// A newly allocated copy of text for a chain (freed by acutRelRb / acutDelBuffer).
wchar_t* DuplicateRbString(const wchar_t* text);
// A deep copy of one buffer (no successor).
resbuf* CopyRb(const resbuf* rb);
// A deep copy of a whole chain.
resbuf* CopyRbChain(const resbuf* rb);

// Frees a chain when it goes out of scope.
class ResbufPtr {
public:
    explicit ResbufPtr(resbuf* rb = nullptr) : m_rb(rb) {}
    ~ResbufPtr() { acutRelRb(m_rb); }
    ResbufPtr(const ResbufPtr&) = delete;
    ResbufPtr& operator=(const ResbufPtr&) = delete;
    resbuf* get() const { return m_rb; }
    resbuf* release() { resbuf* rb = m_rb; m_rb = nullptr; return rb; }

private:
    resbuf* m_rb;
};

}  // namespace platform

#include "db/ResBuf.h"

#include <cstdarg>
#include <cstring>
#include <cwchar>

namespace platform {

ResbufValueKind ResbufKind(int t) {
    using K = ResbufValueKind;
    switch (t) {
    case RTSTR: case RTDXF0: return K::String;
    case RTREAL: case RTANG: case RTORINT: return K::Real;
    case RTPOINT: case RT3DPOINT: return K::Point;
    case RTSHORT: return K::Short;
    case RTLONG: return K::Long;
    case RTENAME: case RTPICKS: return K::Name;
    case RTNONE: case RTVOID: case RTLB: case RTLE: case RTNIL: case RTT: return K::None;
    default: break;
    }
    if (t == -3) return K::None;
    if (t == -1 || t == -2) return K::Name;
    if (t == -4 || (t >= 0 && t <= 9)) return K::String;
    if (t >= 10 && t <= 17) return K::Point;
    if (t >= 38 && t <= 59) return K::Real;
    if (t >= 60 && t <= 79) return K::Short;
    if (t >= 90 && t <= 99) return K::Long;
    if (t >= 100 && t <= 109) return K::String;
    if (t >= 140 && t <= 149) return K::Real;
    if (t >= 160 && t <= 169) return K::Int64;
    if (t >= 170 && t <= 179) return K::Short;
    if (t >= 270 && t <= 289) return K::Short;
    if (t >= 290 && t <= 299) return K::Short;
    if (t >= 300 && t <= 369) return K::String;
    if (t >= 370 && t <= 389) return K::Short;
    if (t >= 390 && t <= 399) return K::String;
    if (t >= 400 && t <= 409) return K::Short;
    if (t >= 410 && t <= 419) return K::String;
    if (t >= 420 && t <= 429) return K::Long;
    if (t >= 430 && t <= 439) return K::String;
    if (t >= 440 && t <= 459) return K::Long;
    if (t >= 460 && t <= 469) return K::Real;
    if (t >= 470 && t <= 479) return K::String;
    if (t == 999) return K::String;
    if (t == 1004) return K::Binary;
    if (t >= 1000 && t <= 1009) return K::String;
    if (t >= 1010 && t <= 1039) return K::Point;
    if (t >= 1040 && t <= 1059) return K::Real;
    if (t >= 1060 && t <= 1070) return K::Short;
    if (t == 1071) return K::Long;
    return K::None;
}

wchar_t* DuplicateRbString(const wchar_t* text) {
    if (!text) text = L"";
    const size_t n = std::wcslen(text);
    wchar_t* copy = new wchar_t[n + 1];
    std::wmemcpy(copy, text, n + 1);
    return copy;
}

resbuf* CopyRb(const resbuf* rb) {
    if (!rb) return nullptr;
    resbuf* copy = acutNewRb(rb->restype);
    copy->resval = rb->resval;
    switch (ResbufKind(rb->restype)) {
    case ResbufValueKind::String:
        copy->resval.rstring = rb->resval.rstring ? DuplicateRbString(rb->resval.rstring) : nullptr;
        break;
    case ResbufValueKind::Binary:
        if (rb->resval.rbinary.buf && rb->resval.rbinary.clen > 0) {
            copy->resval.rbinary.buf = new char[static_cast<size_t>(rb->resval.rbinary.clen)];
            std::memcpy(copy->resval.rbinary.buf, rb->resval.rbinary.buf, static_cast<size_t>(rb->resval.rbinary.clen));
        } else {
            copy->resval.rbinary.buf = nullptr;
            copy->resval.rbinary.clen = 0;
        }
        break;
    default:
        break;
    }
    return copy;
}

resbuf* CopyRbChain(const resbuf* rb) {
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (; rb; rb = rb->rbnext) {
        *tail = CopyRb(rb);
        tail = &(*tail)->rbnext;
    }
    return head;
}

}  // namespace platform

using platform::ResbufValueKind;

resbuf* acutNewRb(int type) {
    resbuf* rb = new resbuf;
    std::memset(rb, 0, sizeof(resbuf));
    rb->restype = static_cast<short>(type);
    return rb;
}

int acutRelRb(resbuf* rb) {
    while (rb) {
        resbuf* next = rb->rbnext;
        switch (platform::ResbufKind(rb->restype)) {
        case ResbufValueKind::String: delete[] rb->resval.rstring; break;
        case ResbufValueKind::Binary: delete[] rb->resval.rbinary.buf; break;
        default: break;
        }
        delete rb;
        rb = next;
    }
    return RTNORM;
}

resbuf* acutBuildList(int type, ...) {
    va_list args;
    va_start(args, type);
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (; type != 0 && type != RTNONE; type = va_arg(args, int)) {
        const int restype = type == RTDXF0 ? 0 : type;
        const ResbufValueKind kind = platform::ResbufKind(type);
        const bool knownWithoutValue = type == -3 || type == RTLB || type == RTLE || type == RTNIL || type == RTT ||
                                       type == RTVOID;
        if (kind == ResbufValueKind::None && !knownWithoutValue) {
            acutRelRb(head);
            va_end(args);
            return nullptr;
        }
        resbuf* rb = acutNewRb(restype);
        switch (kind) {
        case ResbufValueKind::String: rb->resval.rstring = platform::DuplicateRbString(va_arg(args, const wchar_t*)); break;
        case ResbufValueKind::Binary: {
            const ads_binary* b = va_arg(args, const ads_binary*);
            if (b && b->buf && b->clen > 0) {
                rb->resval.rbinary.clen = b->clen;
                rb->resval.rbinary.buf = new char[static_cast<size_t>(b->clen)];
                std::memcpy(rb->resval.rbinary.buf, b->buf, static_cast<size_t>(b->clen));
            }
            break;
        }
        case ResbufValueKind::Point: {
            const double* p = va_arg(args, const double*);
            for (int i = 0; i < 3; ++i) rb->resval.rpoint[i] = p ? p[i] : 0.0;
            break;
        }
        case ResbufValueKind::Real: rb->resval.rreal = va_arg(args, double); break;
        case ResbufValueKind::Short: rb->resval.rint = static_cast<short>(va_arg(args, int)); break;
        case ResbufValueKind::Long: rb->resval.rlong = va_arg(args, std::int32_t); break;
        case ResbufValueKind::Int64: rb->resval.mnInt64 = va_arg(args, std::int64_t); break;
        case ResbufValueKind::Name: {
            const std::int64_t* n = va_arg(args, const std::int64_t*);
            rb->resval.rlname[0] = n ? n[0] : 0;
            rb->resval.rlname[1] = n ? n[1] : 0;
            break;
        }
        case ResbufValueKind::None: break;
        }
        *tail = rb;
        tail = &rb->rbnext;
    }
    va_end(args);
    return head;
}

void acutDelBuffer(wchar_t*& buffer) {
    delete[] buffer;
    buffer = nullptr;
}

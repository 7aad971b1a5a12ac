#include "dxf/XDataTags.h"

#include <charconv>
#include <cstring>

#include "db/DbObject.h"
#include "db/ResBuf.h"
#include "text/Utf8.h"

namespace platform::dxf {

namespace {

std::string FormatReal(double value) {
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, r.ptr);
    if (text.find_first_of(".eEn") == std::string::npos) text += ".0";
    return text;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

double ToReal(std::string_view text) {
    double value = 0;
    text = TrimBlanks(text);
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

long long ToInt(std::string_view text) {
    long long value = 0;
    text = TrimBlanks(text);
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

resbuf* XDataTagsToChain(const std::vector<OwnedTag>& tags) {
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (size_t i = 0; i < tags.size(); ++i) {
        const OwnedTag& t = tags[i];
        const int code = t.code;
        resbuf* rb = nullptr;
        if (code == 1001 || (code >= 1000 && code <= 1005 && code != 1004)) {
            rb = acutNewRb(code);
            rb->resval.rstring = DuplicateRbString(FromUtf8(t.value).c_str());
        } else if (code == 1004) {
            rb = acutNewRb(code);
            const size_t n = t.value.size() / 2;
            rb->resval.rbinary.clen = static_cast<short>(n);
            rb->resval.rbinary.buf = n ? new char[n] : nullptr;
            for (size_t k = 0; k < n; ++k)
                rb->resval.rbinary.buf[k] = static_cast<char>(HexValue(t.value[2 * k]) * 16 + HexValue(t.value[2 * k + 1]));
        } else if (code >= 1010 && code <= 1013) {
            rb = acutNewRb(code);
            rb->resval.rpoint[0] = ToReal(t.value);
            // The Y and Z values follow as codes +10 and +20.
            for (int axis = 1; axis <= 2 && i + 1 < tags.size() && tags[i + 1].code == code + 10 * axis; ++axis)
                rb->resval.rpoint[axis] = ToReal(tags[++i].value);
        } else if (code >= 1040 && code <= 1042) {
            rb = acutNewRb(code);
            rb->resval.rreal = ToReal(t.value);
        } else if (code == 1070) {
            rb = acutNewRb(code);
            rb->resval.rint = static_cast<short>(ToInt(t.value));
        } else if (code == 1071) {
            rb = acutNewRb(code);
            rb->resval.rlong = static_cast<std::int32_t>(ToInt(t.value));
        } else {
            continue;  // not an extended data code: nothing the database could hold
        }
        *tail = rb;
        tail = &rb->rbnext;
    }
    return head;
}

std::vector<OwnedTag> XDataOfTags(const std::vector<Tag>& tags, std::size_t start) {
    std::vector<OwnedTag> out;
    for (size_t i = start; i < tags.size(); ++i) out.push_back({tags[i].code, std::string(tags[i].Value())});
    return out;
}

std::vector<OwnedTag> ObjectXDataTags(const AcDbObject& object) {
    std::vector<OwnedTag> out;
    for (const AcDbXDataApp& app : object.xDataApps()) {
        out.push_back({1001, ToUtf8(app.app)});
        for (const AcDbXDataItem& item : app.items) {
            const int code = item.code;
            if (code >= 1000 && code <= 1005 && code != 1004) {
                out.push_back({code, ToUtf8(item.text)});
            } else if (code == 1004) {
                static const char digits[] = "0123456789ABCDEF";
                std::string hex;
                for (unsigned char b : item.bytes) {
                    hex += digits[b >> 4];
                    hex += digits[b & 15];
                }
                out.push_back({code, hex});
            } else if (code >= 1010 && code <= 1013) {
                for (int axis = 0; axis < 3; ++axis) out.push_back({code + 10 * axis, FormatReal(item.values[axis])});
            } else if (code >= 1040 && code <= 1042) {
                out.push_back({code, FormatReal(item.values[0])});
            } else if (code == 1070 || code == 1071) {
                out.push_back({code, std::to_string(item.number)});
            }
        }
    }
    return out;
}

}  // namespace platform::dxf

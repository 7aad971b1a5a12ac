#include "provider/ResultSet.h"

namespace platform::provider {

size_t RowBytes(const _variant_t* row, size_t count) {
    size_t bytes = count * sizeof(_variant_t);
    for (size_t i = 0; i < count; ++i) {
        if (row[i].vt == VT_BSTR && row[i].bstrVal) bytes += SysStringLen(row[i].bstrVal) * sizeof(wchar_t) + 16;
        else if (row[i].vt == (VT_ARRAY | VT_UI1) && row[i].parray) bytes += row[i].parray->rgsabound[0].cElements + 32;
    }
    return bytes;
}

}  // namespace platform::provider

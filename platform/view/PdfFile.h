#pragma once
// A PDF file being written: numbered objects, streams, the cross-reference table and the
// trailer. Objects may be written in any order; a number is reserved before it is referred to.
#include <string>
#include <string_view>
#include <vector>

#include "view/PdfBuffer.h"

namespace platform::view {

class PdfFile {
public:
    PdfFile();

    int Reserve();
    // The object's body follows in the buffer, up to End.
    PdfBuffer& Begin(int id);
    void End();
    // A stream object: `dict` holds the entries besides /Length and /Filter; `data` is written
    // as it is, marked as Flate-compressed when `deflated`.
    void Stream(int id, std::string_view dict, std::string_view data, bool deflated);
    // Compresses the data first; false when compression failed.
    bool CompressedStream(int id, std::string_view dict, std::string_view data);

    // The file whole; false when an object was reserved but never written.
    bool Finish(int catalog, int info, std::string& out);

private:
    PdfBuffer m_out;
    std::vector<size_t> m_offsets;  // by object number - 1; npos until written
};

}  // namespace platform::view

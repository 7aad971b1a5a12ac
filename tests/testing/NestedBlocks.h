#pragma once
// Drawings of nested blocks, as DXF text (R12, blocks and entities only): the small files that
// would make a renderer draw for ever.
#include <string>

namespace testing_support {

namespace detail {

inline std::string BlockText(const std::string& name, const std::string& entities) {
    return "0\nBLOCK\n8\n0\n2\n" + name + "\n70\n0\n10\n0\n20\n0\n30\n0\n3\n" + name + "\n" + entities + "0\nENDBLK\n8\n0\n";
}

inline std::string InsertText(const std::string& block, const std::string& x) {
    return "0\nINSERT\n8\n0\n2\n" + block + "\n10\n" + x + "\n20\n0\n30\n0\n";
}

inline std::string LineText(double x0, double y0, double x1, double y1) {
    return "0\nLINE\n8\n0\n10\n" + std::to_string(x0) + "\n20\n" + std::to_string(y0) + "\n30\n0\n11\n" + std::to_string(x1) + "\n21\n" +
           std::to_string(y1) + "\n31\n0\n";
}

inline std::string Drawing(const std::string& blocks, const std::string& first) {
    return "0\nSECTION\n2\nBLOCKS\n" + blocks + "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" + InsertText(first, "0") + "0\nENDSEC\n0\nEOF\n";
}

}  // namespace detail

// Block X0 inserts X1 twice (at x 0 and 0.5), X1 inserts X2 twice, ..., down to a block of one
// line from (0, 0) to (1, 1): 2^(levels-1) instances of it from a few kilobytes.
inline std::string DoublingBlocksDrawing(int levels) {
    std::string blocks;
    for (int i = levels - 1; i >= 0; --i) {
        const std::string inner = "X" + std::to_string(i + 1);
        blocks += detail::BlockText("X" + std::to_string(i), i == levels - 1 ? detail::LineText(0, 0, 1, 1)
                                                                             : detail::InsertText(inner, "0") + detail::InsertText(inner, "0.5"));
    }
    return detail::Drawing(blocks, "X0");
}

// A chain: block C<i> holds a line from (0, i) to (10, i) and a reference to C<i+1>.
inline std::string ChainOfBlocksDrawing(int length) {
    std::string blocks;
    for (int i = length - 1; i >= 0; --i)
        blocks += detail::BlockText("C" + std::to_string(i), detail::LineText(0, i, 10, i) +
                                                                  (i + 1 < length ? detail::InsertText("C" + std::to_string(i + 1), "0") : ""));
    return detail::Drawing(blocks, "C0");
}

}  // namespace testing_support

// PDF syntax as the canvas writes it: numbers a reader parses back to the value written (PDF
// has no exponents, and "-0" or a lone point would be noise), strings whose delimiters and
// line ends survive.
#include <gtest/gtest.h>

#include <cstdlib>

#include "view/PdfBuffer.h"

namespace {

using platform::view::PdfBuffer;

std::string Number(double v, int decimals) {
    PdfBuffer b;
    b.Num(v, decimals);
    return std::string(b.View());
}

TEST(PdfBuffer, NumbersAreFixedPointRoundedAndTrimmedAndReadBackAsRounded) {
    EXPECT_EQ(Number(0, 2), "0 ");
    EXPECT_EQ(Number(-0.0004, 3), "0 ");
    EXPECT_EQ(Number(1.5, 3), "1.5 ");
    EXPECT_EQ(Number(-0.05, 2), "-0.05 ");
    EXPECT_EQ(Number(123.456, 2), "123.46 ");
    EXPECT_EQ(Number(-123.455001, 2), "-123.46 ");
    EXPECT_EQ(Number(0.00060086, 8), "0.00060086 ");
    EXPECT_EQ(Number(1000000, 3), "1000000 ");
    EXPECT_EQ(Number(7.0001, 3), "7 ");
    EXPECT_EQ(Number(2.0999999, 4), "2.1 ");
    const std::string huge = Number(1e20, 3);
    EXPECT_EQ(huge.find_first_of("eE"), std::string::npos) << huge;
    EXPECT_EQ(std::strtod(huge.c_str(), nullptr), 1e20);
    EXPECT_EQ(Number(std::nan(""), 2), "0 ");
    // What the reader gets is what Rounded says, so moves can be made relative to it.
    for (double v : {0.0534, -17.3215, 98.76249, 1e-7}) {
        for (int d : {2, 3, 5}) EXPECT_DOUBLE_EQ(std::strtod(Number(v, d).c_str(), nullptr), PdfBuffer::Rounded(v, d)) << v << " " << d;
    }
    EXPECT_EQ(PdfBuffer::DecimalsFor(0.0006, 5), 8);
    EXPECT_EQ(PdfBuffer::DecimalsFor(12.5, 5), 3);
}

TEST(PdfBuffer, LiteralStringsEscapeDelimitersBackslashesAndLineEnds) {
    PdfBuffer b;
    const char bytes[] = {'a', '(', ')', '\\', '\r', '\n', '\0', 'z'};
    b.LiteralString(bytes, sizeof bytes);
    EXPECT_EQ(b.View(), std::string("(a\\(\\)\\\\\\r\\n", 12) + std::string(1, '\0') + "z)");
    PdfBuffer t;
    t.TextString(u"M\u00FC\u20AC");
    EXPECT_EQ(t.View(), "<FEFF004D00FC20AC>");
}

}  // namespace

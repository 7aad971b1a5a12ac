// Damaged, truncated and foreign files give one clear error naming the file and the line where
// reading stopped, and never a crash.
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <vector>

#include "dxf/AcadTable.h"
#include "dxf/DxfReader.h"
#include "DxfTestUtil.h"
#include "dxf/DxfWriter.h"
#include "dxf/TableBlock.h"

using namespace platform::dxf;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\n";
    return out;
}

// Reads the damaged text; an error must name the file and a line within the text, a success
// must survive what the host does next (reading its tables, writing it).
void ReadDamaged(const std::string& text, const std::string& what, size_t* errors, bool mustFail = false) {
    ReadResult r = ReadDxfText(text, "damaged.dxf");
    EXPECT_TRUE(!mustFail || !r) << what << " read as a complete drawing";
    if (!r) {
        ASSERT_TRUE(r.error) << what;
        ++*errors;
        const size_t lineCount = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
        EXPECT_GE(r.error->line, 1u) << what << ": " << r.error->Message();
        EXPECT_LE(r.error->line, lineCount) << what << ": " << r.error->Message();
        EXPECT_EQ(r.error->Message().rfind("damaged.dxf: line ", 0), 0u) << what;
        return;
    }
    for (const DxfObject* e : FindTableEntities(*r.document)) {
        if (auto t = ParseAcadTable(*e)) {
            TableStyleInfo style;
            Block block;
            BuildTableBlock(*r.document, *t, style, block);
        }
    }
    PrepareForSave(*r.document);
    EXPECT_FALSE(WriteDxfToString(*r.document).empty()) << what;
}

}  // namespace

TEST(DxfDamaged, ClearErrorsForForeignAndBrokenFiles) {
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"", "f.dxf: line 1: the file is empty"},
        {"hello world\nthis is not a drawing\n", "f.dxf: line 1: expected a group code, found 'hello world'"},
        {"  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 10\n1.0\n 20\n", "f.dxf: line 9: unexpected end of file after group code 20"},
        {"  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 10\nabc\n", "f.dxf: line 8: expected a number for group code 10, found 'abc'"},
        {"  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 70\n99999999\n", "f.dxf: line 8: integer out of range for a 16-bit value for group code 70, found '99999999'"},
        {"  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 40\n1e999\n", "f.dxf: line 8: expected a number for group code 40, found '1e999'"},
        {"  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n  5\nXYZ\n", "f.dxf: line 8: expected a hexadecimal handle for group code 5, found 'XYZ'"},
        {"  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n  0\nENDSEC\n", "f.dxf: line 8: unexpected end of file: EOF marker missing"},
        {"  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n", "f.dxf: line 6: unexpected end of file in section ENTITIES (ENDSEC missing)"},
        {"  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLAYER\n  0\nENDSEC\n", "f.dxf: line 9: table 'LAYER' has no ENDTAB"},
        {"  0\nSECTION\n  2\nBLOCKS\n  0\nBLOCK\n  2\nB\n  0\nBLOCK\n", "f.dxf: line 9: block 'B' has no ENDBLK"},
        {"99999\nx\n", "f.dxf: line 1: invalid group code 99999"},
        {"  0\nLINE\n", "f.dxf: line 1: expected SECTION or EOF, found group code 0 'LINE'"},
        {"AutoCAD Binary DXF\r\n\x1a", "f.dxf: binary DXF is not supported; save the drawing as ASCII DXF"},
    };
    for (const Case& c : cases) {
        ReadResult r = ReadDxfText(c.text, "f.dxf");
        ASSERT_FALSE(r) << c.message;
        EXPECT_EQ(r.error->Message(), c.message);
    }
    ReadResult missing = ReadDxfFile("/nonexistent/drawing.dxf");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error->Message().rfind("/nonexistent/drawing.dxf: cannot open the file", 0), 0u);
}

TEST(DxfDamaged, CorpusOfDamagedFixtureCopies) {
    const std::string original = dxftest::Slurp(dxftest::Fixture());
    const std::vector<std::string> lines = Lines(original);
    ASSERT_GT(lines.size(), 1000u);
    const auto start = std::chrono::steady_clock::now();
    size_t errors = 0, cases = 0;

    // Truncated at many byte offsets (mid-line too) and at line ends: never a whole drawing.
    for (size_t k = 1; k < 160; ++k, ++cases)
        ReadDamaged(original.substr(0, original.size() * k / 160), "cut " + std::to_string(k), &errors, true);
    for (size_t n = 0; n < lines.size(); n += 97, ++cases)
        ReadDamaged(Join({lines.begin(), lines.begin() + static_cast<long>(n)}), "lines " + std::to_string(n), &errors, true);

    // Neighbouring lines swapped, at every phase (code/value).
    for (size_t n = 1; n + 1 < lines.size(); n += 89, ++cases) {
        auto swapped = lines;
        std::swap(swapped[n], swapped[n + 1]);
        ReadDamaged(Join(swapped), "swap " + std::to_string(n), &errors);
    }

    // Numbers replaced by text, and huge values, in numeric values all over the file.
    size_t replaced = 0;
    for (size_t n = 0; n + 1 < lines.size(); n += 2) {
        const int code = std::atoi(lines[n].c_str());
        const TagType type = TagTypeOf(code);
        if (type == TagType::String || n % 7 != 0) continue;
        for (const char* bad : {"twelve", "1e400", "123456789012345678901234567890", "-"}) {
            // A 30-digit number is a fine double (and binary data); for integers and handles too big.
            if ((type == TagType::Double || type == TagType::Binary) && bad[1] == '2') continue;
            if (type == TagType::Handle && bad[1] == 'e') continue;  // "1e400" is a hex handle
            auto broken = lines;
            broken[n + 1] = bad;
            ReadResult r = ReadDxfText(Join(broken), "damaged.dxf");
            if (type == TagType::Handle && code != 5 && code != 105) {
                // A pointer holding something else is kept as read, as other readers keep it.
                ASSERT_TRUE(r) << "value " << bad << " at line " << n + 2 << ": " << r.error->Message();
                EXPECT_NE(WriteDxfToString(*r.document).find("\n" + std::string(bad) + "\n"), std::string::npos);
                continue;
            }
            ASSERT_FALSE(r) << "value " << bad << " at line " << n + 2;
            EXPECT_EQ(r.error->line, n + 2) << r.error->Message();
            ++replaced;
        }
    }
    EXPECT_GT(replaced, 500u);

    // Table counts that promise more than the file holds.
    for (const char* count : {"2147483647", "-5", "0"}) {
        auto broken = lines;
        for (size_t n = 0; n + 1 < broken.size(); ++n)
            if (broken[n] == " 91" && broken[n - 2] == " 90" && broken[n - 1] == "       22") broken[n + 1] = count;
        ReadDamaged(Join(broken), std::string("rows ") + count, &errors);
        ++cases;
    }
    EXPECT_GE(errors, 159u + lines.size() / 97);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("cases", static_cast<int>(cases + replaced));
    EXPECT_LT(seconds, 60.0);  // a runaway reader would hang here, not a timing goal
}

// Strings of every era read as the same characters: code pages, \U+ and \M+ escapes, UTF-8,
// byte order marks and CRLF line ends; and they are written so they read back the same.
#include <gtest/gtest.h>

#include "dxf/DxfReader.h"
#include "dxf/DxfWriter.h"

using namespace platform::dxf;

namespace {

std::string Drawing(const std::string& version, const std::string& codePage, const std::string& text,
                    const std::string& eol = "\n") {
    std::string d = "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\n" + version + "\n";
    if (!codePage.empty()) d += "  9\n$DWGCODEPAGE\n  3\n" + codePage + "\n";
    d += "  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n  0\nTEXT\n  5\n2A\n  8\n0\n 10\n0.0\n 20\n0.0\n 40\n2.5\n  1\n" +
         text + "\n  0\nENDSEC\n  0\nEOF\n";
    if (eol != "\n") {
        std::string converted;
        for (char c : d) converted += c == '\n' ? eol : std::string(1, c);
        d = converted;
    }
    return d;
}

std::string TextOf(const std::string& dxf) {
    ReadResult r = ReadDxfText(dxf, "test.dxf");
    if (!r) return "ERROR " + r.error->Message();
    return std::string(r.document->entities.at(0).Value(1));
}

}  // namespace

TEST(DxfText, DecodesEveryEncodingToTheSameCharacters) {
    struct Case {
        const char* what;
        std::string dxf;
        std::string expected;
    };
    const Case cases[] = {
        {"ANSI_1252 byte", Drawing("AC1015", "ANSI_1252", "Gr\xE4""fe"), "Gr\xC3\xA4""fe"},
        {"no code page means 1252", Drawing("AC1018", "", "\xE4"), "\xC3\xA4"},
        {"ANSI_1251 byte", Drawing("AC1015", "ANSI_1251", "\xE4"), "\xD0\xB4"},            // д
        {"ANSI_932 double bytes", Drawing("AC1015", "ANSI_932", "\x93\xFA\x96\x7B"), "\xE6\x97\xA5\xE6\x9C\xAC"},
        // Found by fuzzing: iconv's Johab reads 0x5C as the won sign, so "\P" lost its meaning.
        {"Johab keeps ASCII", Drawing("AC1015", "ANSI_1361", "\x88\x61\\P\\"), "\xEA\xB0\x80\\P\\"},
        {"\\U+ escape, old file", Drawing("AC1015", "ANSI_1252", "a\\U+00E4b"), "a\xC3\xA4""b"},
        {"\\U+ escape, R12", Drawing("AC1009", "ANSI_1252", "\\U+20AC"), "\xE2\x82\xAC"},
        {"\\U+ escape, UTF-8 file", Drawing("AC1027", "ANSI_1252", "\\U+00e4"), "\xC3\xA4"},
        {"surrogate pair", Drawing("AC1015", "ANSI_1252", "\\U+D83D\\U+DE00"), "\xF0\x9F\x98\x80"},
        {"\\M+ escape", Drawing("AC1015", "ANSI_1252", "\\M+193FA"), "\xE6\x97\xA5"},
        {"UTF-8 file", Drawing("AC1027", "ANSI_1252", "\xC3\xA4"), "\xC3\xA4"},
        {"UTF-8 bytes in an old file", Drawing("AC1015", "ANSI_1252", "\xC3\xA4"), "\xC3\xA4"},
        {"broken escape stays", Drawing("AC1015", "ANSI_1252", "\\U+00G4"), "\\U+00G4"},
        {"BOM and CRLF", "\xEF\xBB\xBF" + Drawing("AC1027", "ANSI_1252", "\xC3\xA4 x", "\r\n"), "\xC3\xA4 x"},
        // Caret codes: ^J is a line feed, "^ " a caret; any other caret is itself.
        {"caret codes, UTF-8 file", Drawing("AC1027", "ANSI_1252", "a^Jb^Mc^Id^@e^_f"), std::string("a\nb\rc\td") + '\0' + "e\x1F""f"},
        {"caret codes, old file", Drawing("AC1015", "ANSI_1252", "\xE4^J^ "), "\xC3\xA4\n^"},
        {"carets that are themselves", Drawing("AC1027", "ANSI_1252", "x^2 ^a ^? ^"), "x^2 ^a ^? ^"},
        {"a caret coded, then a letter", Drawing("AC1027", "ANSI_1252", "^ J^^J"), "^J\x1E""J"},
        {"caret codes in a long text", Drawing("AC1027", "ANSI_1252", "abcdefghijklmnopqrstuvwxyz^J"), "abcdefghijklmnopqrstuvwxyz\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(TextOf(c.dxf), c.expected) << c.what;
}

TEST(DxfText, WritesUtf8ForModernFilesAndEscapesForOldOnes) {
    // An R2000 file is written as R2013: UTF-8, same characters.
    ReadResult modern = ReadDxfText(Drawing("AC1015", "ANSI_1252", "Gr\xE4""fe"), "a.dxf");
    ASSERT_TRUE(modern);
    PrepareForSave(*modern.document);
    const std::string written = WriteDxfToString(*modern.document);
    EXPECT_NE(written.find("AC1027"), std::string::npos);
    EXPECT_NE(written.find("Gr\xC3\xA4""fe"), std::string::npos);
    EXPECT_EQ(TextOf(written), "Gr\xC3\xA4""fe");

    // An R12 file stays R12: characters of its code page as its bytes, others as escapes.
    ReadResult old = ReadDxfText(Drawing("AC1009", "ANSI_1252", "\xE4\\U+20AC\\U+0434"), "b.dxf");
    ASSERT_TRUE(old);
    PrepareForSave(*old.document);
    const std::string oldWritten = WriteDxfToString(*old.document);
    EXPECT_NE(oldWritten.find("\n\xE4\x80\\U+0434\n"), std::string::npos);
    EXPECT_EQ(TextOf(oldWritten), "\xC3\xA4\xE2\x82\xAC\xD0\xB4");
}

TEST(DxfText, ControlCharactersNeverBreakALine) {
    ReadResult r = ReadDxfText(Drawing("AC1027", "ANSI_1252", "x"), "c.dxf");
    ASSERT_TRUE(r);
    Document& doc = *r.document;
    for (Tag& t : doc.entities[0].tags)
        if (t.code == 1) t.SetValue(doc.Keep("one\ntwo\rthree"));
    const std::string written = WriteDxfToString(doc);
    EXPECT_NE(written.find("one^Jtwo^Mthree\n"), std::string::npos);
    ReadResult back = ReadDxfText(written, "d.dxf");
    ASSERT_TRUE(back) << back.error->Message();
    EXPECT_EQ(back.document->entities.size(), 1u);
    // Wherever the control character stands in a longer text; bytes above it stay as they are.
    for (size_t at = 0; at < 21; ++at) {
        std::string text = "abcdefghijklmnopqrst\xC3\xA9";
        text[at] = '\x01';
        for (Tag& t : doc.entities[0].tags)
            if (t.code == 1) t.SetValue(doc.Keep(text));
        std::string expected = text;
        expected.replace(at, 1, "^A");
        EXPECT_NE(WriteDxfToString(doc).find("\n" + expected + "\n"), std::string::npos) << at;
    }
}

// Found by fuzzing: a cell holding a control character was written as ^X and read back with
// the caret code in it. Every text goes through the file and back as it was, carets included,
// whatever stands around them.
TEST(DxfText, CaretsAndControlCharactersReadBackAsTheyWere) {
    const std::string texts[] = {"o\x06""d", "x^2", "^J is not a line feed", "^", "a^^ b", "\x1E^", "tab\there", "\\S1^2;",
                                 "\xC3\xA9\\Pline \xE2\x82\xA9"};
    for (const char* version : {"AC1027", "AC1015", "AC1009"}) for (const char* codePage : {"ANSI_1252", "ANSI_1361"}) {
        ReadResult r = ReadDxfText(Drawing(version, codePage, "x"), "e.dxf");
        ASSERT_TRUE(r);
        Document& doc = *r.document;
        for (const std::string& text : texts) {
            for (Tag& t : doc.entities[0].tags)
                if (t.code == 1) t.SetValue(doc.Keep(text));
            const std::string written = WriteDxfToString(doc);
            EXPECT_EQ(TextOf(written), text) << version << " " << codePage << " " << text;
        }
    }
    // A caret is written as the file format has it, caret and blank, so other readers agree.
    ReadResult r = ReadDxfText(Drawing("AC1027", "ANSI_1252", "x"), "f.dxf");
    ASSERT_TRUE(r);
    for (Tag& t : r.document->entities[0].tags)
        if (t.code == 1) t.SetValue(r.document->Keep("x^2"));
    EXPECT_NE(WriteDxfToString(*r.document).find("\nx^ 2\n"), std::string::npos);
}

// Found by fuzzing: header values were decoded again for every further HEADER section, so
// they were garbled and grew without bound.
TEST(DxfText, EveryValueIsDecodedOnceWhateverTheSectionOrder) {
    std::string dxf;
    for (int i = 0; i < 40; ++i)
        dxf += "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  9\n$PROJECTNAME\n  1\nGr\xE4""fe\n  0\nENDSEC\n";
    dxf += "  0\nEOF\n";
    ReadResult r = ReadDxfText(dxf, "twice.dxf");
    ASSERT_TRUE(r) << r.error->Message();
    size_t names = 0;
    for (const Tag& t : r.document->header)
        if (t.code == 1 && t.Value() != "AC1015") {
            EXPECT_EQ(t.Value(), "Gr\xC3\xA4""fe");
            ++names;
        }
    EXPECT_EQ(names, 40u);
}

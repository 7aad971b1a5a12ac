// Conformance rows for the shell path functions: Windows behaviour, plus POSIX paths.
#include <gtest/gtest.h>

#include <string>

#include "win/HostPath.h"
#include "win/ShellPath.h"
#include "mfc/String.h"
#include "testing/TempDir.h"

namespace {

struct RemoveRow {
    const wchar_t* in;
    const wchar_t* out;
    BOOL removed;
};

TEST(ShellPath, IsRelative) {
    const std::pair<const wchar_t*, BOOL> rows[] = {
        {L"C:\\a", FALSE}, {L"c:", FALSE},  {L"\\a", FALSE},     {L"\\\\srv\\share", FALSE}, {L"/srv/a", FALSE},
        {L"a\\b", TRUE},   {L"..\\a", TRUE}, {L".\\parts.mdb", TRUE}, {L"parts.mdb", TRUE},      {L"", TRUE},
    };
    for (auto [path, expected] : rows) EXPECT_EQ(PathIsRelativeW(path), expected) << std::wstring(path);
    EXPECT_EQ(PathIsRelativeW(nullptr), TRUE);
}

TEST(ShellPath, RemoveFileSpec) {
    const RemoveRow rows[] = {
        {L"C:\\a\\b.dwg", L"C:\\a", TRUE},       {L"C:\\a.dwg", L"C:\\", TRUE},
        {L"C:\\", L"C:\\", FALSE},               {L"C:", L"C:", FALSE},
        {L"\\a.dwg", L"\\", TRUE},               {L"plan.dwg", L"", TRUE},
        {L"/srv/proj/plan.dwg", L"/srv/proj", TRUE}, {L"/plan.dwg", L"/", TRUE},
        {L"\\\\srv\\share\\f.dwg", L"\\\\srv\\share", TRUE}, {L"C:\\a\\", L"C:\\a", TRUE},
    };
    for (const auto& row : rows) {
        wchar_t buf[MAX_PATH];
        std::wcscpy(buf, row.in);
        EXPECT_EQ(PathRemoveFileSpecW(buf), row.removed) << row.in;
        EXPECT_STREQ(buf, row.out) << row.in;
    }
}

TEST(ShellPath, AddBackslashKeepsTheSeparatorOfThePath) {
    const std::pair<const wchar_t*, const wchar_t*> rows[] = {
        {L"C:\\a", L"C:\\a\\"}, {L"C:\\a\\", L"C:\\a\\"}, {L"/srv/a", L"/srv/a/"}, {L"/srv/a/", L"/srv/a/"},
        {L"", L""},             {L"a", L"a\\"},
    };
    for (auto [in, out] : rows) {
        wchar_t buf[MAX_PATH];
        std::wcscpy(buf, in);
        wchar_t* end = PathAddBackslashW(buf);
        EXPECT_STREQ(buf, out);
        ASSERT_NE(end, nullptr);
        EXPECT_EQ(*end, L'\0');
        EXPECT_EQ(end - buf, static_cast<long>(std::wcslen(out)));
    }
    // 259 characters plus a separator would not fit MAX_PATH with its null.
    std::wstring full = L"C:\\" + std::wstring(MAX_PATH - 4, L'x');
    ASSERT_EQ(full.size(), size_t(MAX_PATH - 1));
    wchar_t buf[MAX_PATH];
    std::wcscpy(buf, full.c_str());
    EXPECT_EQ(PathAddBackslashW(buf), nullptr);
    EXPECT_EQ(std::wstring(buf), full);
}

TEST(ShellPath, Canonicalize) {
    const std::pair<const wchar_t*, const wchar_t*> rows[] = {
        {L"D:\\proj\\..\\data\\parts.mdb", L"D:\\data\\parts.mdb"},
        {L"D:\\proj\\.\\parts.mdb", L"D:\\proj\\parts.mdb"},
        {L"A:\\name_1\\.\\name_2\\..\\name_3", L"A:\\name_1\\name_3"},
        {L"A:\\name_1\\..\\name_2\\.\\name_3", L"A:\\name_2\\name_3"},
        {L"A:\\name_1\\.\\name_2\\.\\name_3\\..\\name_4\\..", L"A:\\name_1\\name_2"},
        {L"C:\\..", L"C:\\"},
        {L"C:\\a\\b\\..\\..\\..\\c", L"C:\\c"},
        {L"C:\\a\\", L"C:\\a\\"},
        {L"c:", L"c:\\"},
        {L"\\\\srv\\share\\..\\x", L"\\\\srv\\share\\x"},
        {L"/srv/proj/../data/./parts.mdb", L"/srv/data/parts.mdb"},
        {L"/..", L"/"},
        {L"..\\a\\..\\b", L"..\\b"},
        {L"a\\..", L"\\"},
        {L"", L"\\"},
    };
    for (auto [in, out] : rows) {
        wchar_t buf[MAX_PATH];
        EXPECT_TRUE(PathCanonicalizeW(buf, in)) << in;
        EXPECT_STREQ(buf, out) << in;
    }
}

TEST(ShellPath, CanonicalizeFailsWhenTheResultDoesNotFit) {
    wchar_t buf[MAX_PATH];
    std::wstring tooLong = L"C:\\" + std::wstring(300, L'x');
    EXPECT_FALSE(PathCanonicalizeW(buf, tooLong.c_str()));
    EXPECT_STREQ(buf, L"");
    // A long input whose result fits succeeds.
    std::wstring shrinking = L"C:\\" + std::wstring(200, L'y') + L"\\..\\" + std::wstring(200, L'z') + L"\\..\\a.mdb";
    EXPECT_TRUE(PathCanonicalizeW(buf, shrinking.c_str()));
    EXPECT_STREQ(buf, L"C:\\a.mdb");
    EXPECT_FALSE(PathCanonicalizeW(nullptr, L"C:\\a"));
    EXPECT_FALSE(PathCanonicalizeW(buf, nullptr));
}

TEST(ShellPath, Append) {
    struct Row {
        const wchar_t* path;
        const wchar_t* more;
        const wchar_t* out;
    };
    const Row rows[] = {
        {L"D:\\proj\\", L"..\\data\\parts.mdb", L"D:\\data\\parts.mdb"},
        {L"D:\\proj", L"parts.mdb", L"D:\\proj\\parts.mdb"},
        {L"D:\\proj", L"\\parts.mdb", L"D:\\proj\\parts.mdb"},
        {L"D:\\proj", L"E:\\x.mdb", L"E:\\x.mdb"},
        {L"D:\\proj", L"", L"D:\\proj"},
        {L"", L"a.mdb", L"a.mdb"},
        {L"/srv/proj/", L"../data/parts.mdb", L"/srv/data/parts.mdb"},
        {L"/srv/proj/", L"..\\data\\parts.mdb", L"/srv/data/parts.mdb"},
    };
    for (const auto& row : rows) {
        wchar_t buf[MAX_PATH];
        std::wcscpy(buf, row.path);
        EXPECT_TRUE(PathAppendW(buf, row.more)) << row.path << L" + " << row.more;
        EXPECT_STREQ(buf, row.out) << row.path << L" + " << row.more;
    }
    wchar_t buf[MAX_PATH];
    std::wcscpy(buf, L"D:\\proj");
    std::wstring longName(MAX_PATH, L'n');
    EXPECT_FALSE(PathAppendW(buf, longName.c_str()));
    EXPECT_STREQ(buf, L"D:\\proj");
}

// How a location relative to a drawing becomes absolute: the drawing's folder, a separator,
// the location appended and canonicalised; the location itself when that fails.
std::wstring Resolve(const std::wstring& drawing, const std::wstring& location) {
    if (!PathIsRelativeW(location.c_str())) return location;
    wchar_t work[1024];
    std::wcscpy(work, drawing.c_str());
    PathRemoveFileSpecW(work);
    PathAddBackslashW(work);
    if (!PathAppendW(work, location.c_str())) return location;
    wchar_t out[MAX_PATH];
    if (!PathCanonicalizeW(out, work)) return location;
    return out;
}

TEST(ShellPath, LocationsRelativeToADrawing) {
    struct Row {
        const wchar_t* drawing;
        const wchar_t* location;
        const wchar_t* resolved;
    };
    const std::wstring longLocation = L"..\\" + std::wstring(270, L'q') + L".mdb";
    const Row rows[] = {
        {L"D:\\proj\\plan.dwg", L"..\\data\\parts.mdb", L"D:\\data\\parts.mdb"},
        {L"D:\\proj\\plan.dwg", L"parts.mdb", L"D:\\proj\\parts.mdb"},
        {L"D:\\proj\\plan.dwg", L".\\parts.mdb", L"D:\\proj\\parts.mdb"},
        {L"D:\\proj\\plan.dwg", L"C:\\db\\parts.mdb", L"C:\\db\\parts.mdb"},
        {L"D:\\proj\\plan.dwg", L"C:\\db\\..\\parts.mdb", L"C:\\db\\..\\parts.mdb"},  // absolute: as it stands
        {L"/srv/proj/plan.dwg", L"..\\data\\parts.mdb", L"/srv/data/parts.mdb"},
        {L"/srv/proj/plan.dwg", L"/srv/db/parts.mdb", L"/srv/db/parts.mdb"},
        {L"D:\\proj\\plan.dwg", longLocation.c_str(), longLocation.c_str()},  // too long: unchanged
    };
    for (const auto& row : rows) EXPECT_EQ(Resolve(row.drawing, row.location), row.resolved) << row.location;
}

TEST(ShellPath, RelativePathTo) {
    struct Row {
        const wchar_t* from;
        DWORD fromAttr;
        const wchar_t* to;
        BOOL ok;
        const wchar_t* out;
    };
    const Row rows[] = {
        {L"D:\\proj\\plan.dwg", FILE_ATTRIBUTE_NORMAL, L"D:\\proj\\parts.mdb", TRUE, L".\\parts.mdb"},
        {L"D:\\proj\\plan.dwg", FILE_ATTRIBUTE_NORMAL, L"D:\\data\\parts.mdb", TRUE, L"..\\data\\parts.mdb"},
        {L"D:\\a\\b\\plan.dwg", FILE_ATTRIBUTE_NORMAL, L"D:\\x.mdb", TRUE, L"..\\..\\x.mdb"},
        {L"D:\\Proj\\plan.dwg", FILE_ATTRIBUTE_NORMAL, L"d:\\proj\\sub\\p.mdb", TRUE, L".\\sub\\p.mdb"},
        {L"D:\\proj", FILE_ATTRIBUTE_DIRECTORY, L"D:\\proj\\a.mdb", TRUE, L".\\a.mdb"},
        {L"D:\\proj\\plan.dwg", FILE_ATTRIBUTE_NORMAL, L"E:\\proj\\parts.mdb", FALSE, L""},
        // POSIX paths give the backslash form, which reads the same on Windows.
        {L"/srv/proj/plan.dwg", FILE_ATTRIBUTE_NORMAL, L"/srv/proj/parts.mdb", TRUE, L".\\parts.mdb"},
        {L"/srv/proj/plan.dwg", FILE_ATTRIBUTE_NORMAL, L"/srv/data/parts.mdb", TRUE, L"..\\data\\parts.mdb"},
        {L"/srv/proj/plan.dwg", FILE_ATTRIBUTE_NORMAL, L"D:\\data\\parts.mdb", FALSE, L""},
    };
    for (const auto& row : rows) {
        wchar_t buf[MAX_PATH] = L"junk";
        EXPECT_EQ(PathRelativePathToW(buf, row.from, row.fromAttr, row.to, FILE_ATTRIBUTE_NORMAL), row.ok) << row.to;
        EXPECT_STREQ(buf, row.out) << row.from << L" -> " << row.to;
        // What was made relative resolves back to where it pointed.
        if (row.ok && !(row.fromAttr & FILE_ATTRIBUTE_DIRECTORY)) {
            std::wstring back = Resolve(row.from, buf);
            EXPECT_EQ(platform::CompareNoCase(back, row.to), 0) << back;
        }
    }
}

TEST(HostPath, DriveLettersMapToFolders) {
    testing_support::ScopedEnv d("VELLORIA_DRIVE_D", "/srv/d/");
    testing_support::ScopedEnv z("VELLORIA_DRIVE_Z", std::nullopt);
    testing_support::ScopedEnv r("VELLORIA_DRIVE_R", "/");
    const std::pair<const wchar_t*, const char*> rows[] = {
        {L"D:\\proj\\parts.mdb", "/srv/d/proj/parts.mdb"},
        {L"d:/proj/parts.mdb", "/srv/d/proj/parts.mdb"},
        {L"D:parts.mdb", "/srv/d/parts.mdb"},
        {L"R:\\x", "/x"},
        {L"Z:\\x.mdb", "Z:/x.mdb"},  // unmapped: names no file here
        {L"\\\\srv\\share\\a", "//srv/share/a"},
        {L"/srv/p/a.mdb", "/srv/p/a.mdb"},
        {L"rel\\a.mdb", "rel/a.mdb"},
        {L"D:\\Pl\u00e4ne\\a.mdb", "/srv/d/Pl\xc3\xa4ne/a.mdb"},
    };
    for (auto [in, out] : rows) EXPECT_EQ(platform::ToHostPath(in), out) << in;
}

TEST(HostPath, FileExistsThroughADrive) {
    testing_support::TempDir dir;
    std::filesystem::create_directories(dir.path() / "sub");
    testing_support::WriteFile(dir / "sub/f.mdb", "x");
    testing_support::ScopedEnv q("VELLORIA_DRIVE_Q", dir.path().string());
    EXPECT_TRUE(PathFileExistsW(L"Q:\\sub\\f.mdb"));
    EXPECT_TRUE(PathFileExistsW(L"q:/sub/f.mdb"));
    EXPECT_TRUE(PathFileExistsW(L"Q:\\sub"));
    EXPECT_FALSE(PathFileExistsW(L"Q:\\sub\\g.mdb"));
    EXPECT_FALSE(PathFileExistsW(L""));
}

}  // namespace

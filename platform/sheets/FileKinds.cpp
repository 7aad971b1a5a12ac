#include "sheets/FileKinds.h"


namespace platform::sheets {
namespace {

bool HoldsUtf16(std::string_view bytes, std::string_view ascii) {
    std::string wide;
    for (char c : ascii) wide += c, wide += '\0';
    return bytes.find(wide) != std::string_view::npos;
}

}  // namespace

FileKind KindOfBytes(std::string_view bytes) {
    // The directory of a compound file (where an encrypted package names its streams) lies
    // early in small files; 64 KiB covers what a password-protected workbook holds there.
    const std::string_view head = bytes.substr(0, 65536);
    if (head.rfind("PK\x03\x04", 0) == 0) {
        // An OpenDocument file stores its media type first, uncompressed.
        if (head.find("application/vnd.oasis.opendocument.spreadsheet") != std::string_view::npos) return FileKind::Ods;
        if (head.find("xl/workbook.bin") != std::string_view::npos) return FileKind::Xlsb;
        return FileKind::Xlsx;
    }
    if (head.rfind("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 0) == 0) {
        if (HoldsUtf16(head, "EncryptedPackage") || HoldsUtf16(head, "EncryptionInfo")) return FileKind::Encrypted;
        return FileKind::Xls;
    }
    return FileKind::Other;
}

std::string DescribeUnreadable(FileKind kind, const std::string& hostPath) {
    const std::string name = "'" + hostPath.substr(hostPath.find_last_of('/') + 1) + "'";
    switch (kind) {
    case FileKind::Encrypted:
        return "The workbook " + name + " is protected with a password and cannot be read. Save it without a password to open (File, Info, "
               "Protect Workbook, Encrypt with Password: empty) and link it again.";
    case FileKind::Xls: return "The workbook " + name + " is an Excel 97-2003 workbook (.xls), which is not read here. Save it as .xlsx and link it again.";
    case FileKind::Xlsb:
        return "The workbook " + name + " is a binary workbook (.xlsb), which is not read here. Save it as .xlsx and link it again.";
    case FileKind::Xlsx:
    case FileKind::Ods:
    case FileKind::Other: break;
    }
    return "The file " + name + " is not a workbook (.xlsx, .xlsm, .ods).";
}

}  // namespace platform::sheets

#pragma once
// What a file is, by its first bytes rather than its name: a workbook saved under another
// extension still reads, and a file that cannot be read is named for what it is.
#include <string>
#include <string_view>

namespace platform::sheets {

enum class FileKind {
    Xlsx,       // Office Open XML workbook (.xlsx, .xlsm)
    Ods,        // OpenDocument spreadsheet
    Encrypted,  // a workbook saved with a password to open it (an encrypted package)
    Xls,        // the binary workbook of Excel 97-2003
    Xlsb,       // the binary workbook of Excel 2007 and later
    Other,
};

// The kind of a file from its bytes (the first 64 KiB are enough).
FileKind KindOfBytes(std::string_view bytes);

// Why a file of that kind is not read, for the person who chose it ("... is protected with a
// password ...").
std::string DescribeUnreadable(FileKind kind, const std::string& hostPath);

}  // namespace platform::sheets

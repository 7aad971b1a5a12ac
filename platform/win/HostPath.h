#pragma once
// Turning a stored path into one this machine's file functions accept. Every file access of
// the system goes through ToHostPath, so a path written on Windows ("D:\proj\parts.mdb")
// and a POSIX path ("/srv/proj/parts.mdb") both work.
//
//  - "\" becomes "/".
//  - A leading drive letter "X:" is replaced by the folder named in the environment variable
//    VELLORIA_DRIVE_X (upper-case letter), e.g. VELLORIA_DRIVE_D=/srv/d turns
//    "D:\proj\a.mdb" into "/srv/d/proj/a.mdb". A drive without such a variable stays
//    "X:/..." and so names no file here: the access fails as for a missing file.
//  - Anything else (POSIX absolute or relative paths, "\\server\share" as "//server/share")
//    only has its separators turned.
#include <string>
#include <string_view>

namespace platform {

std::string ToHostPath(std::wstring_view path);

}  // namespace platform

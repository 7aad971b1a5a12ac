// velloria-access-reader: reads one Access file with libmdb for the process that started it.
// libmdb trusts the pages it reads, so it runs here, apart: a damaged file that makes it crash
// or loop costs this process, which its parent kills or replaces, and never the host. Requests
// come on standard input and answers go to standard output (ReaderProtocol.h); the process
// ends when its input does.
#include <unistd.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "access/MdbReader.h"
#include "access/ReaderProtocol.h"
#include "access/Wire.h"
#include "access/reader/FileImage.h"
#include "access/reader/MdbChild.h"
#include "posix/FileIo.h"

namespace {

using namespace platform;
using namespace platform::mdb;

// Serves one request; the status ends its answer.
std::uint32_t Serve(std::string_view request, std::unique_ptr<OpenFile>& file, wire::Writer& w) {
    wire::Reader r(request);
    std::uint8_t code = 0;
    if (!r.U8(code)) return protocol::kBadRequest;
    if (code == protocol::kOpen) {
        std::string path, password;
        if (!r.Str(path) || !r.Str(password)) return protocol::kBadRequest;
        file.reset();
        OpenFailure failure;
        file = OpenFile::Open(path, password, failure);
        if (!file) {
            w.Str(failure.scheme);
            w.Str(failure.why);
        }
        return file ? protocol::kOk : failure.status;
    }
    if (!file) return protocol::kNotOpen;
    std::uint32_t count = 0;
    if (!r.U32(count) || count > request.size()) return protocol::kBadRequest;
    if (code == protocol::kCatalog) {
        std::vector<TableColumns> tables(count);
        for (auto& [name, columns] : tables) {
            std::uint32_t n = 0;
            if (!r.Str(name) || !r.U32(n) || n > request.size()) return protocol::kBadRequest;
            columns.resize(n);
            for (auto& column : columns)
                if (!r.Str(column)) return protocol::kBadRequest;
        }
        return child::CatalogChild(*file, tables, w);
    }
    if (code == protocol::kRows) {
        std::vector<std::pair<std::string, size_t>> tables(count);
        for (auto& [name, columns] : tables) {
            std::uint32_t n = 0;
            if (!r.Str(name) || !r.U32(n)) return protocol::kBadRequest;
            columns = n;
        }
        return child::RowsChild(*file, tables, w);
    }
    return protocol::kBadRequest;
}

}  // namespace

int main() {
    std::unique_ptr<OpenFile> file;
    for (;;) {
        std::uint8_t tag = 0;
        std::uint32_t length = 0;
        if (!posix::ReadExactly(STDIN_FILENO, &tag, 1)) return 0;  // the parent is done
        if (tag != protocol::kRequest || !posix::ReadExactly(STDIN_FILENO, &length, 4) || length > (64u << 20)) return 1;
        std::string request(length, '\0');
        if (!posix::ReadExactly(STDIN_FILENO, request.data(), length)) return 1;
        wire::Writer w(STDOUT_FILENO);
        const std::uint32_t status = Serve(request, file, w);
        if (!w.End(status)) return 1;
    }
}

#include "AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::dxf {

namespace {

[[noreturn]] void Fail(const char* what) { throw std::runtime_error(std::string(what) + ": " + std::strerror(errno)); }

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

AtomicFile::AtomicFile(std::string target) : m_target(std::move(target)), m_temp(m_target + ".XXXXXX") {
    m_fd = ::mkstemp(m_temp.data());
    if (m_fd < 0) Fail("cannot create a temporary file");
    // The new file gets the old one's permissions, or the usual ones for a new file.
    struct stat st{};
    mode_t mode = 0;
    if (::stat(m_target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(m_fd, mode);
}

AtomicFile::~AtomicFile() {
    if (m_fd >= 0) ::close(m_fd);
    if (!m_committed) ::unlink(m_temp.c_str());
}

void AtomicFile::Commit() {
    if (::fsync(m_fd) != 0) Fail("cannot flush the file");
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) Fail("cannot close the file");
    if (::rename(m_temp.c_str(), m_target.c_str()) != 0) Fail("cannot replace the file");
    m_committed = true;
    // Make the rename itself durable.
    const int dir = ::open(DirectoryOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

}  // namespace platform::dxf

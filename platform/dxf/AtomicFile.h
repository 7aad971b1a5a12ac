#pragma once
// Replaces a file atomically: the new contents go to a temporary file beside the target, are
// flushed to disk and renamed over it. Until Commit the target is untouched; a writer that
// fails or is interrupted leaves at most a temporary file, which the destructor removes.
#include <string>

namespace platform::dxf {

class AtomicFile {
public:
    // Creates the temporary file; throws std::runtime_error when it cannot.
    explicit AtomicFile(std::string target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    int Fd() const { return m_fd; }
    // Flushes, closes and renames over the target (keeping the target's permissions);
    // throws std::runtime_error on failure.
    void Commit();

private:
    std::string m_target;
    std::string m_temp;
    int m_fd = -1;
    bool m_committed = false;
};

}  // namespace platform::dxf

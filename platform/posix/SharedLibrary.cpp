#include "posix/SharedLibrary.h"

#include <dlfcn.h>

namespace platform::posix {

std::optional<SharedLibrary> SharedLibrary::Open(const std::string& path, std::string* error, Unload unload) {
    ::dlerror();
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | (unload == Unload::Never ? RTLD_NODELETE : 0));
    if (!handle) {
        const char* reason = ::dlerror();
        if (error) *error = reason ? reason : "cannot load " + path;
        return std::nullopt;
    }
    return SharedLibrary(handle);
}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept {
    if (this != &other) {
        if (m_handle) ::dlclose(m_handle);
        m_handle = other.m_handle;
        other.m_handle = nullptr;
    }
    return *this;
}

SharedLibrary::~SharedLibrary() {
    if (m_handle) ::dlclose(m_handle);
}

void* SharedLibrary::Symbol(const char* name) const { return m_handle ? ::dlsym(m_handle, name) : nullptr; }

}  // namespace platform::posix

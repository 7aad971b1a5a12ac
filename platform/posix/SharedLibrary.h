#pragma once
// A shared library opened with dlopen and closed when its owner goes: the parts of the program
// that need a large library (the toolkit) are loaded when first used, not at start-up.
#include <optional>
#include <string>

namespace platform::posix {

class SharedLibrary {
public:
    // Whether closing the handle unloads the library. A library that starts process-wide state
    // (a toolkit's application object) stays until the process ends.
    enum class Unload { WhenClosed, Never };
    // The library at path, its symbols resolved now and kept to itself; nothing, with the
    // loader's reason in *error, when it cannot be loaded.
    static std::optional<SharedLibrary> Open(const std::string& path, std::string* error, Unload unload = Unload::WhenClosed);

    SharedLibrary(SharedLibrary&& other) noexcept : m_handle(other.m_handle) { other.m_handle = nullptr; }
    SharedLibrary& operator=(SharedLibrary&& other) noexcept;
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;
    ~SharedLibrary();

    // The address of a symbol the library exports, or null.
    void* Symbol(const char* name) const;
    // A function the library exports, or null.
    template <class Fn>
    Fn* Function(const char* name) const {
        return reinterpret_cast<Fn*>(Symbol(name));
    }

private:
    explicit SharedLibrary(void* handle) : m_handle(handle) {}
    void* m_handle = nullptr;
};

}  // namespace platform::posix

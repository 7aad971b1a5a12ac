#include "odbc/sql/DriverManager.h"

#include "odbc/OdbcApi.h"
#include "posix/SharedLibrary.h"

#include <optional>
#include <type_traits>
#include "text/Utf8.h"

namespace platform::odbc {

std::string LoadDriverManager(const char* library, DriverManagerFunctions& functions) {
    std::string error;
    // Its drivers keep state in it until the process ends: it is never unloaded.
    std::optional<posix::SharedLibrary> loaded = posix::SharedLibrary::Open(library, &error, posix::SharedLibrary::Unload::Never);
    if (!loaded) return "The ODBC driver manager " + std::string(library) + " cannot be loaded (" + error + ").";
#define VELLORIA_ODBC_RESOLVE(name)                                                                                     \
    functions.name = loaded->Function<std::remove_pointer_t<decltype(functions.name)>>(#name);                          \
    if (!functions.name) return "The ODBC driver manager " + std::string(library) + " has no function " #name ".";
    VELLORIA_ODBC_FUNCTIONS(VELLORIA_ODBC_RESOLVE)
#undef VELLORIA_ODBC_RESOLVE
    return {};
}

const DriverManagerFunctions& DriverManager() {
    struct Loaded {
        DriverManagerFunctions functions;
        std::string error;
    };
    static const Loaded loaded = [] {
        Loaded result;
        result.error = LoadDriverManager(kDriverManagerLibrary, result.functions);
        return result;
    }();
    if (!loaded.error.empty()) throw OdbcFailure(kDriverManagerLibrary, {{L"HY000", 0, FromUtf8(loaded.error)}});
    return loaded.functions;
}

}  // namespace platform::odbc

#include "pgsql/PqLibrary.h"

#include <optional>
#include <type_traits>

#include "pgsql/PgErrors.h"
#include "posix/SharedLibrary.h"

namespace platform::pgsql {

std::string LoadPq(const char* library, PqFunctions& functions) {
    std::string error;
    // libpq starts process-wide state (its TLS library) that outlives any one connection.
    std::optional<posix::SharedLibrary> loaded = posix::SharedLibrary::Open(library, &error, posix::SharedLibrary::Unload::Never);
    if (!loaded) return "The PostgreSQL client library " + std::string(library) + " cannot be loaded (" + error + ").";
#define VELLORIA_PQ_RESOLVE(name)                                                                    \
    functions.name = loaded->Function<std::remove_pointer_t<decltype(functions.name)>>(#name);       \
    if (!functions.name) return "The PostgreSQL client library " + std::string(library) + " has no function " #name ".";
    VELLORIA_PQ_FUNCTIONS(VELLORIA_PQ_RESOLVE)
#undef VELLORIA_PQ_RESOLVE
    return {};
}

const PqFunctions& Pq() {
    struct Loaded {
        PqFunctions functions;
        std::string error;
    };
    static const Loaded loaded = [] {
        Loaded result;
        result.error = LoadPq(kPqLibrary, result.functions);
        return result;
    }();
    if (!loaded.error.empty()) throw PgFailure("HY000", loaded.error);
    return loaded.functions;
}

bool PqAvailable() {
    try {
        Pq();
        return true;
    } catch (const PgFailure&) {
        return false;
    }
}

}  // namespace platform::pgsql

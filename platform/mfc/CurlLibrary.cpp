#include "mfc/CurlLibrary.h"

#include <dlfcn.h>

#include <mutex>

namespace platform::internet {

namespace {

struct Loaded {
    CurlApi api{};
    bool ok = false;
    std::string why;
};

template <class Fn>
bool Resolve(void* library, const char* name, Fn& fn, std::string& why) {
    fn = reinterpret_cast<Fn>(::dlsym(library, name));
    if (!fn) why = std::string("libcurl has no ") + name;
    return fn != nullptr;
}

Loaded Load() {
    Loaded loaded;
    // Never closed: libcurl and its TLS library keep process-wide state once initialised.
    void* library = ::dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* error = ::dlerror();
        loaded.why = std::string("libcurl could not be loaded: ") + (error ? error : "unknown error");
        return loaded;
    }
    CurlApi& a = loaded.api;
    CURLcode (*globalInit)(long) = nullptr;
    if (!Resolve(library, "curl_global_init", globalInit, loaded.why) ||
        !Resolve(library, "curl_easy_init", a.easyInit, loaded.why) ||
        !Resolve(library, "curl_easy_setopt", a.easySetopt, loaded.why) ||
        !Resolve(library, "curl_easy_perform", a.easyPerform, loaded.why) ||
        !Resolve(library, "curl_easy_getinfo", a.easyGetinfo, loaded.why) ||
        !Resolve(library, "curl_easy_cleanup", a.easyCleanup, loaded.why) ||
        !Resolve(library, "curl_easy_strerror", a.easyStrerror, loaded.why) ||
        !Resolve(library, "curl_slist_append", a.slistAppend, loaded.why) ||
        !Resolve(library, "curl_slist_free_all", a.slistFreeAll, loaded.why))
        return loaded;
    if (const CURLcode code = globalInit(CURL_GLOBAL_DEFAULT); code != CURLE_OK) {
        loaded.why = std::string("libcurl could not be initialised: ") + a.easyStrerror(code);
        return loaded;
    }
    loaded.ok = true;
    return loaded;
}

}  // namespace

const CurlApi* Curl(std::string* why) {
    static std::once_flag once;
    static Loaded loaded;
    std::call_once(once, [] { loaded = Load(); });
    if (!loaded.ok && why) *why = loaded.why;
    return loaded.ok ? &loaded.api : nullptr;
}

}  // namespace platform::internet

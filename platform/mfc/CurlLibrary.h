#pragma once
// libcurl, loaded when the first request is made. Most runs of the host never go online, and
// loading the library with its TLS stack costs more at start-up than reading a small drawing.
#include <curl/curl.h>

#include <string>

namespace platform::internet {

struct CurlApi {
    CURL* (*easyInit)();
    CURLcode (*easySetopt)(CURL*, CURLoption, ...);
    CURLcode (*easyPerform)(CURL*);
    CURLcode (*easyGetinfo)(CURL*, CURLINFO, ...);
    void (*easyCleanup)(CURL*);
    const char* (*easyStrerror)(CURLcode);
    curl_slist* (*slistAppend)(curl_slist*, const char*);
    void (*slistFreeAll)(curl_slist*);
};

// The library's functions, loaded and globally initialised on the first call; null when the
// library cannot be loaded, with the reason in *why. The library stays loaded until exit.
const CurlApi* Curl(std::string* why = nullptr);

}  // namespace platform::internet

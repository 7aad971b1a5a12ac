#include "fuzz/FuzzTarget.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

std::map<std::string, Entry>& Targets() {
    static std::map<std::string, Entry> targets;
    return targets;
}

void Fail(const char* file, int line, const char* condition) {
    std::fprintf(stderr, "%s:%d: fuzz check failed: %s\n", file, line, condition);
    std::fflush(stderr);
    std::abort();
}

}  // namespace fuzz

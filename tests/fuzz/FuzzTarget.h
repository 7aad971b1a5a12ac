#pragma once
// A fuzz target: one entry function that takes any bytes, in a file <Name>Fuzz.cpp:
//
//   VELLORIA_FUZZ_TARGET(Name) { ... use data and size ...; return 0; }
//
// Built as a libFuzzer program (VELLORIA_LIBFUZZER, clang) the function is the program's
// LLVMFuzzerTestOneInput; built into test_fuzz it is registered under its name, and the test
// feeds it every input kept in tests/fuzz/seeds/Name and tests/fuzz/regressions/Name.
// FUZZ_CHECK states what must hold for every input; a check that fails ends the program.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace fuzz {

using Entry = int (*)(const std::uint8_t* data, std::size_t size);

// The targets compiled into this program, by name.
std::map<std::string, Entry>& Targets();

struct Registration {
    Registration(const char* name, Entry entry) { Targets()[name] = entry; }
};

// Prints where and what failed, then aborts, so that libFuzzer keeps the input.
[[noreturn]] void Fail(const char* file, int line, const char* condition);

}  // namespace fuzz

#define FUZZ_CHECK(condition) ((condition) ? static_cast<void>(0) : ::fuzz::Fail(__FILE__, __LINE__, #condition))

#ifdef VELLORIA_LIBFUZZER
#define VELLORIA_FUZZ_TARGET(name)                                                                                   \
    static int name##FuzzEntry(const std::uint8_t* data, std::size_t size);                                          \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { return name##FuzzEntry(data, size); } \
    static int name##FuzzEntry(const std::uint8_t* data, std::size_t size)
#else
#define VELLORIA_FUZZ_TARGET(name)                                                \
    static int name##FuzzEntry(const std::uint8_t* data, std::size_t size);       \
    static const ::fuzz::Registration name##FuzzRegistration(#name, name##FuzzEntry); \
    static int name##FuzzEntry(const std::uint8_t* data, std::size_t size)
#endif

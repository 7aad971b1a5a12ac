// The settings file (a ".reg" text file): any bytes parse into keys and values or are refused
// with a reason; what parses is written out, and that text parses again into what writes the
// same text.
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/FuzzTarget.h"
#include "win/RegistryData.h"

VELLORIA_FUZZ_TARGET(SettingsFile) {
    using platform::RegistryData;
    std::string error;
    const std::optional<RegistryData> parsed = RegistryData::Parse(std::string_view(reinterpret_cast<const char*>(data), size), &error);
    if (!parsed) {
        FUZZ_CHECK(!error.empty());  // a refusal says why
        return 0;
    }
    const std::string written = parsed->Serialize();
    std::string again;
    const std::optional<RegistryData> reread = RegistryData::Parse(written, &again);
    FUZZ_CHECK(reread);  // what we write we read
    FUZZ_CHECK(reread->Serialize() == written);
    return 0;
}

#include "win/LocaleCurrency.h"

#include <locale.h>
#include <monetary.h>

#include <cstdlib>
#include <cwchar>
#include <string>

#include "text/Utf8.h"

namespace platform {
namespace {

// The monetary locale of the user's environment. Loading a locale is costly, so the last
// one is kept while the environment still names it; a change of LC_ALL, LC_MONETARY or
// LANG is seen at the next call.
class MonetaryLocale {
public:
    ~MonetaryLocale() {
        if (m_locale) freelocale(m_locale);
    }
    locale_t Current() {
        bool changed = !m_locale;
        for (int i = 0; i < 4; ++i) {
            const char* value = std::getenv(kNames[i]);
            const std::string_view now = value ? value : "";
            if (now != m_values[i]) {
                m_values[i].assign(now);
                changed = true;
            }
        }
        if (changed) {
            if (m_locale) freelocale(m_locale);
            m_locale = newlocale(LC_MONETARY_MASK, "", static_cast<locale_t>(nullptr));
            if (!m_locale) m_locale = newlocale(LC_MONETARY_MASK, "C", static_cast<locale_t>(nullptr));
        }
        return m_locale;
    }

private:
    static constexpr const char* kNames[4] = {"LC_ALL", "LC_MONETARY", "LANG", "LOCPATH"};
    locale_t m_locale = nullptr;
    std::string m_values[4];
};

}  // namespace

std::wstring FormatLocaleCurrency(const wchar_t* amountText) {
    if (!amountText || !*amountText) return {};
    wchar_t* end = nullptr;
    const double amount = std::wcstod(amountText, &end);
    if (end == amountText || *end != 0) return {};
    thread_local MonetaryLocale monetary;
    const locale_t locale = monetary.Current();
    if (!locale) return {};
    char buffer[64];
    const ssize_t length = strfmon_l(buffer, sizeof buffer, locale, "%n", amount);
    if (length <= 0) return {};
    return FromUtf8(std::string_view(buffer, static_cast<size_t>(length)));
}

}  // namespace platform

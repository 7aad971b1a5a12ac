#include "LocaleCurrency.h"

#include <locale.h>
#include <monetary.h>

#include <cwchar>

#include "Utf8.h"

namespace platform {

std::wstring FormatLocaleCurrency(const wchar_t* amountText) {
    if (!amountText || !*amountText) return {};
    wchar_t* end = nullptr;
    const double amount = std::wcstod(amountText, &end);
    if (end == amountText || *end != 0) return {};
    // The user's settings are read afresh each time, as the platform call does.
    locale_t monetary = newlocale(LC_MONETARY_MASK, "", static_cast<locale_t>(nullptr));
    if (!monetary) monetary = newlocale(LC_MONETARY_MASK, "C", static_cast<locale_t>(nullptr));
    if (!monetary) return {};
    char buffer[64];
    const ssize_t length = strfmon_l(buffer, sizeof buffer, monetary, "%n", amount);
    freelocale(monetary);
    if (length <= 0) return {};
    return FromUtf8(std::string_view(buffer, static_cast<size_t>(length)));
}

}  // namespace platform

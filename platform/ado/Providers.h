#pragma once
// The providers behind the data-access objects, in one table (Providers.cpp): the first
// that accepts a connect string opens it.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "provider/Provider.h"

namespace platform::ado {

// Opens the source a connect string names; throws _com_error when no provider serves it
// (an unknown provider, no driver) or the provider cannot open it.
std::shared_ptr<provider::Session> OpenSession(std::wstring_view connectString, const std::vector<std::wstring>& trustedSources);

}  // namespace platform::ado

#pragma once
// The product's name and the version of this module.
constexpr const wchar_t* VELLORIA_PRODUCT_NAME = L"Velloria";
constexpr const wchar_t* VELLORIA_VERSION = L"2.7.1.0";

#pragma once
// COM basics the data-access component is reached through: result codes, class and
// interface ids, counted references, and the apartment calls. Objects live in this
// process; "creating an instance" builds the object behind a class id.
#include <atomic>
#include <cstdint>
#include <cstring>

#include "win/WinTypes.h"

using VARIANT_BOOL = std::int16_t;
constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

constexpr HRESULT MakeHresult(std::uint32_t code) { return static_cast<HRESULT>(code); }
constexpr HRESULT E_NOTIMPL = MakeHresult(0x80004001u);
constexpr HRESULT E_NOINTERFACE = MakeHresult(0x80004002u);
constexpr HRESULT E_POINTER = MakeHresult(0x80004003u);
constexpr HRESULT E_FAIL = MakeHresult(0x80004005u);
constexpr HRESULT E_UNEXPECTED = MakeHresult(0x8000FFFFu);
constexpr HRESULT E_OUTOFMEMORY = MakeHresult(0x8007000Eu);
constexpr HRESULT E_INVALIDARG = MakeHresult(0x80070057u);
constexpr HRESULT DISP_E_PARAMNOTFOUND = MakeHresult(0x80020004u);
constexpr HRESULT DISP_E_TYPEMISMATCH = MakeHresult(0x80020005u);
constexpr HRESULT DISP_E_OVERFLOW = MakeHresult(0x8002000Au);
constexpr HRESULT REGDB_E_CLASSNOTREG = MakeHresult(0x80040154u);
constexpr HRESULT CLASS_E_NOAGGREGATION = MakeHresult(0x80040110u);
constexpr HRESULT CO_E_NOTINITIALIZED = MakeHresult(0x800401F0u);

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
    friend bool operator==(const GUID& a, const GUID& b) { return std::memcmp(&a, &b, sizeof(GUID)) == 0; }
};
using IID = GUID;
using CLSID = GUID;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

constexpr IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID IID_IDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
constexpr DWORD CLSCTX_INPROC_HANDLER = 0x2;
constexpr DWORD CLSCTX_LOCAL_SERVER = 0x4;
constexpr DWORD CLSCTX_REMOTE_SERVER = 0x10;
constexpr DWORD CLSCTX_ALL = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;

class IUnknown {
public:
    virtual HRESULT QueryInterface(REFIID riid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    virtual ~IUnknown() = default;
};
using LPUNKNOWN = IUnknown*;

// Reference counting shared by every object of the component.
class ComObjectBase {
public:
    ULONG AddRefImpl() { return ++m_refs; }
    ULONG ReleaseImpl() { return --m_refs; }

private:
    std::atomic<ULONG> m_refs{1};
};

// Interface id of an interface type, the stand-in for __uuidof.
template <class I>
struct ComInterfaceId;
template <>
struct ComInterfaceId<IUnknown> {
    static constexpr const IID& value = IID_IUnknown;
};
#define __uuidof(I) (ComInterfaceId<I>::value)

HRESULT CoInitialize(LPVOID reserved);
void CoUninitialize();
HRESULT CoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID iid, LPVOID* object);
HRESULT OleRun(LPUNKNOWN object);

namespace platform {
// Initialisations not yet balanced by CoUninitialize on this thread (tests check balance).
int ComInitCount();
// Makes a class creatable with CoCreateInstance: a component calls it when it loads, as its
// installer would register it. The factory returns a new object holding one reference.
using ClassFactory = IUnknown* (*)();
bool RegisterClassFactory(REFCLSID clsid, ClassFactory factory);
// Removes or restores a class's registration, as installing or removing the component would.
void SetClassRegistered(REFCLSID clsid, bool registered);
}  // namespace platform

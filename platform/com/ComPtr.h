#pragma once
// _com_ptr_t: the counted reference the compiler's COM support generates for every
// interface (_ConnectionPtr, _RecordsetPtr ...).
#include <memory>
#include <utility>

#include "com/ComBase.h"
#include "com/ComError.h"

template <class I>
class _com_ptr_t {
public:
    _com_ptr_t() = default;
    _com_ptr_t(std::nullptr_t) {}
    // Takes a new reference to the object (AddRef), as the framework's constructor does.
    _com_ptr_t(I* p) : m_p(p) {
        if (m_p) m_p->AddRef();
    }
    _com_ptr_t(I* p, bool addRef) : m_p(p) {
        if (m_p && addRef) m_p->AddRef();
    }
    _com_ptr_t(const _com_ptr_t& other) : _com_ptr_t(other.m_p) {}
    _com_ptr_t(_com_ptr_t&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ~_com_ptr_t() { Release(); }

    _com_ptr_t& operator=(const _com_ptr_t& other) {
        if (this != std::addressof(other)) {
            I* old = m_p;
            m_p = other.m_p;
            if (m_p) m_p->AddRef();
            if (old) old->Release();
        }
        return *this;
    }
    _com_ptr_t& operator=(_com_ptr_t&& other) noexcept {
        if (this != std::addressof(other)) {
            Release();
            m_p = std::exchange(other.m_p, nullptr);
        }
        return *this;
    }
    _com_ptr_t& operator=(I* p) { return *this = _com_ptr_t(p); }
    _com_ptr_t& operator=(std::nullptr_t) {
        Release();
        return *this;
    }

    HRESULT CreateInstance(REFCLSID clsid, IUnknown* outer = nullptr, DWORD context = CLSCTX_ALL) {
        Release();
        return CoCreateInstance(clsid, outer, context, __uuidof(I), reinterpret_cast<void**>(&m_p));
    }

    void Release() {
        if (m_p) std::exchange(m_p, nullptr)->Release();
    }
    void Attach(I* p) {
        Release();
        m_p = p;
    }
    I* GetInterfacePtr() const { return m_p; }
    I** operator&() {
        Release();
        return &m_p;
    }
    // Calling through an empty reference is a COM error, as with the framework's pointer.
    I* operator->() const {
        if (!m_p) _com_issue_error(E_POINTER);
        return m_p;
    }
    I& operator*() const {
        if (!m_p) _com_issue_error(E_POINTER);
        return *m_p;
    }
    operator I*() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    bool operator==(std::nullptr_t) const { return m_p == nullptr; }
    bool operator!=(std::nullptr_t) const { return m_p != nullptr; }

private:
    I* m_p = nullptr;
};

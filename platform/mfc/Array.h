#pragma once
// The framework's growable arrays: CArray<TYPE, ARG_TYPE> and CStringArray.
#include <cassert>
#include <stdexcept>
#include <vector>

#include "mfc/Object.h"
#include "mfc/String.h"


template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_items.empty(); }

    // Growing by one element at a time stays amortised constant, unlike the framework's
    // default growth of a few elements.
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1) {
        if (newSize < 0) throw std::invalid_argument("CArray::SetSize: negative size");
        m_items.resize(static_cast<size_t>(newSize));
    }
    void RemoveAll() { m_items.clear(); }

    const TYPE& GetAt(INT_PTR index) const { return m_items.at(Checked(index)); }
    TYPE& GetAt(INT_PTR index) { return m_items.at(Checked(index)); }
    TYPE& ElementAt(INT_PTR index) { return m_items.at(Checked(index)); }
    const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
    TYPE& operator[](INT_PTR index) { return GetAt(index); }

    void SetAtGrow(INT_PTR index, ARG_TYPE value) {
        if (index < 0) throw std::out_of_range("CArray::SetAtGrow: negative index");
        if (static_cast<size_t>(index) >= m_items.size()) m_items.resize(static_cast<size_t>(index) + 1);
        m_items[static_cast<size_t>(index)] = value;
    }
    INT_PTR Add(ARG_TYPE value) {
        m_items.push_back(value);
        return GetSize() - 1;
    }
    INT_PTR Append(const CArray& other) {
        const INT_PTR first = GetSize();
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        return first;
    }
    void Copy(const CArray& other) {
        if (this != &other) m_items = other.m_items;
    }
    void InsertAt(INT_PTR index, ARG_TYPE value, INT_PTR count = 1) {
        if (index < 0 || count < 0) throw std::out_of_range("CArray::InsertAt");
        if (static_cast<size_t>(index) > m_items.size()) m_items.resize(static_cast<size_t>(index));
        m_items.insert(m_items.begin() + index, static_cast<size_t>(count), value);
    }
    void RemoveAt(INT_PTR index, INT_PTR count = 1) {
        if (index < 0 || count < 0 || static_cast<size_t>(index + count) > m_items.size())
            throw std::out_of_range("CArray::RemoveAt");
        m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
    }

    // Iteration for code that is not written against the framework.
    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    size_t Checked(INT_PTR index) const {
        if (index < 0 || static_cast<size_t>(index) >= m_items.size()) throw std::out_of_range("CArray index out of range");
        return static_cast<size_t>(index);
    }
    std::vector<TYPE> m_items;
};

class CStringArray : public CArray<CString, const CString&> {};

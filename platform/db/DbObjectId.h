#pragma once
// Handles and object ids. A handle is the object's permanent number in its drawing (written
// to files in hexadecimal); an object id addresses the object while the drawing is open.
#include <compare>
#include <cstdint>
#include <string>

class AcDbDatabase;
class AcDbObject;

class AcDbHandle {
public:
    AcDbHandle() = default;
    AcDbHandle(std::uint64_t value) : m_value(value) {}
    // Hexadecimal text as files write it ("2A"); anything unreadable gives the null handle.
    explicit AcDbHandle(const wchar_t* hex);

    bool isNull() const { return m_value == 0; }
    std::uint64_t value() const { return m_value; }
    operator std::uint64_t() const { return m_value; }
    // Upper-case hexadecimal without leading zeros ("2A").
    std::wstring text() const;
    AcDbHandle& operator++() { ++m_value; return *this; }
    auto operator<=>(const AcDbHandle&) const = default;

private:
    std::uint64_t m_value = 0;
};

// The database's record of one object: its handle, the object while it is in memory, and
// whether it was erased. Stubs live as long as their database.
struct AcDbStub {
    AcDbDatabase* database = nullptr;
    AcDbHandle handle;
    AcDbObject* object = nullptr;  // owned by the database
    bool erased = false;
};

class AcDbObjectId {
public:
    AcDbObjectId() = default;
    explicit AcDbObjectId(AcDbStub* stub) : m_stub(stub) {}
    static const AcDbObjectId kNull;

    bool isNull() const { return m_stub == nullptr; }
    // True for an id that addresses an object of an open drawing (erased or not).
    bool isValid() const { return m_stub != nullptr && m_stub->object != nullptr; }
    bool isErased() const { return m_stub && m_stub->erased; }
    AcDbHandle handle() const { return m_stub ? m_stub->handle : AcDbHandle(); }
    AcDbDatabase* database() const { return m_stub ? m_stub->database : nullptr; }
    void setNull() { m_stub = nullptr; }
    AcDbStub* stub() const { return m_stub; }

    bool operator==(const AcDbObjectId& other) const { return m_stub == other.m_stub; }
    bool operator!=(const AcDbObjectId& other) const { return m_stub != other.m_stub; }
    bool operator<(const AcDbObjectId& other) const { return handle() < other.handle(); }

private:
    AcDbStub* m_stub = nullptr;
};

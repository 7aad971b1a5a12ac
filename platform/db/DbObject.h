#pragma once
// Drawing objects and the open/close protocol. An object in a drawing is reached through its
// id: opened for read (any number of readers) or for write (one writer, no readers), then
// closed. An object created by new belongs to its creator and counts as open for write until
// it is added to a drawing and closed there.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "db/AcadErrorStatus.h"
#include "db/DbEnums.h"
#include "db/DbObjectId.h"
#include "db/Geometry.h"
#include "db/RawTags.h"
#include "db/ResBuf.h"
#include "db/RxObject.h"

// One item of extended data, by its group code: 1000-1003 and 1005 text (a 1005 handle as
// hexadecimal text), 1004 bytes, 1010-1013 a point, 1040-1042 a real, 1070 a 16-bit and
// 1071 a 32-bit integer.
struct AcDbXDataItem {
    short code = 0;
    std::wstring text;
    std::vector<unsigned char> bytes;
    double values[3] = {0, 0, 0};
    std::int32_t number = 0;
};

// The extended data of one registered application on one object.
namespace platform {
class UndoHistory;
}

struct AcDbXDataApp {
    std::wstring app;
    std::vector<AcDbXDataItem> items;
};

class AcDbObject : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbObject)

    // Limits of extended data, as the host enforces them: one string item holds at most 255
    // bytes in the drawing's encoding (UTF-8 here); one object carries at most 16383 bytes
    // in all (measured as xDataSize describes).
    static constexpr size_t kMaxXDataStringBytes = 255;
    static constexpr size_t kMaxXDataBinaryBytes = 127;
    static constexpr size_t kMaxXDataBytes = 16383;

    AcDbObject() = default;
    // An object deleted while its drawing still lists it leaves an id that no longer opens
    // (eUnknownHandle) rather than one that points at freed memory.
    ~AcDbObject() override {
        if (m_stub) m_stub->object = nullptr;
    }

    // Undo: a copy of what the object holds (a new object, in no drawing), and putting such a
    // copy back. Every class of drawing object declares both with ACDB_DECLARE_STATE.
    virtual std::unique_ptr<AcDbObject> copyState() const { return std::unique_ptr<AcDbObject>(new AcDbObject(*this)); }
    virtual void restoreState(const AcDbObject& state) { *this = state; }
    // About how many bytes a copy of the state keeps to itself (undo's memory budget).
    virtual size_t stateBytes() const;

    AcDbObjectId objectId() const { return AcDbObjectId(m_stub); }
    AcDbObjectId ownerId() const { return m_ownerId; }
    Acad::ErrorStatus setOwnerId(AcDbObjectId owner);
    AcDbDatabase* database() const { return m_stub ? m_stub->database : nullptr; }
    AcDbHandle handle() const { return m_stub ? m_stub->handle : AcDbHandle(); }

    bool isNewObject() const { return m_stub == nullptr; }
    bool isWriteEnabled() const { return isNewObject() || m_writer; }
    bool isErased() const { return m_stub && m_stub->erased; }
    // Set whenever the object is opened for write or added to a drawing; a file writer
    // rewrites only modified objects and clears the flag once the drawing is saved.
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // Ends one opening. An object that is not in a drawing is left alone (its creator
    // deletes it).
    Acad::ErrorStatus close();
    // From read to write: only the sole reader may upgrade (eHadMultipleReaders otherwise);
    // eWasOpenedForWrite when already open for write.
    Acad::ErrorStatus upgradeOpen();
    // Marks the object erased (or not); it must be open for write.
    Acad::ErrorStatus erase(bool erasing = true);

    // A copy of the extended data of one application (1001 item first), or of every
    // application when the name is null; null when there is none. The caller frees it.
    resbuf* xData(const wchar_t* regappName = nullptr) const;
    // Replaces the data of each application named by a 1001 item in the chain with the items
    // that follow it; a 1001 item with nothing after it removes that application's data.
    // Every application must be registered in the object's drawing. The whole call is
    // refused, the old data kept, when an item is invalid or a limit is passed.
    Acad::ErrorStatus setXData(const resbuf* xdata);
    const std::vector<AcDbXDataApp>& xDataApps() const { return m_xdata; }
    // Bytes counted against kMaxXDataBytes: per item 2 for the group code plus its value:
    // text 2 + UTF-8 bytes, binary 1 + bytes, point 24, real 8, 16-bit 2, 32-bit 4.
    static size_t xDataSize(const std::vector<AcDbXDataApp>& apps);

    // The applications whose extended data the file held past the limits above: kept as read
    // (in rawTags) and written back with the object, but not readable through xData().
    const std::vector<std::wstring>& unreadXDataApps() const { return m_unreadXDataApps; }
    void setUnreadXDataApps(std::vector<std::wstring> apps) { m_unreadXDataApps = std::move(apps); }

    // What the drawing file held for this object beyond what is modelled (see RawTags.h).
    platform::RawTags& rawTags() { return m_rawTags; }
    const platform::RawTags& rawTags() const { return m_rawTags; }

protected:
    // Copies of the state only: a copy is a new object, and assigning leaves the object where
    // it is in its drawing, open as it was.
    AcDbObject(const AcDbObject& other)
        : AcRxObject(other), m_ownerId(other.m_ownerId), m_xdata(other.m_xdata),
          m_unreadXDataApps(other.m_unreadXDataApps), m_rawTags(other.m_rawTags) {}
    AcDbObject& operator=(const AcDbObject& other) {
        m_ownerId = other.m_ownerId;
        m_xdata = other.m_xdata;
        m_unreadXDataApps = other.m_unreadXDataApps;
        m_rawTags = other.m_rawTags;
        return *this;
    }

    // eOk when the object may be changed, eNotOpenForWrite otherwise.
    Acad::ErrorStatus assertWriteEnabled() const { return isWriteEnabled() ? Acad::eOk : Acad::eNotOpenForWrite; }

private:
    friend class AcDbDatabase;
    friend class platform::UndoHistory;
    friend Acad::ErrorStatus acdbOpenObject(AcDbObject*&, AcDbObjectId, AcDb::OpenMode, bool);

    AcDbStub* m_stub = nullptr;
    AcDbObjectId m_ownerId;
    int m_readers = 0;
    bool m_writer = false;
    bool m_modified = false;
    std::vector<AcDbXDataApp> m_xdata;
    std::vector<std::wstring> m_unreadXDataApps;
    platform::RawTags m_rawTags;
};

// The undo copies of a class of drawing objects (see AcDbObject::copyState). A class without
// them would be copied as its parent, and lose what it adds.
#define ACDB_DECLARE_STATE(CLASS)                                                                      \
    std::unique_ptr<AcDbObject> copyState() const override { return std::unique_ptr<AcDbObject>(new CLASS(*this)); } \
    void restoreState(const AcDbObject& state) override { *this = static_cast<const CLASS&>(state); }

// Opens the object with the id. Errors: eNullObjectId, eUnknownHandle (no such object),
// eWasErased (erased and openErased not set), eWasOpenedForWrite (open for write already),
// eWasOpenedForRead (write asked while readers hold it).
Acad::ErrorStatus acdbOpenObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false);

// Opens the object as a T; eNotThatKindOfClass (object closed again) when it is not one.
template <class T>
Acad::ErrorStatus acdbOpenObject(T*& object, AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
    object = nullptr;
    AcDbObject* opened = nullptr;
    const Acad::ErrorStatus es = acdbOpenObject(opened, id, mode, openErased);
    if (es != Acad::eOk) return es;
    object = T::cast(opened);
    if (!object) {
        opened->close();
        return Acad::eNotThatKindOfClass;
    }
    return Acad::eOk;
}

// Opens an object for the lifetime of the holder and closes it after.
template <class T>
class AcDbObjectPointer {
public:
    AcDbObjectPointer(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
        m_status = acdbOpenObject(m_object, id, mode, openErased);
    }
    ~AcDbObjectPointer() {
        if (m_object) m_object->close();
    }
    AcDbObjectPointer(const AcDbObjectPointer&) = delete;
    AcDbObjectPointer& operator=(const AcDbObjectPointer&) = delete;
    Acad::ErrorStatus openStatus() const { return m_status; }
    T* operator->() const { return m_object; }
    T* object() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    T* m_object = nullptr;
    Acad::ErrorStatus m_status = Acad::eNullObjectId;
};

#pragma once
// The drawing database: every object of one drawing, addressed by handle. Handles are given
// out from the handle seed, which always lies above every handle in use; a file reader adds
// objects under the handles the file gives and the seed follows (setHandseed restores the
// file's own seed).
#include <algorithm>
#include <deque>
#include <memory>
#include <unordered_map>
#include <vector>

#include "db/DbObject.h"
#include "db/UndoHistory.h"

class AcDbDictionary;
class AcDbBlockTable;
class AcDbSymbolTable;

class AcDbDatabase {
public:
    // An empty database (buildDefaultDrawing false: for a file reader, which creates the
    // tables and dictionaries itself and names them with the setters below), or a new
    // drawing: see platform::NewDrawingDatabase.
    explicit AcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
    ~AcDbDatabase();
    AcDbDatabase(const AcDbDatabase&) = delete;
    AcDbDatabase& operator=(const AcDbDatabase&) = delete;

    // Adds a new object under the next handle; the object stays open for write and the
    // database owns it from now on.
    Acad::ErrorStatus addAcDbObject(AcDbObjectId& id, AcDbObject* object);
    // Adds a new object under a given handle (drawing files); eHandleExists when taken,
    // eNullHandle for 0.
    Acad::ErrorStatus addAcDbObject(AcDbObjectId& id, AcDbObject* object, AcDbHandle handle);
    Acad::ErrorStatus getAcDbObjectId(AcDbObjectId& id, bool createIfNotFound, const AcDbHandle& handle) const;
    AcDbHandle handseed() const { return m_handseed; }
    // eInvalidInput when the seed is not above every handle in use.
    Acad::ErrorStatus setHandseed(AcDbHandle seed);
    // Above every handle the database ever gave, also those of objects an undo took out
    // (kept for redo) that lie above the seed: where handles given out beside the database
    // (a file's own) start.
    AcDbHandle handleFloor() const { return std::max(m_handseed, AcDbHandle(m_maxHandle + 1)); }
    // Whether anything changed since the drawing was made, loaded or last saved: an object
    // added, or opened for write (which erasing and every change need). Opening for write
    // counts even when nothing is then changed, as a CAD program's modified flag does.
    bool hasUnsavedChanges() const { return m_changes != m_savedChanges; }
    void noteChange() { ++m_changes; }
    // Grows with every change; a view compares it to know when to draw the drawing again.
    std::uint64_t changeCount() const { return m_changes; }
    // The drawing now matches its file (after loading or saving).
    void markSaved() { m_savedChanges = m_changes; }
    // The file document kept with the database was brought up to date with it (a save, or a
    // view's redraw): how many times. Undo knows from it whether the document still holds
    // an object as it was.
    // ceiling: above every handle the document holds.
    void noteFileSynced(AcDbHandle ceiling) {
        ++m_fileSyncs;
        m_fileCeiling = ceiling;
    }
    std::uint64_t fileSyncs() const { return m_fileSyncs; }
    AcDbHandle fileHandleCeiling() const { return m_fileCeiling; }
    // The changes of each command, to undo and redo.
    platform::UndoHistory& undoHistory() { return *m_undo; }
    // Ids of every object in the order of their handles (erased ones included).
    std::vector<AcDbObjectId> objectIds() const;

    AcDbObjectId blockTableId() const { return m_blockTable; }
    AcDbObjectId layerTableId() const { return m_layerTable; }
    AcDbObjectId textStyleTableId() const { return m_textStyleTable; }
    AcDbObjectId regAppTableId() const { return m_regAppTable; }
    AcDbObjectId namedObjectsDictionaryId() const { return m_namedObjects; }
    AcDbObjectId tableStyleDictionaryId() const { return m_tableStyleDictionary; }
    AcDbObjectId modelSpaceId() const { return m_modelSpace; }
    AcDbObjectId paperSpaceId() const { return m_paperSpace; }
    AcDbObjectId currentSpaceId() const { return m_currentSpace; }
    AcDbObjectId clayer() const { return m_clayer; }
    AcDbObjectId textstyle() const { return m_textStyle; }
    AcDbObjectId tablestyle() const { return m_tableStyle; }
    // The drawing's units: what its defaults (a table style made for it) are sized for.
    AcDb::MeasurementValue measurement() const { return m_measurement; }
    void setMeasurement(AcDb::MeasurementValue units) { m_measurement = units; }
    Acad::ErrorStatus setCurrentSpace(AcDbObjectId id);
    Acad::ErrorStatus setTablestyle(AcDbObjectId id);
    Acad::ErrorStatus setClayer(AcDbObjectId id);
    Acad::ErrorStatus setTextstyle(AcDbObjectId id);
    // For file readers that built the tables themselves.
    void setBlockTableId(AcDbObjectId id) { m_blockTable = id; }
    void setLayerTableId(AcDbObjectId id) { m_layerTable = id; }
    void setTextStyleTableId(AcDbObjectId id) { m_textStyleTable = id; }
    void setRegAppTableId(AcDbObjectId id) { m_regAppTable = id; }
    void setNamedObjectsDictionaryId(AcDbObjectId id) { m_namedObjects = id; }
    void setTableStyleDictionaryId(AcDbObjectId id) { m_tableStyleDictionary = id; }
    void setModelSpaceId(AcDbObjectId id) { m_modelSpace = id; }
    void setPaperSpaceId(AcDbObjectId id) { m_paperSpace = id; }

    Acad::ErrorStatus getBlockTable(AcDbBlockTable*& table, AcDb::OpenMode mode) const;
    Acad::ErrorStatus getTableStyleDictionary(AcDbDictionary*& dict, AcDb::OpenMode mode) const;

    // Registered applications (extended data owners).
    bool isRegAppRegistered(const wchar_t* name) const;
    // RTNORM when newly registered, RTERROR when the name was registered already or is
    // not a valid name.
    int registerApp(const wchar_t* name);

    // The entity appended last to any block of this drawing (selection "L").
    AcDbObjectId lastEntity() const;
    void noteAppendedEntity(AcDbObjectId id) { m_lastEntity = id; }

    // What the drawing file reader keeps beside the database (the file's own document, for
    // the parts the database does not model); opaque here, owned with the database.
    // The version of the file the drawing was read from (the version a new drawing is saved
    // in for one never read). Files before R2000 have no table entities, table styles or
    // objects: a drawing read from one is written back in its own version.
    AcDb::AcDbDwgVersion originalFileVersion() const { return m_fileVersion; }
    void setOriginalFileVersion(AcDb::AcDbDwgVersion version) { m_fileVersion = version; }
    const std::shared_ptr<void>& fileData() const { return m_fileData; }
    void setFileData(std::shared_ptr<void> data) { m_fileData = std::move(data); }

    // A number that names this database in entity names while it exists.
    std::int64_t serial() const { return m_serial; }
    static AcDbDatabase* fromSerial(std::int64_t serial);

private:
    friend class platform::UndoHistory;
    void buildDefaultDrawing();
    AcDbStub* newStub(AcDbHandle handle);

    std::deque<AcDbStub> m_stubs;  // stable addresses for object ids
    std::unordered_map<std::uint64_t, AcDbStub*> m_byHandle;
    AcDbHandle m_handseed{1};
    std::uint64_t m_maxHandle = 0;
    AcDbHandle m_fileCeiling{1};
    std::int64_t m_serial;
    std::uint64_t m_changes = 0, m_savedChanges = 0, m_fileSyncs = 0;

    AcDbObjectId m_blockTable, m_layerTable, m_textStyleTable, m_regAppTable;
    AcDbObjectId m_namedObjects, m_tableStyleDictionary;
    AcDbObjectId m_modelSpace, m_paperSpace, m_currentSpace;
    AcDbObjectId m_clayer, m_textStyle, m_tableStyle;
    AcDbObjectId m_lastEntity;
    AcDb::MeasurementValue m_measurement = AcDb::kEnglish;
    std::shared_ptr<void> m_fileData;
    AcDb::AcDbDwgVersion m_fileVersion = AcDb::kDHL_CURRENT;
    // Last, so that it goes before the objects its states refer to.
    std::unique_ptr<platform::UndoHistory> m_undo = std::make_unique<platform::UndoHistory>(*this);
};

// Registers an application name in the working database (RTNORM / RTERROR as registerApp).
int acdbRegApp(const wchar_t* appName);

namespace platform {
// A new drawing in imperial units: model space "*Model_Space", one layout "*Paper_Space",
// layer "0", text style "Standard", the application "ACAD", the named-object dictionary with
// "ACAD_TABLESTYLE" holding "Standard" (the current table style); model space current.
std::shared_ptr<AcDbDatabase> NewDrawingDatabase();
}  // namespace platform

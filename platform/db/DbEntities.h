#pragma once
// The simple entities: lines, block references, multi-line text, and the
// stand-in for any entity a drawing file holds that this host does not model.
#include <string>

#include "db/DbEntity.h"

class AcDbLine : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbLine)
    ACDB_DECLARE_STATE(AcDbLine)
    AcDbLine() = default;
    AcDbLine(const AcGePoint3d& start, const AcGePoint3d& end) : m_start(start), m_end(end) {}
    AcGePoint3d startPoint() const { return m_start; }
    AcGePoint3d endPoint() const { return m_end; }
    Acad::ErrorStatus setStartPoint(const AcGePoint3d& p);
    Acad::ErrorStatus setEndPoint(const AcGePoint3d& p);

    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    // Within the aperture of the segment (in plan).
    bool isPickedAt(const AcGePoint3d& point, double aperture) const override;
    void listDetails(std::wstring& text) const override;

private:
    AcGePoint3d m_start, m_end;
};

class AcDbBlockReference : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockReference)
    ACDB_DECLARE_STATE(AcDbBlockReference)
    AcDbBlockReference() = default;
    AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId block) : m_position(position), m_block(block) {}
    AcGePoint3d position() const { return m_position; }
    Acad::ErrorStatus setPosition(const AcGePoint3d& p);
    AcDbObjectId blockTableRecord() const { return m_block; }
    double rotation() const { return m_rotation; }
    Acad::ErrorStatus setRotation(double angle);

    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    void listDetails(std::wstring& text) const override;

private:
    AcGePoint3d m_position;
    AcDbObjectId m_block;
    double m_rotation = 0;
};

class AcDbMText : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbMText)
    ACDB_DECLARE_STATE(AcDbMText)
    AcGePoint3d location() const { return m_location; }
    Acad::ErrorStatus setLocation(const AcGePoint3d& p);
    const wchar_t* contents() const { return m_contents.c_str(); }
    Acad::ErrorStatus setContents(const wchar_t* text);
    double textHeight() const { return m_height; }
    Acad::ErrorStatus setTextHeight(double h);
    double width() const { return m_width; }
    Acad::ErrorStatus setWidth(double w);

    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    void listDetails(std::wstring& text) const override;

private:
    AcGePoint3d m_location;
    std::wstring m_contents;
    double m_height = 0.2;
    double m_width = 0;
};

// An entity of a type this host does not model, kept as it was read (its tags in
// rawTags()) so that saving writes it back unchanged. It can be selected, erased and
// listed but not moved. An entity of a type the host does model is kept so too when what it
// holds cannot be taken in (a table laid out beyond what a drawing holds): why, in unread.
class AcDbRawEntity : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbRawEntity)
    ACDB_DECLARE_STATE(AcDbRawEntity)
    explicit AcDbRawEntity(std::wstring typeName = L"", std::wstring unread = L"")
        : m_typeName(std::move(typeName)), m_unread(std::move(unread)) {}
    const wchar_t* entityTypeName() const override { return m_typeName.c_str(); }
    // Why an entity of a modelled type was kept as read; empty for the others.
    const std::wstring& unreadReason() const { return m_unread; }
    void listDetails(std::wstring& text) const override;

private:
    std::wstring m_typeName;
    std::wstring m_unread;
};

// The same for non-graphical objects.
class AcDbRawObject : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbRawObject)
    ACDB_DECLARE_STATE(AcDbRawObject)
    explicit AcDbRawObject(std::wstring typeName = L"") : m_typeName(std::move(typeName)) {}
    const wchar_t* objectTypeName() const { return m_typeName.c_str(); }

private:
    std::wstring m_typeName;
};

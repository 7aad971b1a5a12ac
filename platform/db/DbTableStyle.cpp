#include "db/DbTableStyle.h"

#include "db/Geometry.h"

ACRX_DEFINE_MEMBERS(AcDbTableStyle, AcDbObject, L"TABLESTYLE")

Acad::ErrorStatus AcDbTableStyle::getName(wchar_t*& name) const {
    name = platform::DuplicateRbString(m_name.c_str());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTableStyle::setName(const wchar_t* name) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!name || !*name) return Acad::eInvalidInput;
    m_name = name;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTableStyle::setDescription(const wchar_t* text) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    m_description = text ? text : L"";
    return Acad::eOk;
}

double AcDbTableStyle::textHeight(AcDb::RowType rowType) const {
    switch (rowType) {
    case AcDb::kTitleRow: return m_titleHeight;
    case AcDb::kHeaderRow: return m_headerHeight;
    default: return m_dataHeight;
    }
}

Acad::ErrorStatus AcDbTableStyle::setTextHeight(double height, int rowTypes) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!(height > 0) || !platform::IsTextHeightValue(height)) return Acad::eInvalidInput;
    if (rowTypes & AcDb::kTitleRow) m_titleHeight = height;
    if (rowTypes & AcDb::kHeaderRow) m_headerHeight = height;
    if (rowTypes & AcDb::kDataRow) m_dataHeight = height;
    return Acad::eOk;
}

AcDb::CellAlignment AcDbTableStyle::alignment(AcDb::RowType rowType) const {
    switch (rowType) {
    case AcDb::kTitleRow: return m_titleAlignment;
    case AcDb::kHeaderRow: return m_headerAlignment;
    default: return m_dataAlignment;
    }
}

Acad::ErrorStatus AcDbTableStyle::setAlignment(AcDb::CellAlignment align, int rowTypes) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (align < AcDb::kTopLeft || align > AcDb::kBottomRight) return Acad::eInvalidInput;
    if (rowTypes & AcDb::kTitleRow) m_titleAlignment = align;
    if (rowTypes & AcDb::kHeaderRow) m_headerAlignment = align;
    if (rowTypes & AcDb::kDataRow) m_dataAlignment = align;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTableStyle::setHorzCellMargin(double margin) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!(margin >= 0) || !platform::IsTextHeightValue(margin)) return Acad::eInvalidInput;
    m_horzMargin = margin;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTableStyle::setVertCellMargin(double margin) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!(margin >= 0) || !platform::IsTextHeightValue(margin)) return Acad::eInvalidInput;
    m_vertMargin = margin;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTableStyle::suppressTitleRow(bool value) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    m_titleSuppressed = value;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTableStyle::suppressHeaderRow(bool value) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    m_headerSuppressed = value;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTableStyle::setTextStyle(AcDbObjectId id) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    m_textStyle = id;
    return Acad::eOk;
}

namespace platform {

AcDbTableStyle* NewStandardTableStyle(AcDb::MeasurementValue units) {
    auto* style = new AcDbTableStyle;
    style->setName(L"Standard");
    if (units == AcDb::kMetric) {
        style->setTextHeight(4.5, AcDb::kDataRow | AcDb::kHeaderRow);
        style->setTextHeight(6.0, AcDb::kTitleRow);
        style->setHorzCellMargin(1.5);
        style->setVertCellMargin(1.5);
    }
    return style;
}

}  // namespace platform

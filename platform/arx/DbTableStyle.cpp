#include "DbTableStyle.h"

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
    if (!(height > 0)) return Acad::eInvalidInput;
    if (rowTypes & AcDb::kTitleRow) m_titleHeight = height;
    if (rowTypes & AcDb::kHeaderRow) m_headerHeight = height;
    if (rowTypes & AcDb::kDataRow) m_dataHeight = height;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTableStyle::setHorzCellMargin(double margin) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (margin < 0) return Acad::eInvalidInput;
    m_horzMargin = margin;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTableStyle::setVertCellMargin(double margin) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (margin < 0) return Acad::eInvalidInput;
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

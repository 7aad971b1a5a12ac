#pragma once
// Table styles: text heights per row kind and the cell margins that new tables are sized
// from. A new drawing's "Standard" style has the imperial defaults of a drawing started
// from the host's default template: text height 0.25 for the title row, 0.18 for headers
// and data, cell margins 0.06.
#include <string>

#include "DbObject.h"

class AcDbTableStyle : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbTableStyle)

    // A copy of the name the caller frees with acutDelBuffer.
    Acad::ErrorStatus getName(wchar_t*& name) const;
    const wchar_t* name() const { return m_name.c_str(); }
    Acad::ErrorStatus setName(const wchar_t* name);
    const wchar_t* description() const { return m_description.c_str(); }
    Acad::ErrorStatus setDescription(const wchar_t* text);

    // Text height of a row kind (the data row's height for several kinds together).
    double textHeight(AcDb::RowType rowType = AcDb::kDataRow) const;
    // Sets the height of every kind named in rowTypes (a mask of AcDb::RowType values).
    Acad::ErrorStatus setTextHeight(double height, int rowTypes = AcDb::kDataRow | AcDb::kHeaderRow | AcDb::kTitleRow);
    double horzCellMargin() const { return m_horzMargin; }
    double vertCellMargin() const { return m_vertMargin; }
    Acad::ErrorStatus setHorzCellMargin(double margin);
    Acad::ErrorStatus setVertCellMargin(double margin);
    bool isTitleSuppressed() const { return m_titleSuppressed; }
    bool isHeaderSuppressed() const { return m_headerSuppressed; }
    Acad::ErrorStatus suppressTitleRow(bool value);
    Acad::ErrorStatus suppressHeaderRow(bool value);
    AcDbObjectId textStyle() const { return m_textStyle; }
    Acad::ErrorStatus setTextStyle(AcDbObjectId id);

private:
    std::wstring m_name;
    std::wstring m_description;
    double m_titleHeight = 0.25;
    double m_headerHeight = 0.18;
    double m_dataHeight = 0.18;
    double m_horzMargin = 0.06;
    double m_vertMargin = 0.06;
    bool m_titleSuppressed = false;
    bool m_headerSuppressed = false;
    AcDbObjectId m_textStyle;
};

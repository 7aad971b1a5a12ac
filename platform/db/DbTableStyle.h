#pragma once
// Table styles: text heights and alignments per row kind and the cell margins that tables are
// sized and drawn from. A default style has the imperial values of a drawing started from the
// host's default template: text height 0.25 for the title row, 0.18 for headers and data, cell
// margins 0.06; metric drawings use the metric template's 6.0, 4.5 and 1.5
// (platform::NewStandardTableStyle).
#include <string>

#include "db/DbObject.h"

class AcDbTableStyle : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbTableStyle)
    ACDB_DECLARE_STATE(AcDbTableStyle)

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
    // Alignment of a row kind's cells.
    AcDb::CellAlignment alignment(AcDb::RowType rowType = AcDb::kDataRow) const;
    Acad::ErrorStatus setAlignment(AcDb::CellAlignment align, int rowTypes = AcDb::kDataRow | AcDb::kHeaderRow | AcDb::kTitleRow);
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
    AcDb::CellAlignment m_titleAlignment = AcDb::kMiddleCenter;
    AcDb::CellAlignment m_headerAlignment = AcDb::kMiddleCenter;
    AcDb::CellAlignment m_dataAlignment = AcDb::kTopCenter;
    double m_horzMargin = 0.06;
    double m_vertMargin = 0.06;
    bool m_titleSuppressed = false;
    bool m_headerSuppressed = false;
    AcDbObjectId m_textStyle;
};

namespace platform {
// A new "Standard" table style (not in a database yet) with the defaults for the units.
AcDbTableStyle* NewStandardTableStyle(AcDb::MeasurementValue units);
}  // namespace platform

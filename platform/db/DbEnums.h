#pragma once
// The drawing database's enumerations the module uses.
namespace AcDb {

enum OpenMode { kForRead = 0, kForWrite = 1, kForNotify = 2 };

// Row kinds of a table style; a style keeps its text height per kind.
enum RowType { kUnknownRow = 0, kDataRow = 1, kTitleRow = 2, kHeaderRow = 4 };

enum CellType { kUnknownCell = 0, kTextCell = 1, kBlockCell = 2 };

// Versions of drawing files, by the $ACADVER they write (AC1009 is R12, AC1015 R2000 ...).
// A fixed type: a file may name a version this list does not, and its number is kept as read.
enum AcDbDwgVersion : int {
    kDHL_1006 = 1006, kDHL_1009 = 1009, kDHL_1012 = 1012, kDHL_1014 = 1014, kDHL_1015 = 1015, kDHL_1018 = 1018,
    kDHL_1021 = 1021, kDHL_1024 = 1024, kDHL_1027 = 1027, kDHL_1032 = 1032, kDHL_CURRENT = kDHL_1027
};

enum CellAlignment {
    kTopLeft = 1, kTopCenter = 2, kTopRight = 3,
    kMiddleLeft = 4, kMiddleCenter = 5, kMiddleRight = 6,
    kBottomLeft = 7, kBottomCenter = 8, kBottomRight = 9
};

// The drawing's units ($MEASUREMENT): what a new drawing's defaults are sized for.
enum MeasurementValue { kEnglish = 0, kMetric = 1 };

}  // namespace AcDb

// Which number formats show dates, and the names a header row gives columns: the two rules by
// which a workbook's cells become typed, named columns.
#include <gtest/gtest.h>

#include "sheets/CellValues.h"

namespace {

using platform::sheets::ColumnNames;
using platform::sheets::IsDateFormat;

TEST(NumberFormats, DatesAndTimesAreToldFromNumbersByTheirCodes) {
    for (const char* date : {"yyyy-mm-dd", "d/m/yy", "mmm-yy", "dd.mm.yyyy hh:mm", "h:mm AM/PM", "[h]:mm:ss", "[$-409]d-mmm-yy;@", "[Red]dd/mm"})
        EXPECT_TRUE(IsDateFormat(164, date)) << date;
    for (const char* number : {"General", "0.00", "#,##0;[Red]-#,##0", "0.00E+00", "\"days\" 0", "0\\d", "_-* #,##0_-", "[>100]0;0", "@"})
        EXPECT_FALSE(IsDateFormat(164, number)) << number;
    // The built-in formats carry no code in the file: their ids say it.
    for (size_t id : {14u, 15u, 18u, 22u, 45u, 47u}) EXPECT_TRUE(IsDateFormat(id, "")) << id;
    for (size_t id : {0u, 1u, 2u, 9u, 10u, 11u, 49u}) EXPECT_FALSE(IsDateFormat(id, "")) << id;
}

TEST(ColumnNaming, EveryColumnGetsANameSqlCanUse) {
    EXPECT_EQ(ColumnNames({"Part", "", "part", "Part", "Qty.net"}, true),
              (std::vector<std::string>{"Part", "F2", "part1", "Part2", "Qty#net"}));
    EXPECT_EQ(ColumnNames({"Part", "Qty"}, false), (std::vector<std::string>{"F1", "F2"}));
}

}  // namespace

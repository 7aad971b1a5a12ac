// Cell text measurement: wrapping between words, breaking words wider than the cell, and the
// paragraph breaks of cell texts.
#include <gtest/gtest.h>

#include "db/TextMeasure.h"

using platform::BreakLongWords;
using platform::TextWidth;
using platform::WrappedLineCount;

TEST(TextMeasure, WrapsBetweenWordsAndBreaksWordsWiderThanTheWidth) {
    const double h = 1.0;
    const double word = TextWidth("word", h), space = TextWidth(" ", h);
    EXPECT_GT(word, 2.5);  // about as wide as a wide sans-serif font draws it
    EXPECT_EQ(WrappedLineCount("word word word", h, 3 * word + 2 * space), 1);
    EXPECT_EQ(WrappedLineCount("word word word", h, 3 * word + space), 2);
    EXPECT_EQ(WrappedLineCount("word word word", h, word), 3);
    EXPECT_EQ(WrappedLineCount("word word word", h, 0), 1);  // no width: no wrapping
    // Paragraphs: the stored form (\P) and line breaks of database texts; an escaped
    // backslash is no break.
    EXPECT_EQ(WrappedLineCount("a\\Pb\nc\r\nd", h, 100), 4);
    EXPECT_EQ(WrappedLineCount("a\\\\Pb", h, 100), 1);
    EXPECT_EQ(WrappedLineCount("", h, 10), 1);
    // A word four times as wide as the room takes four lines, broken between characters.
    EXPECT_EQ(WrappedLineCount("wordwordwordword", h, word * 1.01), 4);
    EXPECT_EQ(BreakLongWords("wordwordwordword", h, word * 1.01), "word\\Pword\\Pword\\Pword");
    // Words that fit are left to the drawing program's own wrapping.
    EXPECT_EQ(BreakLongWords("word word word", h, word * 1.01), "word word word");
    EXPECT_EQ(BreakLongWords("ab wordword\\Pcd", h, word * 1.01), "ab word\\Pword\\Pcd");
    // Wider scripts count wider than Latin letters.
    EXPECT_GT(TextWidth("\u0416\u0416", h), TextWidth("\u00e9\u00e9", h));
}

#pragma once
// How much room a cell text takes: its width estimated from its characters, the lines it
// wraps into at a given width, and the height those lines need in a table row. The estimate
// is generous (as wide as a wide sans-serif font), so a program that draws the text with a
// narrower font never needs more lines than a row was given.
#include <string>
#include <string_view>

namespace platform {

// Width of one character in units of the text height (the capital letters' height).
double CharWidth(char32_t c);

// Width of a text on one line (UTF-8; formatting codes other than paragraph breaks count as
// their characters), in drawing units, at the given text height.
double TextWidth(std::string_view utf8, double height);

// Lines the text takes when wrapped at width: paragraphs ("\P" or a line break) start new
// lines, words move to the next line when they would pass the width, and a word wider than
// the width is broken between characters. A width of 0 or less wraps nothing.
int WrappedLineCount(std::string_view utf8, double height, double width);

// The text with a paragraph break ("\P") inserted wherever a word wider than the width is
// broken; unchanged (and returned as it is) when no word needs breaking. Drawing programs
// wrap between words by themselves but let a long word run past the edge.
std::string BreakLongWords(std::string_view utf8, double height, double width);

// Height of the text block of a cell with the given number of lines: the first line a third
// taller than the text for its descenders, each further line one line pitch (5/3 of the text
// height, the pitch of multi-line text at spacing 1).
double TextBlockHeight(int lines, double height);

}  // namespace platform

#pragma once
// The preview tool: the cell grid a refresh would write, printed for people who work
// without the drawing editor.
//   velloria preview DB (--table T | --sql S) [--header] [--driver NAME] [--user U] [--password P]
// One row a line, cells separated by tabs, on standard output; errors on standard error and a
// non-zero status.
extern "C" int velloriaPreview(int argc, char** argv);

#pragma once
// The terminal as a line editor (GNU Readline): the typed line can be edited, earlier lines
// are recalled with the arrow keys, and Tab completes what the prompt offers. ^C, a lone
// Escape and Escape then Enter give the line "^C", as the plain terminal source does; ^D on
// an empty line ends one read only.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/Console.h"

// The words Tab completes at a prompt (the prompt's last line); none for most prompts.
using CompletionWords = std::function<std::vector<std::string>(std::string_view prompt)>;

// Reads standard input, which must be a terminal. The lines typed at each prompt are kept for
// recall at that prompt; those of savedPrompt are also appended to historyFile when it is not
// empty, and its last 1000 lines are recalled from the start.
// The editor is libvelloria_lineeditor.so beside the program, loaded here: a run that reads no
// terminal never loads Readline. When that library cannot be loaded, a line saying why goes to
// standard error and the terminal is read as plain lines.
std::unique_ptr<platform::LineSource> MakeLineEditor(CompletionWords words, std::string historyFile, std::string savedPrompt);

// The one function the library exports, by this name.
inline constexpr const char* kLineEditorEntry = "velloriaMakeLineEditor";
using MakeLineEditorFn = void(CompletionWords words, std::string historyFile, std::string savedPrompt, std::unique_ptr<platform::LineSource>* editor);

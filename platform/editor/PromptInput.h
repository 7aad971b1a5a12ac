#pragma once
// What the prompt being read expects, for input devices other than the keyboard: a window
// answers a point prompt with the point clicked, "Select objects:" with the entities picked,
// and shows a dragged set following the cursor. The prompts say what they read while they
// read it; the answer still arrives as a typed line, so every device gives the same input.
#include <vector>

#include "db/AdsDefs.h"
#include "db/DbObjectId.h"

namespace platform {

enum class PromptKind {
    Text,       // a word, a keyword, a name
    Command,    // the command line's "Command: "
    Point,      // a point (with a base point when one was given)
    Corner,     // the opposite corner of a rectangle from the base point
    Entity,     // one entity, picked by a point
    Selection,  // "Select objects:": points, windows, handles until an empty line
    Drag,       // a point, with a set shown moved by the callback's matrix
};

using DragCallback = int (*)(ads_point, ads_matrix);

struct PromptRequest {
    PromptKind kind = PromptKind::Text;
    bool hasBase = false;
    double base[3] = {0, 0, 0};
    // Selection: the entities chosen so far.
    const std::vector<AcDbObjectId>* chosen = nullptr;
    // Drag: the set and the transformation for a cursor position.
    ads_name dragSet = {0, 0};
    DragCallback dragCallback = nullptr;
};

// The prompt being read now; Text when no prompt said otherwise.
const PromptRequest& CurrentPrompt();

// Declares the prompt for its lifetime; the one before comes back after it.
class ScopedPrompt {
public:
    explicit ScopedPrompt(const PromptRequest& request);
    explicit ScopedPrompt(PromptKind kind);
    ~ScopedPrompt();
    ScopedPrompt(const ScopedPrompt&) = delete;
    ScopedPrompt& operator=(const ScopedPrompt&) = delete;

private:
    PromptRequest m_previous;
};

}  // namespace platform

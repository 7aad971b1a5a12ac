#pragma once
// Saving a drawing as SAVE does, for the commands that must save before they go on.
#include "runtime/DocManager.h"

// Saves the document to its own file, asking for a name when it was never saved; true when
// it was saved ("Saved NAME." on the command line).
bool SaveDocumentAsked(AcApDocument* document);

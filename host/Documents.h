#pragma once
// Creating and opening drawings in the document manager. These are the only places that make
// documents, so the drawing database can be attached in one spot.
#include <string>

#include "DocManager.h"

// A new, unsaved drawing (made current).
AcApDocument* CreateNewDocument();
// The drawing file at path (made current); null when it cannot be opened.
AcApDocument* OpenDrawingDocument(const std::wstring& path);
// Tells every loaded module that the drawing is now open (kLoadDwgMsg).
void NotifyDrawingLoaded(AcApDocument* document);

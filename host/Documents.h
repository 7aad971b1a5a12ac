#pragma once
// Creating, opening and saving drawings in the document manager. These are the only places
// that make documents, so the drawing database can be attached in one spot.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/DocManager.h"

// A new, unsaved drawing (made current).
AcApDocument* CreateNewDocument();
// Asks the prompt until one of the keywords answers it, or Enter (the default); nothing when
// it is cancelled (after "*Cancel*").
std::optional<std::wstring> AskKeyword(const std::wstring& prompt, const wchar_t* keywords, const std::wstring& byDefault);
// The drawing file at path (made current); null when it cannot be read, after one line
// "FILE: line N: reason" on the command line (or in *error when given). Nothing is written
// to the file. What of the drawing was left out or kept as the file holds it, and why, is put
// in *notes when given, or else said in a line each: on the command line, or on standard error
// when *error is given (a tool's).
AcApDocument* OpenDrawingDocument(const std::wstring& path, std::string* error = nullptr, std::vector<std::string>* notes = nullptr);
// Saves the document's drawing to path (atomically) and makes that the document's file;
// false after one line naming the file and the reason (or that line in *error).
bool SaveDrawingDocument(AcApDocument* document, const std::wstring& path, std::string* error = nullptr);
// The full host path a drawing path names (stored spellings such as "D:\x" included).
std::string DrawingFilePath(const std::wstring& path);
// The file a drawing read from path is saved to in place: that file, or for a DWG drawing the
// DXF beside it, as nothing writes DWG.
std::wstring InPlaceSavePath(const std::wstring& path);
// Whether path names a DWG drawing (by its name or its first bytes).
bool IsDwgDrawing(const std::wstring& path);
// Tells every loaded module that the drawing is now open (kLoadDwgMsg).
void NotifyDrawingLoaded(AcApDocument* document);

// For a drawing with unsaved changes, asks "Save changes to NAME? [Yes/No/Cancel] <Yes>:"
// and saves on Yes (asking for a name when it has none). True when the drawing may be closed:
// unchanged, saved, or the user said No; false on Cancel, at the end of input, or when the
// save failed (the drawing then stays open, unchanged).
bool OfferToSave(AcApDocument* document);
// How a window asks the question of OfferToSave instead of the command line: the drawing's
// name in, the answer out. An empty function returns to the command line.
enum class SaveAnswer { Yes, No, Cancel };
using SaveQuestion = std::function<SaveAnswer(const std::wstring& name)>;
void SetSaveQuestion(SaveQuestion question);
// Whether the session holds several drawings at once, each in its tab of the window (OPEN and
// NEW add one), or one at a time as on the console (OPEN and NEW replace it).
void SetDrawingsInTabs(bool tabs);
bool DrawingsInTabs();
// The open document of the drawing file at path, or null.
AcApDocument* FindOpenDocument(const std::wstring& path);
// Closes a document the user has let go of: modules hear kUnloadDwgMsg first.
void CloseDocument(AcApDocument* document);
// The names of the open drawings that have unsaved changes.
std::vector<std::wstring> UnsavedDrawings();

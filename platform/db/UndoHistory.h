#pragma once
// A drawing's undo history. Each command's changes are one step: the command stack opens a
// group before the command runs and closes it after (so does the refresh when a drawing is
// opened). While a group is open, the database hands the history every object the moment it
// is first opened for write (a copy of its state, through the object's own copyState) and
// every object added; undoing a step puts those states back, and the states it replaces are
// kept for redoing it. Steps reach back past saves, as a CAD program's undo does.
//
// Memory: a table's copy shares its rows with the table until one of them changes, so a step
// keeps the rows a command rewrote and little else. The history keeps at most a budget of
// bytes (kDefaultBudget); past it the oldest steps are forgotten, never the newest.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "db/DbObject.h"

class AcDbDatabase;

namespace platform {

class UndoHistory {
public:
    static constexpr std::size_t kDefaultBudget = std::size_t(256) << 20;

    explicit UndoHistory(AcDbDatabase& database);
    ~UndoHistory();
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // Groups nest: only the outermost one makes a step, named after it. A group in which
    // nothing was opened for write or added leaves no step (and what was undone stays
    // redoable); any other step ends the chance to redo.
    void BeginGroup(std::wstring_view name);
    void EndGroup();
    bool InGroup() const { return m_depth > 0; }

    // Undoes the last steps, at most count of them; the names of those undone, the last one
    // first. Nothing is undone inside a group, or while an object of a step is open.
    std::vector<std::wstring> Undo(int count = 1);
    // Redoes the step undone last; its name, or nothing when there is none to redo.
    std::optional<std::wstring> Redo();

    std::size_t UndoCount() const { return m_done.size(); }
    std::size_t RedoCount() const { return m_undone.size(); }
    // The name of the step Undo or Redo would take next; empty when there is none.
    std::wstring NextUndoName() const;
    std::wstring NextRedoName() const;

    // The bytes the kept states take, about.
    std::size_t Bytes() const;
    void SetBudget(std::size_t bytes);
    std::size_t Budget() const { return m_budget; }

    // The database's calls: an object of the drawing is about to be changed (opened for
    // write), or was just added. Outside a group nothing is kept.
    void NoteWrite(AcDbObject& object);
    void NoteAdded(AcDbObject& object);

private:
    // One object on the other side of a step.
    struct Record {
        AcDbStub* stub = nullptr;
        // The object's state there; null for an object the step added (it is the same object
        // on both sides, and absent, as erased, before the step).
        std::unique_ptr<AcDbObject> state;
        bool erased = false;
        // Whether the drawing's file document held that state when it was kept (the object
        // was unmodified), and how many times the document had been brought up to date then:
        // an object put back while both still hold is unmodified again, so a save writes
        // the file's own text for it.
        bool inFile = false;
        std::uint64_t syncs = 0;
    };
    struct Step {
        std::wstring name;
        std::vector<Record> records;
        // The drawing's handle seed before the step and right after it (before a save raised
        // it past the handles the file gave out): an undo and a redo give out the same handles
        // again, so their drawings are saved as they were.
        AcDbHandle seedBefore, seedAfter;
        std::size_t bytes = 0;
    };

    // Exchanges the drawing's states with the step's: an undo, or the redo of an undo.
    void Swap(Step& step, bool redo);
    static std::size_t Measure(const Step& step);
    bool AnyOpen(const Step& step) const;
    void KeepWithinBudget();

    AcDbDatabase& m_database;
    int m_depth = 0;
    Step m_open;
    std::unordered_set<AcDbStub*> m_kept;  // the objects of m_open
    std::vector<Step> m_done;    // oldest first
    std::vector<Step> m_undone;  // the next to redo last
    std::size_t m_budget = kDefaultBudget;
};

// Opens a group of the database's history for the lifetime of the object (none for a null
// database, or one that is gone by the end).
class UndoGroup {
public:
    UndoGroup(AcDbDatabase* database, std::wstring_view name);
    ~UndoGroup();
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;

private:
    std::int64_t m_serial = 0;
};

}  // namespace platform

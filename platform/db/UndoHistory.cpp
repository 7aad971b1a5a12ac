#include "db/UndoHistory.h"

#include <algorithm>

#include "db/DbDatabase.h"
#include "db/DbObject.h"

namespace platform {

UndoHistory::UndoHistory(AcDbDatabase& database) : m_database(database) {}
UndoHistory::~UndoHistory() = default;

void UndoHistory::BeginGroup(std::wstring_view name) {
    if (m_depth++ > 0) return;
    m_open = Step{};
    m_open.name = name;
    m_open.seedBefore = m_database.handseed();
    m_kept.clear();
}

void UndoHistory::EndGroup() {
    if (m_depth == 0 || --m_depth > 0) return;
    Step step = std::move(m_open);
    m_open = Step{};
    m_kept.clear();
    if (step.records.empty()) return;
    step.seedAfter = m_database.handseed();
    step.bytes = Measure(step);
    m_done.push_back(std::move(step));
    m_undone.clear();
    KeepWithinBudget();
}

void UndoHistory::NoteWrite(AcDbObject& object) {
    if (m_depth == 0 || !object.m_stub || !m_kept.insert(object.m_stub).second) return;
    Record record;
    record.stub = object.m_stub;
    record.state = object.copyState();
    record.erased = object.m_stub->erased;
    record.inFile = !object.m_modified;
    record.syncs = m_database.fileSyncs();
    m_open.records.push_back(std::move(record));
}

void UndoHistory::NoteAdded(AcDbObject& object) {
    if (m_depth == 0 || !object.m_stub || !m_kept.insert(object.m_stub).second) return;
    Record record;
    record.stub = object.m_stub;
    record.erased = true;
    m_open.records.push_back(std::move(record));
}

bool UndoHistory::AnyOpen(const Step& step) const {
    for (const Record& record : step.records)
        if (const AcDbObject* object = record.stub->object; object && (object->m_writer || object->m_readers > 0)) return true;
    return false;
}

void UndoHistory::Swap(Step& step, bool redo) {
    const std::uint64_t syncs = m_database.fileSyncs();
    for (Record& record : step.records) {
        AcDbObject* object = record.stub->object;
        if (!object) continue;
        const bool erased = record.stub->erased;
        const bool inFile = !object->m_modified;
        record.stub->erased = record.erased;
        record.erased = erased;
        if (record.state) {
            std::unique_ptr<AcDbObject> current = object->copyState();
            object->restoreState(*record.state);
            record.state = std::move(current);
            // Back to what the file document still holds: nothing for a save to rewrite.
            object->m_modified = !(record.inFile && record.syncs == syncs);
        } else {
            object->m_modified = true;
        }
        record.inFile = inFile;
        record.syncs = syncs;
    }
    // A redo gives out handles from where the step did, unless the file document still holds
    // objects there (no save since the undo).
    m_database.m_handseed = redo ? std::max(step.seedAfter, m_database.fileHandleCeiling()) : step.seedBefore;
    m_database.noteChange();
    step.bytes = Measure(step);
}

std::vector<std::wstring> UndoHistory::Undo(int count) {
    std::vector<std::wstring> names;
    if (m_depth > 0) return names;
    for (; count > 0 && !m_done.empty(); --count) {
        if (AnyOpen(m_done.back())) break;
        Step step = std::move(m_done.back());
        m_done.pop_back();
        Swap(step, false);
        names.push_back(step.name);
        m_undone.push_back(std::move(step));
    }
    KeepWithinBudget();
    return names;
}

std::optional<std::wstring> UndoHistory::Redo() {
    if (m_depth > 0 || m_undone.empty() || AnyOpen(m_undone.back())) return std::nullopt;
    Step step = std::move(m_undone.back());
    m_undone.pop_back();
    Swap(step, true);
    std::wstring name = step.name;
    m_done.push_back(std::move(step));
    KeepWithinBudget();
    return name;
}

std::wstring UndoHistory::NextUndoName() const { return m_done.empty() ? std::wstring() : m_done.back().name; }
std::wstring UndoHistory::NextRedoName() const { return m_undone.empty() ? std::wstring() : m_undone.back().name; }

std::size_t UndoHistory::Measure(const Step& step) {
    std::size_t bytes = sizeof(Step) + step.name.size() * sizeof(wchar_t);
    for (const Record& record : step.records) bytes += sizeof(Record) + (record.state ? record.state->stateBytes() : 0);
    return bytes;
}

std::size_t UndoHistory::Bytes() const {
    std::size_t bytes = 0;
    for (const Step& step : m_done) bytes += step.bytes;
    for (const Step& step : m_undone) bytes += step.bytes;
    return bytes;
}

void UndoHistory::SetBudget(std::size_t bytes) {
    m_budget = bytes;
    KeepWithinBudget();
}

void UndoHistory::KeepWithinBudget() {
    // The oldest steps go first: those to undo from the far end, then those to redo from the
    // far end. The step just done (or just undone) always stays.
    std::size_t bytes = Bytes();
    while (bytes > m_budget && m_done.size() + m_undone.size() > 1) {
        if (m_done.size() > (m_undone.empty() ? 1u : 0u)) {
            bytes -= m_done.front().bytes;
            m_done.erase(m_done.begin());
        } else {
            bytes -= m_undone.front().bytes;
            m_undone.erase(m_undone.begin());
        }
    }
}

UndoGroup::UndoGroup(AcDbDatabase* database, std::wstring_view name) {
    if (!database) return;
    m_serial = database->serial();
    database->undoHistory().BeginGroup(name);
}

UndoGroup::~UndoGroup() {
    if (AcDbDatabase* database = m_serial ? AcDbDatabase::fromSerial(m_serial) : nullptr) database->undoHistory().EndGroup();
}

}  // namespace platform

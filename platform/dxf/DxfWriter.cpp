#include "dxf/DxfWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <stdexcept>
#include <unistd.h>

#include "posix/AtomicFile.h"
#include "posix/Backup.h"
#include "posix/FileIo.h"
#include "dxf/DwgFile.h"
#include "dxf/DxfText.h"
#include "dxf/EntityTypes.h"
#include "text/Utf8.h"

namespace platform::dxf {

namespace {

// Buffered output to a file descriptor or to a string; one memcpy per line, no allocations.
class Sink {
public:
    explicit Sink(int fd) : m_fd(fd) { m_buf.resize(1 << 20); }
    // Progress as the share of `expected` bytes written (a drawing's own file size).
    void ReportProgress(const Progress& progress, size_t expected) {
        m_progress = progress ? &progress : nullptr;
        m_expected = expected;
    }
    explicit Sink(std::string* out) : m_out(out) { m_buf.resize(1 << 16); }

    void Put(std::string_view text) {
        if (text.empty()) return;  // an empty value may have no storage at all
        if (text.size() > m_buf.size() - m_used) {
            Flush();
            if (text.size() > m_buf.size()) {
                Emit(text.data(), text.size());
                return;
            }
        }
        std::memcpy(m_buf.data() + m_used, text.data(), text.size());
        m_used += text.size();
    }
    // A group: its code line, the value and a line end, copied in one go when they fit.
    void PutGroup(std::string_view codeLine, std::string_view value) {
        const size_t need = codeLine.size() + value.size() + 1;
        if (need > m_buf.size() - m_used) {
            Put(codeLine);
            Put(value);
            Put("\n");
            return;
        }
        char* out = m_buf.data() + m_used;
        std::memcpy(out, codeLine.data(), codeLine.size());
        out += codeLine.size();
        if (!value.empty()) std::memcpy(out, value.data(), value.size());
        out[value.size()] = '\n';
        m_used += need;
    }
    // Text whose lines may end in CR LF, with LF alone: its only carriage returns are those.
    void PutWithoutCarriageReturns(std::string_view text) {
        while (!text.empty()) {
            if (m_used == m_buf.size()) Flush();
            const std::string_view part = text.substr(0, m_buf.size() - m_used);
            char* out = m_buf.data() + m_used;
            for (const char c : part) {
                *out = c;
                out += c != '\r';
            }
            m_used = static_cast<size_t>(out - m_buf.data());
            text.remove_prefix(part.size());
        }
    }
    void Flush() {
        Emit(m_buf.data(), m_used);
        m_used = 0;
    }

private:
    void Emit(const char* data, size_t size) {
        if (m_out) {
            m_out->append(data, size);
            return;
        }
        if (!posix::WriteAll(m_fd, data, size)) throw std::runtime_error(std::string("cannot write: ") + std::strerror(errno));
        m_written += size;
        if (m_progress && m_expected) (*m_progress)(std::min(0.99, static_cast<double>(m_written) / m_expected));
        // The disk starts on what is written while the rest is still being formatted, so the
        // flush that ends a save finds little left to do.
        if (m_written - m_started >= kWritebackStep) {
            ::sync_file_range(m_fd, static_cast<off_t>(m_started), static_cast<off_t>(m_written - m_started), SYNC_FILE_RANGE_WRITE);
            m_started = m_written;
        }
    }

    static constexpr size_t kWritebackStep = size_t(4) << 20;
    size_t m_written = 0, m_started = 0;  // bytes written to the file, and handed to the disk
    const Progress* m_progress = nullptr;  // told the share of m_expected written so far
    size_t m_expected = 0;

    int m_fd = -1;
    std::string* m_out = nullptr;
    std::string m_buf;
    size_t m_used = 0;
};

class Writer {
public:
    Writer(Sink& sink, const Document& doc, bool utf8, std::string_view codePage) : m_sink(sink), m_doc(doc), m_utf8(utf8) {
        if (!utf8) m_encoder = std::make_unique<TextEncoder>(codePage);
    }

    void Put(int code, std::string_view value) {
        const TagType type = TagTypeOf(code);
        // The last check before the disk: a number this reader (or any other) would refuse --
        // "inf", "nan", past the largest double -- would leave a file that cannot be opened again.
        if (type == TagType::Double)
            if (const char* why = CheckValue(code, value)) Refuse(code, value, why);
        if ((type == TagType::String || type == TagType::Unknown) && NeedsEscape(value)) {
            m_sink.PutGroup(GroupCodeLine(code), Escape(value));
        } else {
            m_sink.PutGroup(GroupCodeLine(code), value);
        }
    }
    void Put(const Tag& t) { Put(t.code, t.Value()); }
    // Text already in the form this writer gives it, written as it is but for the carriage
    // returns of its line ends.
    void PutWritten(std::string_view text, bool carriageReturns) {
        if (carriageReturns) m_sink.PutWithoutCarriageReturns(text);
        else m_sink.Put(text);
    }
    bool Utf8() const { return m_utf8; }
    void Put(const std::vector<Tag>& tags) {
        for (const Tag& t : tags) Put(t);
    }
    void Put(const DxfObject& o) {
        // Text read in this writer's form (and in UTF-8) goes out as it came in.
        if (const VerbatimText* verbatim = m_utf8 ? m_doc.VerbatimOf(o) : nullptr) {
            PutWritten(verbatim->text, verbatim->carriageReturns);
            return;
        }
        m_object = &o;
        Put(o.tags);
        m_object = nullptr;
    }

private:
    [[noreturn]] void Refuse(int code, std::string_view value, const char* why) const {
        std::string where = "the header";
        if (m_object) {
            where = std::string(m_object->Type());
            if (const Handle h = m_object->GetHandle()) where += " " + FormatHandle(h);
        }
        throw std::runtime_error(where + ": group code " + std::to_string(code) + " would hold \"" + std::string(value.substr(0, 40)) +
                                 "\" (" + why + "); the drawing was not written");
    }

    bool NeedsEscape(std::string_view v) const {
        size_t i = 0;
        if (m_utf8) {
            // Eight bytes at a time: a byte below 0x20 borrows in the subtraction, and only such
            // a byte (or one above it, after it) leaves its high bit set in the result. Carets
            // are looked for after.
            constexpr std::uint64_t kSpaces = 0x2020202020202020ULL, kHighs = 0x8080808080808080ULL;
            for (; i + 8 <= v.size(); i += 8) {
                std::uint64_t word;
                std::memcpy(&word, v.data() + i, 8);
                if ((word - kSpaces) & ~word & kHighs) return true;
            }
        }
        for (char ch : v.substr(i)) {
            const auto c = static_cast<unsigned char>(ch);
            if (c < 0x20 || (c >= 0x80 && !m_utf8)) return true;
        }
        return v.find('^') != std::string_view::npos;
    }

    // Control characters as ^X (a line end inside a value would break the file) and a caret as
    // "^ ", so that reading gives back the text; outside UTF-8 files, other characters in the
    // drawing's code page or as \U+XXXX.
    std::string Escape(std::string_view v) {
        std::string out;
        if (m_utf8) {
            for (char ch : v) {
                const auto c = static_cast<unsigned char>(ch);
                if (c < 0x20) {
                    out += '^';
                    out += static_cast<char>(c + 0x40);
                } else if (c == '^') {
                    out += "^ ";
                } else {
                    out += ch;
                }
            }
            return out;
        }
        for (wchar_t wc : platform::FromUtf8(v)) {
            const auto c = static_cast<char32_t>(wc);
            if (c < 0x20) {
                out += '^';
                out += static_cast<char>(c + 0x40);
            } else if (c == '^') {
                out += "^ ";
            } else {
                m_encoder->Append(out, c);
            }
        }
        return out;
    }

    Sink& m_sink;
    const Document& m_doc;
    const DxfObject* m_object = nullptr;  // whose tags are being written, for a refusal's message
    bool m_utf8;
    std::unique_ptr<TextEncoder> m_encoder;
};

void WriteSection(Writer& w, std::string_view name) {
    w.Put(0, "SECTION");
    w.Put(2, name);
}

void WriteDocument(const Document& doc, Sink& sink, const Progress& progress = {}) {
    // Progress counts the entities and objects written, where a large drawing's time goes.
    size_t done = 0;
    const size_t total = doc.entities.size() + doc.objects.size();
    auto step = [&] {
        if (progress && (++done & 4095) == 0 && total) progress(static_cast<double>(done) / total);
    };
    const Tag* codePage = doc.HeaderValue("$DWGCODEPAGE", 3);
    Writer w(sink, doc, doc.Version() >= "AC1021", codePage ? TrimBlanks(codePage->Value()) : std::string_view("ANSI_1252"));
    auto has = [&doc](std::string_view name) {
        for (auto n : doc.sectionOrder)
            if (n == name) return true;
        return false;
    };
    const bool modern = doc.Version() >= "AC1015";
    // R2000 and later need every standard section; older drawings keep the ones they had.
    if (modern || has("HEADER") || !doc.header.empty()) {
        WriteSection(w, "HEADER");
        w.Put(doc.header);
        w.Put(0, "ENDSEC");
    }
    if (modern || has("CLASSES") || !doc.classes.empty()) {
        WriteSection(w, "CLASSES");
        for (const DxfObject& c : doc.classes) w.Put(c);
        w.Put(0, "ENDSEC");
    }
    if (modern || has("TABLES") || !doc.tables.empty()) {
        WriteSection(w, "TABLES");
        for (const SymbolTable& t : doc.tables) {
            w.Put(t.head);
            for (const DxfObject& r : t.records) w.Put(r);
            w.Put(0, "ENDTAB");
        }
        w.Put(0, "ENDSEC");
    }
    if (modern || has("BLOCKS") || !doc.blocks.empty()) {
        WriteSection(w, "BLOCKS");
        for (const Block& b : doc.blocks) {
            w.Put(b.begin);
            // Deferred entities were read in this writer's form (and in UTF-8).
            if (const DeferredEntities* d = b.Deferred(); d && w.Utf8())
                w.PutWritten(d->text, d->carriageReturns);
            else
                for (const DxfObject& e : b.Entities()) w.Put(e);
            if (b.end.tags.empty())
                w.Put(0, "ENDBLK");
            else
                w.Put(b.end);
        }
        w.Put(0, "ENDSEC");
    }
    WriteSection(w, "ENTITIES");
    for (const DxfObject& e : doc.entities) {
        w.Put(e);
        step();
    }
    w.Put(0, "ENDSEC");
    if (modern || has("OBJECTS") || !doc.objects.empty()) {
        WriteSection(w, "OBJECTS");
        for (const DxfObject& o : doc.objects) {
            w.Put(o);
            step();
        }
        w.Put(0, "ENDSEC");
    }
    for (const RawSection& s : doc.rawSections) {
        WriteSection(w, s.name);
        w.Put(s.tags);
        w.Put(0, "ENDSEC");
    }
    w.Put(0, "EOF");
    sink.Flush();
}

// Adds an application name unless the list has it already (names ignore case).
void AddApp(std::vector<std::string_view>& apps, std::string_view app) {
    if (std::none_of(apps.begin(), apps.end(), [&](std::string_view a) { return SameName(a, app); })) apps.push_back(app);
}

void CollectApps(const DxfObject& o, std::vector<std::string_view>& apps) {
    for (size_t i = o.XDataStart(); i < o.tags.size(); ++i)
        if (o.tags[i].code == 1001) AddApp(apps, o.tags[i].Value());
}

bool HasTableEntity(const Document& doc) {
    for (const DxfObject& e : doc.entities)
        if (e.Type() == entities::Table::type.name) return true;
    for (const Block& b : doc.blocks) {
        if (const DeferredEntities* d = b.Deferred()) {
            if (d->hasTable) return true;
            continue;
        }
        for (const DxfObject& e : b.Entities())
            if (e.Type() == entities::Table::type.name) return true;
    }
    return false;
}

}  // namespace

void PrepareForSave(Document& doc) {
    if (doc.Version() < "AC1015") {
        if (const Tag* seed = doc.HeaderValue("$HANDSEED", 5)) {
            const Handle next = doc.MaxHandle() + 1;
            if (seed->AsHandle().value_or(0) < next) doc.SetHeaderVar("$HANDSEED", {doc.MakeHandle(5, next)});
        }
        return;
    }
    doc.SetHeaderVar("$ACADVER", {Tag{1, kOutputVersion}});
    if (!doc.HeaderValue("$DWGCODEPAGE", 3)) doc.SetHeaderVar("$DWGCODEPAGE", {Tag{3, "ANSI_1252"}});

    std::vector<std::string_view> apps;
    for (auto* list : {&doc.entities, &doc.objects})
        for (const DxfObject& o : *list) CollectApps(o, apps);
    for (const SymbolTable& t : doc.tables)
        for (const DxfObject& r : t.records) CollectApps(r, apps);
    for (const Block& b : doc.blocks) {
        if (const DeferredEntities* d = b.Deferred()) {
            for (std::string_view app : d->apps) AddApp(apps, app);
            continue;
        }
        for (const DxfObject& e : b.Entities()) CollectApps(e, apps);
    }
    for (auto app : apps) doc.EnsureAppId(std::string(app));

    if (HasTableEntity(doc)) {
        bool present = false;
        for (const DxfObject& c : doc.classes)
            if (c.Value(1) == entities::Table::type.name) present = true;
        if (!present) {
            DxfObject c;
            c.tags = {Tag{0, "CLASS"}, Tag{1, entities::Table::type.name}, Tag{2, "AcDbTable"}, Tag{3, "ObjectDBX Classes"},
                      Tag{90, "1025"}, Tag{91, "0"}, Tag{280, "0"}, Tag{281, "1"}};
            doc.classes.push_back(std::move(c));
        }
    }
    const Handle next = doc.MaxHandle() + 1;
    const Tag* seed = doc.HeaderValue("$HANDSEED", 5);
    if (!seed || seed->AsHandle().value_or(0) < next) doc.SetHeaderVar("$HANDSEED", {doc.MakeHandle(5, next)});
}

std::string WriteDxfToString(const Document& doc) {
    std::string out;
    Sink sink(&out);
    WriteDocument(doc, sink);
    return out;
}

std::optional<DxfError> SaveDxfFile(Document& doc, const std::string& path, const Progress& progress, bool keepBackup) {
    // Nothing writes DWG, and DXF text never goes into a DWG file.
    if (IsDwgPath(path)) return DxfError{path, 0, "drawings are saved as DXF only, never into a DWG file; save it under a .dxf name"};
    try {
        PrepareForSave(doc);
        posix::AtomicFile file(path);
        Sink sink(file.Fd());
        // A drawing read from a file writes about as much as it read: progress by bytes. A new
        // one counts the objects written.
        sink.ReportProgress(progress, doc.SourceSize());
        WriteDocument(doc, sink, doc.SourceSize() ? Progress() : progress);
        // The file about to be replaced becomes its backup only now that its successor is
        // written whole: a save that fails leaves the backup as it was.
        if (keepBackup)
            if (const std::optional<std::string> target = posix::ResolveLinks(path)) posix::KeepBackup(*target);
        file.Commit();
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return DxfError{path, 0, "out of memory"};
    } catch (const std::exception& e) {
        return DxfError{path, 0, e.what()};
    }
}

}  // namespace platform::dxf

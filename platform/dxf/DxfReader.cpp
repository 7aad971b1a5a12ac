#include "dxf/DxfReader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <sys/mman.h>
#include <new>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "dxf/DeferredEntityStream.h"
#include "dxf/DwgFile.h"
#include "dxf/DxfText.h"
#include "dxf/EntityTypes.h"
#include "dxf/HugePages.h"
#include "text/Utf8.h"

namespace platform::dxf {

namespace {

struct ParseError {
    std::size_t line;
    std::string reason;
};

std::string Shown(std::string_view text) {
    std::string s(text.substr(0, 40));
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20) c = '?';
    return "'" + s + (text.size() > 40 ? "...'" : "'");
}

// The first '\n' from p on, or end. DXF lines are a few bytes long, too short for a library
// search call to pay off: sixteen or eight bytes are tested at a time instead.
const char* FindLineEnd(const char* p, const char* end) {
#if defined(__SSE2__)
    // Sixteen at a time where the processor can: most lines end within the first sixteen.
    const __m128i newline = _mm_set1_epi8('\n');
    while (end - p >= 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        if (const int mask = _mm_movemask_epi8(_mm_cmpeq_epi8(chunk, newline))) return p + __builtin_ctz(static_cast<unsigned>(mask));
        p += 16;
    }
#endif
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL, kHighs = 0x8080808080808080ULL;
    while (end - p >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        const std::uint64_t x = word ^ (kOnes * '\n');  // a zero byte where a '\n' was
        // The lowest set high bit marks the first zero byte exactly (higher ones may be spurious).
        if (const std::uint64_t zeros = (x - kOnes) & ~x & kHighs) return p + (__builtin_ctzll(zeros) >> 3);
        p += 8;
    }
    while (p != end && *p != '\n') ++p;
    return p;
}

// Splits the buffer into (code, value) pairs, checking each value against its code's type.
class Tokenizer {
public:
    explicit Tokenizer(std::string_view text) : m_text(text) {
        if (m_text.substr(0, 3) == "\xEF\xBB\xBF") m_pos = 3;
    }

    // Where the last tag stood in the text, and whether the writer would write it the same way
    // (its group code line aligned as the writer aligns it, the value not decoded) but for its
    // line ends: a Windows program ends lines with CR LF, which a writer of this text as it
    // stands leaves out (CarriageReturnsSeen).
    struct Source {
        size_t start = 0;
        bool asWritten = false;
    };

    // Everything needed to read again from a point.
    struct State {
        size_t pos, line, codeLine;
    };
    State Save() const { return {m_pos, m_line, m_codeLine}; }
    void Restore(const State& s) { m_pos = s.pos, m_line = s.line, m_codeLine = s.codeLine; }

    // False at the end of the input. The value still carries the file's raw encoding.
    bool Next(Tag& tag) {
        m_source.start = m_pos;
        std::string_view codeLine;
        if (!NextLine(codeLine)) return false;
        m_codeLine = m_line;
        bool written = false;
        tag.code = ParseCode(codeLine, written);
        std::string_view value;
        if (!NextLine(value)) {
            throw ParseError{m_line, "unexpected end of file after group code " + std::to_string(tag.code)};
        }
        const TagType type = TagTypeOf(tag.code);
        if (type == TagType::String || type == TagType::Unknown) {
            // Any text goes.
        } else if (const char* why = CheckValue(tag.code, value)) {
            // A name where a pointer to an object belongs (LibreCAD's library writes a
            // dimension style's text style by name) is kept as read and written back as it
            // was, as ezdxf and CAD programs take it; it points to nothing here. An object's
            // own handle must still be a handle.
            const bool pointer = type == TagType::Handle && tag.code != 5 && tag.code != 105;
            if (!pointer)
                throw ParseError{m_line, std::string(why) + " for group code " + std::to_string(tag.code) + ", found " + Shown(value)};
        }
        tag.SetValue(value);
        m_source.asWritten = written;
        return true;
    }
    const Source& LastSource() const { return m_source; }

    // How a text value stands: as the writer writes it, with a control character or a caret
    // (which the writer writes as ^X and "^ "), or in need of decoding (escapes, caret codes;
    // any byte past ASCII in a file of a code page). One pass over its bytes.
    enum class TextForm { Written, Controls, Decode };
    static TextForm FormOf(std::string_view value, bool utf8) {
        // Eight bytes at a time first: nearly every text holds none of the bytes that matter.
        constexpr std::uint64_t kOnes = 0x0101010101010101ULL, kHighs = 0x8080808080808080ULL;
        bool plain = true;
        for (size_t i = 0; i < value.size() && plain; i += 8) {
            std::uint64_t word = kOnes * ' ';  // blanks past the end change nothing
            std::memcpy(&word, value.data() + i, std::min<size_t>(8, value.size() - i));
            const std::uint64_t backslash = word ^ (kOnes * '\\'), caret = word ^ (kOnes * '^');
            const std::uint64_t special = (word & kHighs) | ((word - kOnes * 0x20) & ~word & kHighs) |
                                          ((backslash - kOnes) & ~backslash & kHighs) | ((caret - kOnes) & ~caret & kHighs);
            plain = special == 0;
        }
        if (plain) return TextForm::Written;
        TextForm form = TextForm::Written;
        const auto* p = reinterpret_cast<const unsigned char*>(value.data());
        const auto* const end = p + value.size();
        for (; p != end; ++p) {
            const unsigned char c = *p;
            if (c < 0x20) {
                form = TextForm::Controls;
            } else if (c == '\\') {
                if (end - p > 2 && (p[1] == 'U' || p[1] == 'M') && p[2] == '+') return TextForm::Decode;
            } else if (c == '^') {
                if (end - p > 1 && EndsCaretCode(p[1])) return TextForm::Decode;
                form = TextForm::Controls;  // the writer writes every caret as "^ "
            } else if (c >= 0x80 && !utf8) {
                return TextForm::Decode;
            }
        }
        return form;
    }

    // Reads on while each tag takes the form nearly every tag of a drawing takes (its code
    // right-aligned in three columns, a value its code accepts, text the decoder leaves as it
    // is) and take(tag, asWritten) accepts it; stops before the first tag that does not, which
    // Next then reads as usual, errors included. utf8: the file's text is UTF-8.
    template <class Take>
    void ReadPlain(bool utf8, Take&& take) {
        const char* const begin = m_text.data();
        const char* const end = begin + m_text.size();
        const char* p = begin + m_pos;
        size_t lines = 0;
        const auto digit = [](char c) { return c >= '0' && c <= '9'; };
        while (end - p >= 5) {
            const char a = p[0], b = p[1], c = p[2];
            const char* valueStart = p + 4;
            bool written = true;
            if (p[3] == '\r' && p[4] == '\n') {
                ++valueStart;
                m_crSeen = true;
            } else if (p[3] != '\n') {
                break;
            }
            int code;
            if (!digit(c)) break;
            if (a == ' ' && b == ' ') code = c - '0';
            else if (a == ' ' && digit(b) && b != '0') code = (b - '0') * 10 + (c - '0');
            else if (digit(a) && a != '0' && digit(b)) code = (a - '0') * 100 + (b - '0') * 10 + (c - '0');
            else break;
            if (valueStart >= end) break;
            const char* q = FindLineEnd(valueStart, end);
            if (q == end) break;  // a last line without its line end: Next reads it
            size_t len = static_cast<size_t>(q - valueStart);
            if (len > 0 && valueStart[len - 1] == '\r') --len, m_crSeen = true;
            const std::string_view value(valueStart, len);
            const TagType type = TagTypeOf(code);
            if (type == TagType::String || type == TagType::Unknown) {
                const TextForm form = FormOf(value, utf8);
                if (form == TextForm::Decode) break;
                if (form == TextForm::Controls) written = false;
            } else if (CheckValue(code, value)) {
                break;
            }
            if (!take(Tag(code, value), written)) break;
            m_codeLine = m_line + lines + 1;
            lines += 2;
            p = q + 1;
        }
        m_pos = static_cast<size_t>(p - begin);
        m_line += lines;
    }

    std::size_t Line() const { return m_line; }
    // Whether a line read so far ended in CR LF: text read since then may hold carriage returns
    // before its line feeds (and nowhere else: a value that holds one is not in the writer's form).
    bool CarriageReturnsSeen() const { return m_crSeen; }
    std::size_t RemainingLines() const {
        size_t n = 0;
        for (const char* p = m_text.data() + m_pos; p != m_text.data() + m_text.size(); ++p) n += *p == '\n';
        return n + 1;
    }
    std::size_t CodeLine() const { return m_codeLine; }

private:
    bool NextLine(std::string_view& line) {
        if (m_pos >= m_text.size()) return false;
        const char* start = m_text.data() + m_pos;
        const char* end = m_text.data() + m_text.size();
        const char* p = FindLineEnd(start, end);
        size_t len = static_cast<size_t>(p - start);
        m_pos += len + (p != end ? 1 : 0);
        if (len > 0 && start[len - 1] == '\r') --len, m_crSeen = true;
        ++m_line;
        line = std::string_view(start, len);
        return true;
    }

    // The code of a group code line; written tells whether the line is as the writer writes it.
    int ParseCode(std::string_view line, bool& written) const {
        // Nearly every code line is three characters, digits right-aligned.
        if (line.size() == 3) {
            const auto digit = [](char c) { return c >= '0' && c <= '9'; };
            const char a = line[0], b = line[1], c = line[2];
            if (digit(c)) {
                written = true;
                if (a == ' ' && b == ' ') return c - '0';
                if (a == ' ' && digit(b)) {
                    written = b != '0';
                    return (b - '0') * 10 + (c - '0');
                }
                if (digit(a) && digit(b)) {
                    written = a != '0';
                    return (a - '0') * 100 + (b - '0') * 10 + (c - '0');
                }
                written = false;
            }
        }
        const int code = ParseAnyCode(line);
        written = line == GroupCodeLine(code).substr(0, line.size()) && line.size() + 1 == GroupCodeLine(code).size();
        return code;
    }

    int ParseAnyCode(std::string_view line) const {
        size_t i = 0;
        while (i < line.size() && line[i] == ' ') ++i;
        bool negative = false;
        if (i < line.size() && line[i] == '-') {
            negative = true;
            ++i;
        }
        const size_t digits = i;
        int code = 0;
        while (i < line.size() && line[i] >= '0' && line[i] <= '9' && i - digits < 5) code = code * 10 + (line[i++] - '0');
        const bool any = i > digits;
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (!any || i != line.size()) throw ParseError{m_line, "expected a group code, found " + Shown(line)};
        if (negative) code = -code;
        if (code < -5 || code > 1071) throw ParseError{m_line, "invalid group code " + std::to_string(code)};
        return code;
    }

    std::string_view m_text;
    size_t m_pos = 0;
    size_t m_line = 0;
    size_t m_codeLine = 0;
    bool m_crSeen = false;
    Source m_source;
};

class Parser {
public:
    Parser(std::string_view text, Document& doc, const Progress* progress = nullptr, ReadOptions options = {})
        : m_tokens(text), m_doc(doc), m_text(text), m_progress(progress && *progress ? progress : nullptr), m_options(options) {}

    void Run() {
        Tag tag;
        bool sawAny = false;
        while (Pull(tag)) {
            sawAny = true;
            if (tag.code == 999) continue;  // comments carry nothing a drawing needs
            if (tag.Is(0, "EOF")) return;
            if (!tag.Is(0, "SECTION"))
                throw ParseError{m_tokens.CodeLine(), "expected SECTION or EOF, found " + Describe(tag)};
            if (!Pull(tag) || tag.code != 2)
                throw ParseError{m_tokens.Line(), "a SECTION must be followed by its name (group code 2)"};
            ReadSection(m_doc.Keep(tag.Value()));
        }
        if (!sawAny) throw ParseError{1, "the file is empty"};
        throw ParseError{m_tokens.Line(), "unexpected end of file: EOF marker missing"};
    }

private:
    static std::string Describe(const Tag& tag) {
        return "group code " + std::to_string(tag.code) + " " + Shown(tag.Value());
    }

    bool Pull(Tag& tag) {
        if (m_pending) {
            tag = *m_pending;
            m_pending.reset();
            m_source = m_pendingSource;
            return true;
        }
        if (!m_tokens.Next(tag)) return false;
        m_source = m_tokens.LastSource();
        if (m_decoder && (tag.Type() == TagType::String || tag.Type() == TagType::Unknown) &&
            m_decoder->NeedsDecoding(tag.Value())) {
            tag.SetValue(m_doc.Keep(m_decoder->Decode(tag.Value())));
            m_source.asWritten = false;  // the writer writes what was decoded
        }
        return true;
    }

    // Puts back the tag pulled last.
    void Push(const Tag& tag) {
        m_pending = tag;
        m_pendingSource = m_source;
    }

    // Whether text read on is UTF-8 as it stands (see Pull: text is decoded only once decoding
    // has begun).
    bool TextIsUtf8() const { return !m_decoder || m_decoder->Utf8(); }

    Tag Must(std::string_view section) {
        Tag tag;
        if (!Pull(tag))
            throw ParseError{m_tokens.Line(),
                             "unexpected end of file in section " + std::string(section) + " (ENDSEC missing)"};
        return tag;
    }

    // Reads one group beginning with the code 0 tag first; stops before the next code 0 tag.
    // Tags gather in a scratch list that keeps its capacity, so each object costs one
    // allocation of its exact size however many tags it has (memory touched for the first
    // time is what loading a large drawing mostly spends its time on).
    void ReadObject(const Tag& first, DxfObject& obj, std::string_view section) {
        const size_t start = m_source.start;
        if (m_progress && (++m_objectsRead & 4095) == 0 && !m_text.empty()) (*m_progress)(static_cast<double>(start) / m_text.size());
        bool asWritten = m_keepText && AsWritten(first);
        m_scratch.clear();
        m_scratch.push_back(first);
        const auto add = [&](const Tag& tag) {
            if (m_scratch.size() == m_scratch.capacity() && m_scratch.size() >= (1u << 20)) {
                // A huge object (a large table): room for every tag the rest of the file can
                // hold, instead of doubling, which would touch its memory twice over.
                m_scratch.reserve(m_scratch.size() + m_tokens.RemainingLines() / 2 + 1);
                AdviseHugePages(m_scratch.data() + m_scratch.size(), (m_scratch.capacity() - m_scratch.size()) * sizeof(Tag));
            }
            m_scratch.push_back(tag);
        };
        for (;;) {
            if (!m_pending) {
                m_tokens.ReadPlain(TextIsUtf8(), [&](const Tag& tag, bool written) {
                    if (tag.code == 0) return false;
                    asWritten = asWritten && written;
                    add(tag);
                    return true;
                });
            }
            Tag tag = Must(section);
            if (tag.code == 0) {
                Push(tag);
                break;
            }
            asWritten = asWritten && AsWritten(tag);
            add(tag);
        }
        if (m_scratch.size() > 4096) {
            // A big object (a large table) takes the scratch list itself instead of a copy.
            obj.tags.swap(m_scratch);
            m_scratch = std::vector<Tag>();
            m_scratch.reserve(4096);
        } else {
            obj.tags.assign(m_scratch.begin(), m_scratch.end());
        }
        // A large object (a table's entity) read in the writer's form is written back as read
        // while its tags stay as read.
        if (asWritten && obj.tags.size() >= kVerbatimTags)
            m_doc.KeepVerbatim(obj, m_text.substr(start, m_pendingSource.start - start), m_tokens.CarriageReturnsSeen());
    }

    // Whether the tag pulled last stands in the text exactly as the writer would write it.
    bool AsWritten(const Tag& tag) const { return m_source.asWritten && PlainControls(tag); }

    // The writer writes control characters in text as ^X and a caret as "^ ".
    static bool PlainControls(const Tag& tag) {
        const TagType type = tag.Type();
        return (type != TagType::String && type != TagType::Unknown) ||
               std::none_of(tag.Value().begin(), tag.Value().end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '^'; });
    }


    void ReadObjects(std::vector<DxfObject>& list, std::string_view section) {
        for (;;) {
            Tag tag = Must(section);
            if (tag.Is(0, "ENDSEC")) return;
            if (tag.code != 0)
                throw ParseError{m_tokens.CodeLine(), "expected an object (group code 0), found " + Describe(tag)};
            list.emplace_back();
            ReadObject(tag, list.back(), section);
        }
    }

    void ReadTables() {
        for (;;) {
            Tag tag = Must("TABLES");
            if (tag.Is(0, "ENDSEC")) return;
            if (!tag.Is(0, "TABLE"))
                throw ParseError{m_tokens.CodeLine(), "expected TABLE, found " + Describe(tag)};
            SymbolTable& table = m_doc.tables.emplace_back();
            ReadObject(tag, table.head, "TABLES");
            for (;;) {
                tag = Must("TABLES");
                if (tag.Is(0, "ENDTAB")) break;
                if (tag.Is(0, "ENDSEC") || tag.Is(0, "TABLE"))
                    throw ParseError{m_tokens.CodeLine(), "table " + Shown(table.Name()) + " has no ENDTAB"};
                ReadObject(tag, table.records.emplace_back(), "TABLES");
            }
            // ENDTAB carries nothing else in any version.
            tag = Must("TABLES");
            if (tag.code != 0) throw ParseError{m_tokens.CodeLine(), "unexpected " + Describe(tag) + " after ENDTAB"};
            Push(tag);
        }
    }

    void ReadBlocks() {
        for (;;) {
            Tag tag = Must("BLOCKS");
            if (tag.Is(0, "ENDSEC")) return;
            if (!tag.Is(0, "BLOCK"))
                throw ParseError{m_tokens.CodeLine(), "expected BLOCK, found " + Describe(tag)};
            Block& block = m_doc.blocks.emplace_back();
            ReadObject(tag, block.begin, "BLOCKS");
            if (m_keepText && !IsLayoutBlock(block.Name())) TryDefer(block);
            for (;;) {
                tag = Must("BLOCKS");
                if (tag.Is(0, "ENDBLK")) {
                    ReadObject(tag, block.end, "BLOCKS");
                    break;
                }
                if (tag.Is(0, "ENDSEC") || tag.Is(0, "BLOCK"))
                    throw ParseError{m_tokens.CodeLine(), "block " + Shown(block.Name()) + " has no ENDBLK"};
                ReadObject(tag, block.Entities().emplace_back(), "BLOCKS");
            }
        }
    }

    static bool IsLayoutBlock(std::string_view name) {
        return SameName(name, "*Model_Space") || (name.size() >= 12 && SameName(name.substr(0, 12), "*Paper_Space"));
    }

    // Checks the entities of a block that stays in the file model (entities of layouts become
    // the database's) and defers them when they are written exactly as the writer would write
    // them; otherwise reads on from where it began, and they are parsed as usual. Values are
    // checked either way, so a damaged file gives the same error at the same line.
    void TryDefer(Block& block) {
        const Tokenizer::State state = m_tokens.Save();
        const std::optional<Tag> pending = m_pending;
        const Tokenizer::Source pendingSource = m_pendingSource;
        auto giveUp = [&] {
            m_tokens.Restore(state);
            m_pending = pending;
            m_pendingSource = pendingSource;
        };
        if (!m_pending) return;
        DeferredEntities d;
        const size_t start = m_pendingSource.start;
        size_t index = 0;  // of the tag within its entity
        bool handleSeen = false;
        BlockSketcher sketcher;
        // Notes what one tag (not ENDBLK, ENDSEC or BLOCK) tells of the block's entities.
        const auto note = [&](const Tag& tag) __attribute__((always_inline)) {
            if (m_options.sketches) sketcher.Note(tag);
            if (tag.code == 0) {
                if (tag.Value() == entities::Table::type.name) d.hasTable = true;
                index = 0;
                handleSeen = false;
            } else if (++index <= 3 && !handleSeen && (tag.code == 5 || tag.code == 105)) {
                // The handle, as DxfObject::GetHandle finds it.
                handleSeen = true;
                if (const Handle h = tag.AsHandle().value_or(0)) {
                    d.minHandle = d.minHandle == 0 ? h : std::min(d.minHandle, h);
                    d.maxHandle = std::max(d.maxHandle, h);
                }
            } else if (tag.code == 1001) {
                if (std::none_of(d.apps.begin(), d.apps.end(), [&](std::string_view a) { return SameName(a, tag.Value()); }))
                    d.apps.push_back(tag.Value());
            }
        };
        for (;;) {
            if (!m_pending) {
                m_tokens.ReadPlain(TextIsUtf8(), [&](const Tag& tag, bool written) {
                    if (!written) return false;
                    if (tag.code == 0 && (tag.Value() == "ENDBLK" || tag.Value() == "ENDSEC" || tag.Value() == "BLOCK")) return false;
                    note(tag);
                    return true;
                });
            }
            Tag tag = Must("BLOCKS");
            if (!AsWritten(tag)) return giveUp();
            if (tag.code == 0) {
                if (tag.Value() == "ENDBLK") {
                    Push(tag);
                    break;
                }
                if (tag.Value() == "ENDSEC" || tag.Value() == "BLOCK") return giveUp();  // reported as usual
            }
            note(tag);
        }
        d.text = m_text.substr(start, m_pendingSource.start - start);
        d.carriageReturns = m_tokens.CarriageReturnsSeen();
        if (d.text.empty()) return;
        block.Defer(std::move(d));
        if (!m_options.sketches) return;
        if (std::optional<BlockSketch> sketch = sketcher.Finish()) block.SetSketch(std::move(*sketch));
    }

    void ReadRaw(std::vector<Tag>& tags, std::string_view section) {
        for (;;) {
            Tag tag = Must(section);
            if (tag.Is(0, "ENDSEC")) return;
            tags.push_back(tag);
        }
    }

    void StartDecoding() {
        // The version as the writer will see it, decoded: a caret code in it must not make it
        // compare otherwise than it did when the writer chose the file's encoding.
        std::string version(m_doc.Version());
        if (HasCaretCode(version)) version = TextDecoder(true, "ANSI_1252").Decode(version);
        const Tag* cp = m_doc.HeaderValue("$DWGCODEPAGE", 3);
        // From R2007 on strings are UTF-8. Older files are in their code page, unless the whole
        // file is valid UTF-8 with non-ASCII bytes: other programs write such files.
        bool utf8 = version >= "AC1021";
        if (!utf8) {
            bool ascii = true;
            for (char c : m_text)
                if (static_cast<unsigned char>(c) >= 0x80) {
                    ascii = false;
                    break;
                }
            utf8 = ascii || platform::IsValidUtf8(m_text);
        }
        m_decoder = std::make_unique<TextDecoder>(utf8, cp ? TrimBlanks(cp->Value()) : std::string_view("ANSI_1252"));
    }

    void ReadSection(std::string_view name) {
        m_doc.sectionOrder.push_back(name);
        if (name != "HEADER" && !m_decoder) StartDecoding();
        // Drawings are written as R2013 whatever their version, so their text in the writer's
        // form can be written back as it is; older ones keep their own form.
        m_keepText = m_options.keepText && m_doc.Version() >= "AC1015";
        if (name == "HEADER") {
            // The header names the encoding, so the first one is read raw and decoded after.
            // Tags read once decoding has begun are decoded as they come: decoding twice
            // would garble them (and grow them without bound over repeated sections).
            const bool raw = !m_decoder;
            const size_t first = m_doc.header.size();
            ReadRaw(m_doc.header, name);
            if (raw) {
                StartDecoding();
                for (size_t i = first; i < m_doc.header.size(); ++i) {
                    Tag& t = m_doc.header[i];
                    if (t.Type() == TagType::String && m_decoder->NeedsDecoding(t.Value()))
                        t.SetValue(m_doc.Keep(m_decoder->Decode(t.Value())));
                }
            }
        } else if (name == "CLASSES") {
            ReadObjects(m_doc.classes, name);
        } else if (name == "TABLES") {
            ReadTables();
        } else if (name == "BLOCKS") {
            ReadBlocks();
        } else if (name == "ENTITIES") {
            ReadObjects(m_doc.entities, name);
        } else if (name == "OBJECTS") {
            ReadObjects(m_doc.objects, name);
        } else {
            RawSection& raw = m_doc.rawSections.emplace_back();
            raw.name = name;
            ReadRaw(raw.tags, name);
        }
    }

    Tokenizer m_tokens;
    Document& m_doc;
    std::string_view m_text;
    const Progress* m_progress = nullptr;
    size_t m_objectsRead = 0;
    std::optional<Tag> m_pending;
    Tokenizer::Source m_source, m_pendingSource;  // of the tag pulled last, of the pending one
    bool m_keepText = false;
    ReadOptions m_options;
    static constexpr size_t kVerbatimTags = 256;
    std::unique_ptr<TextDecoder> m_decoder;
    std::vector<Tag> m_scratch;
};

ReadResult Parse(std::unique_ptr<Document> doc, std::string_view text, const std::string& name, const Progress* progress = nullptr,
                 ReadOptions options = {}) {
    ReadResult result;
    if (text.substr(0, 18) == "AutoCAD Binary DXF") {
        result.error = DxfError{name, 0, "binary DXF is not supported; save the drawing as ASCII DXF"};
        return result;
    }
    try {
        Parser parser(text, *doc, progress, options);
        parser.Run();
        result.document = std::move(doc);
    } catch (const ParseError& e) {
        result.error = DxfError{name, e.line, e.reason};
    } catch (const std::bad_alloc&) {
        result.error = DxfError{name, 0, "out of memory"};
    } catch (const std::exception& e) {
        result.error = DxfError{name, 0, e.what()};
    }
    return result;
}

}  // namespace

bool DeferredEntityStream::Next(DxfObject& entity) {
    entity.tags.clear();
    // A block is deferred only when every tag of its text stands as the writer writes it (a
    // code line of blanks and digits, a value line, each ending in a line feed, or in CR LF
    // where a Windows program wrote it, the value as it stands), and its values were checked
    // then. So its tags are read here by that form alone; whatever does not fit it goes by the
    // tokenizer below, as when it was read.
    const char* const begin = m_text.data();
    const char* const end = begin + m_text.size();
    const char* p = begin + m_pos;
    const auto digit = [](char c) { return static_cast<unsigned>(c - '0') < 10; };
    bool atNext = false;  // stopped before the next entity's type
    while (end - p >= 5) {
        // "%3d": three characters, or four digits for the codes from 1000.
        int code;
        const char a = p[0], b = p[1], c = p[2];
        const char* after = p + 3;  // past the code
        if (digit(c) && b == ' ' && a == ' ') code = c - '0';
        else if (digit(c) && digit(b) && a == ' ') code = (b - '0') * 10 + (c - '0');
        else if (digit(c) && digit(b) && digit(a)) code = (a - '0') * 100 + (b - '0') * 10 + (c - '0');
        else break;
        if (code >= 100 && digit(*after)) code = code * 10 + (*after++ - '0');
        if (*after == '\r') ++after;
        if (after == end || *after != '\n') break;
        const char* const value = after + 1;
        const char* const q = FindLineEnd(value, end);
        if (q == end) break;  // a last line without its line end
        if (code == 0 && !entity.tags.empty()) {
            atNext = true;
            break;
        }
        const size_t length = static_cast<size_t>(q - value);
        entity.tags.emplace_back(code, std::string_view(value, length > 0 && q[-1] == '\r' ? length - 1 : length));
        p = q + 1;
    }
    m_pos = static_cast<size_t>(p - begin);
    if (atNext || m_pos == m_text.size()) return !entity.tags.empty();
    Tokenizer tokens(m_text);
    tokens.Restore({m_pos, 0, 0});
    Tag tag;
    try {
        // The text was read in the writer's form (that is why it was deferred): nearly all of
        // it goes by the quick path; the general one takes whatever that leaves.
        for (;;) {
            tokens.ReadPlain(true, [&](const Tag& t, bool) {
                if (t.code == 0 && !entity.tags.empty()) return false;
                entity.tags.push_back(t);
                return true;
            });
            const Tokenizer::State before = tokens.Save();
            if (!tokens.Next(tag)) break;
            if (tag.code == 0 && !entity.tags.empty()) {
                tokens.Restore(before);  // the next entity's type
                break;
            }
            entity.tags.push_back(tag);
        }
        m_pos = tokens.Save().pos;
    } catch (const ParseError&) {
        m_pos = m_text.size();  // not reached: the text was checked when it was read
    }
    return !entity.tags.empty();
}

std::vector<DxfObject> ParseDeferredEntities(std::string_view text) {
    std::vector<DxfObject> entities;
    DeferredEntityStream stream(text);
    for (DxfObject entity; stream.Next(entity);) entities.emplace_back().tags.assign(entity.tags.begin(), entity.tags.end());
    return entities;
}

ReadResult ReadDxfText(std::string_view text, const std::string& name, ReadOptions options) {
    try {
        auto doc = std::make_unique<Document>();
        auto copy = std::make_unique<char[]>(text.size() + 1);
        std::memcpy(copy.get(), text.data(), text.size());
        const std::string_view kept = doc->Text().Adopt(std::move(copy), text.size());
        return Parse(std::move(doc), kept, name, nullptr, options);
    } catch (const std::bad_alloc&) {
        return ReadResult{nullptr, DxfError{name, 0, "out of memory"}};
    }
}

ReadResult ReadDxfFile(const std::string& path, const Progress& progress, ReadOptions options) {
    ReadResult result;
    try {
        auto doc = std::make_unique<Document>();
        std::string why;
        const std::optional<std::string_view> text = doc->Text().ReadFile(path, why);
        if (!text) {
            result.error = DxfError{path, 0, why};
            return result;
        }
        // A DWG drawing is read as the DXF its converter makes of it.
        if (!DwgVersion(*text).empty()) {
            DxfError failure;
            std::vector<std::string> notes;
            const std::optional<std::string_view> converted = ConvertDwg(path, *text, doc->Text(), failure, notes);
            if (!converted) return ReadResult{nullptr, failure, {}};
            doc->SetSourceSize(converted->size());
            ReadResult read = Parse(std::move(doc), *converted, path, &progress, options);
            if (read.error) read.error = DwgReadError(path, *read.error);
            else read.notes = std::move(notes);
            return read;
        }
        doc->SetSourceSize(text->size());
        return Parse(std::move(doc), *text, path, &progress, options);
    } catch (const std::bad_alloc&) {
        result.error = DxfError{path, 0, "out of memory"};
    } catch (const std::exception& e) {
        result.error = DxfError{path, 0, e.what()};
    }
    return result;
}

}  // namespace platform::dxf

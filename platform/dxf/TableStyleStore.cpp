#include "dxf/TableStyleStore.h"

#include "dxf/DxfTemplate.h"

namespace platform::dxf {

namespace {

// Replaces a number only when it differs, so a value read stays as it was written.
void SetDouble(Document& doc, Tag& t, double value) {
    if (t.AsDouble() != value) t = doc.MakeDouble(t.code, value);
}

void SetInt(Document& doc, Tag& t, long long value) {
    if (t.AsInt() != value) t = doc.MakeInt(t.code, value);
}

// The style's margins, row suppression, and per cell style (data, title, header: each begins
// with its text style, 7) text height and alignment.
void SetValues(Document& doc, DxfObject& style, const TableStyleInfo& info) {
    const CellStyleInfo* groups[] = {&info.data, &info.title, &info.header};
    int group = -1;
    Tag* titleFlag = nullptr;  // the last 280 before the cell styles (a first one is the version)
    for (size_t i = style.SubclassStart("AcDbTableStyle"); i < style.tags.size() && style.tags[i].code < 1000; ++i) {
        Tag& t = style.tags[i];
        if (t.code == 7) {
            if (++group > 2) break;
            continue;
        }
        if (group < 0) {
            if (t.code == 40) SetDouble(doc, t, info.horizontalMargin);
            if (t.code == 41) SetDouble(doc, t, info.verticalMargin);
            if (t.code == 280) titleFlag = &t;
            if (t.code == 281) SetInt(doc, t, info.headerSuppressed ? 1 : 0);
        } else {
            if (t.code == 140) SetDouble(doc, t, groups[group]->textHeight);
            if (t.code == 170) SetInt(doc, t, groups[group]->alignment);
        }
    }
    if (titleFlag) SetInt(doc, *titleFlag, info.titleSuppressed ? 1 : 0);
}

bool HasEntry(const DxfObject& dict, std::string_view key) {
    for (size_t i = 0; i + 1 < dict.tags.size(); ++i)
        if (dict.tags[i].code == 3 && dict.tags[i].Value() == key && (dict.tags[i + 1].code == 350 || dict.tags[i + 1].code == 360))
            return true;
    return false;
}

void AddEntry(Document& doc, DxfObject& dict, std::string_view key, Handle handle) {
    const size_t at = dict.XDataStart();
    const Tag entry[] = {doc.MakeTag(3, key), doc.MakeHandle(350, handle)};
    dict.tags.insert(dict.tags.begin() + static_cast<long>(at), std::begin(entry), std::end(entry));
}

size_t IndexOf(const Document& doc, Handle handle) {
    for (size_t i = 0; i < doc.objects.size(); ++i)
        if (doc.objects[i].GetHandle() == handle) return i;
    return doc.objects.size();
}

// The new drawing's own object of a type, its tags copied into doc's storage.
DxfObject Prototype(Document& doc, std::vector<DxfObject> Document::*section, std::string_view type, int key = 0,
                    std::string_view value = {}) {
    const std::unique_ptr<Document> fresh = NewDocument();
    DxfObject copy;
    if (!fresh) return copy;
    for (const DxfObject& o : (*fresh).*section)
        if (o.Type() == type && (key == 0 || o.Value(key) == value)) {
            for (const Tag& t : o.tags) copy.tags.push_back(doc.MakeTag(t.code, t.Value()));
            break;
        }
    return copy;
}

}  // namespace

bool StoreTableStyle(Document& doc, Handle dictionary, Handle style, std::string_view name, const TableStyleInfo& info) {
    if (doc.objects.empty() || doc.objects.front().Type() != "DICTIONARY") return false;
    size_t dictAt = IndexOf(doc, dictionary);
    if (dictAt == doc.objects.size() || doc.objects[dictAt].Type() != "DICTIONARY") {
        DxfObject& root = doc.objects.front();
        const Handle rootHandle = root.GetHandle();
        if (!HasEntry(root, "ACAD_TABLESTYLE")) AddEntry(doc, root, "ACAD_TABLESTYLE", dictionary);
        DxfObject dict;
        dict.tags = {{0, "DICTIONARY"}, doc.MakeHandle(5, dictionary), {102, "{ACAD_REACTORS"}, doc.MakeHandle(330, rootHandle),
                     {102, "}"}, doc.MakeHandle(330, rootHandle), {100, "AcDbDictionary"}, {281, "1"}};
        doc.objects.insert(doc.objects.begin() + 1, std::move(dict));
        dictAt = 1;
    }
    if (!HasEntry(doc.objects[dictAt], name)) AddEntry(doc, doc.objects[dictAt], name, style);

    size_t styleAt = IndexOf(doc, style);
    if (styleAt == doc.objects.size() || doc.objects[styleAt].Type() != "TABLESTYLE") {
        DxfObject made = Prototype(doc, &Document::objects, "TABLESTYLE");
        for (size_t i = 0; i < made.tags.size(); ++i) {
            Tag& t = made.tags[i];
            if (t.code == 5) t = doc.MakeHandle(5, style);
            else if (t.code == 330) t = doc.MakeHandle(330, dictionary);
            else if (t.code == 3) t = doc.MakeTag(3, name);
        }
        doc.objects.insert(doc.objects.begin() + static_cast<long>(dictAt) + 1, std::move(made));
        styleAt = dictAt + 1;
        bool classed = false;
        for (const DxfObject& c : doc.classes) classed = classed || c.Value(1) == "TABLESTYLE";
        if (!classed)
            if (DxfObject c = Prototype(doc, &Document::classes, "CLASS", 1, "TABLESTYLE"); !c.tags.empty())
                doc.classes.push_back(std::move(c));
    }
    SetValues(doc, doc.objects[styleAt], info);
    return true;
}

}  // namespace platform::dxf

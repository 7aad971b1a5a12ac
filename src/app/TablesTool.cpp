// The module's side of `velloria tables`: what a database holds, as the data dialog's source
// tree would show it, with row counts, for people who pick a source before they link it.
#include <cstdio>
#include <string>
#include <vector>

#include "editor/Console.h"
#include "app/ToolEntryPoints.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/MyDatabase.h"
#include "catalogue/ServerUrl.h"
#include "data/ADORecordset.h"
#include "text/JsonText.h"

namespace {

struct CTableColumn {
    std::string m_strName;
    std::string m_strType;
};

struct CTableEntry {
    std::string m_strName;
    std::string m_strType;  // TABLE, VIEW or LINK
    std::string m_strLinkedFile;  // a LINK: the file it reads
    std::string m_strParameters;  // a VIEW that needs values: its parameters, described
    long long m_nRows = -1;  // -1: could not be counted
    std::vector<CTableColumn> m_columns;
};

std::string StoredTypeName(const CADOFieldInfo& info);

// The type a field has in Access's own table designer: a complex column's kind, a calculated
// column with the type of its result.
std::string AccessTypeName(const CADOFieldInfo& info) {
    if (info.m_lAttributes & adFldAttachment) return "Attachment";
    if (info.m_lAttributes & adFldMultiValued) return "Multiple values";
    if (info.m_lAttributes & adFldCalculated) return "Calculated (" + StoredTypeName(info) + ")";
    return StoredTypeName(info);
}

std::string StoredTypeName(const CADOFieldInfo& info) {
    switch (info.m_nType) {
        case adWChar:
        case adVarWChar: return "Text(" + std::to_string(info.m_lDefinedSize) + ")";
        case adLongVarWChar: return "Memo";
        case adUnsignedTinyInt: return "Byte";
        case adSmallInt: return "Integer";
        case adInteger: return "Long Integer";
        case adBigInt: return "Large Number";
        case adSingle: return "Single";
        case adDouble: return "Double";
        case adCurrency: return "Currency";
        case adDate: return "Date/Time";
        case adDBTimeStamp: return "Date/Time Extended";
        case adBoolean: return "Yes/No";
        case adGUID: return "Replication ID";
        case adNumeric:
        case adDecimal: return "Decimal";
        case adLongVarBinary: return "OLE Object";
        case adBinary:
        case adVarBinary: return "Binary";
        default: return "type " + std::to_string(info.m_nType);
    }
}

void CountRows(CMyDatabase& db, const CString& name, CTableEntry& entry) {
    CADORecordset recordset(db.m_Database);
    if (!recordset.Open(L"SELECT Count(*) FROM " + db.QuoteName(name))) return;
    CString count;
    if (!recordset.IsEof() && recordset.GetFieldValue(0, count)) entry.m_nRows = std::stoll("0" + count.ToUtf8());
    recordset.Close();
}

void ReadColumns(CMyDatabase& db, const CString& name, CTableEntry& entry) {
    CADORecordset recordset(db.m_Database);
    if (!recordset.Open(L"SELECT * FROM " + db.QuoteName(name) + L" WHERE 1 = 0")) return;
    for (int i = 0; i < recordset.GetFieldCount(); ++i) {
        CADOFieldInfo info{};
        if (recordset.GetFieldInfo(i, &info)) entry.m_columns.push_back({CString(info.m_strName).ToUtf8(), AccessTypeName(info)});
    }
    recordset.Close();
}

std::string Rows(const CTableEntry& entry) { return entry.m_nRows < 0 ? "?" : std::to_string(entry.m_nRows); }

std::string AsText(const std::vector<CTableEntry>& entries, bool columns) {
    std::string out;
    for (const CTableEntry& entry : entries) {
        out += entry.m_strName + "\t" + entry.m_strType + "\t" + Rows(entry) + (entry.m_strLinkedFile.empty() ? "" : "\t" + entry.m_strLinkedFile) +
               (entry.m_strParameters.empty() ? "" : "\t" + entry.m_strParameters) + "\n";
        if (columns)
            for (const CTableColumn& column : entry.m_columns) out += "    " + column.m_strName + "\t" + column.m_strType + "\n";
    }
    return out;
}

std::string AsJson(const std::vector<CTableEntry>& entries, bool columns) {
    std::string out = "[";
    for (size_t i = 0; i < entries.size(); ++i) {
        const CTableEntry& entry = entries[i];
        out += (i ? ",\n " : "\n ") + std::string("{\"name\": ") + platform::JsonQuoted(entry.m_strName) +
               ", \"type\": " + platform::JsonQuoted(entry.m_strType) + ", \"rows\": " + (entry.m_nRows < 0 ? "null" : Rows(entry));
        if (!entry.m_strLinkedFile.empty()) out += ", \"file\": " + platform::JsonQuoted(entry.m_strLinkedFile);
        if (!entry.m_strParameters.empty()) out += ", \"parameters\": " + platform::JsonQuoted(entry.m_strParameters);
        if (columns) {
            out += ", \"columns\": [";
            for (size_t c = 0; c < entry.m_columns.size(); ++c)
                out += (c ? ", " : "") + std::string("{\"name\": ") + platform::JsonQuoted(entry.m_columns[c].m_strName) +
                       ", \"type\": " + platform::JsonQuoted(entry.m_columns[c].m_strType) + "}";
            out += "]";
        }
        out += "}";
    }
    return out + (entries.empty() ? "]\n" : "\n]\n");
}

CString Text(const char* text) { return text ? CString::FromUtf8(text) : CString(); }

}  // namespace

extern "C" int velloriaTables(const VelloriaTablesRequest* request) {
    if (!request || !request->database) return 2;
    InitConnectStringTable();
    CServerUrl target;
    CString error;
    if (!ResolveDatabaseArgument(Text(request->database), Text(request->driver), Text(request->user), Text(request->password), target, error)) {
        std::fprintf(stderr, "velloria tables: %s\n", error.ToUtf8().c_str());
        return 2;
    }
    // Standard output carries the list alone; the data layer's alerts go to standard error.
    const platform::OutputSink previous =
        platform::SetOutputSink([](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stderr); });
    std::vector<CTableEntry> entries;
    bool failed = false;
    {
        CMyDatabase db;
        if (!db.Open(target.m_strDriver, target.m_strLocation, target.m_strUser, target.m_strPassword)) {
            platform::SetOutputSink(previous);
            // The location, never the URL as given: that may hold a password.
            std::fprintf(stderr, "velloria tables: failed to open database %s\n", target.m_strLocation.ToUtf8().c_str());
            return 1;
        }
        struct CListed {
            CString name, type, description;
        };
        std::vector<CListed> listed;
        {
            CADORecordset schema(db.m_Database);
            if (schema.OpenSchema(20, L"") && schema.GetRecordCount() > 0) {
                for (schema.MoveFirst(); !schema.IsEof(); schema.MoveNext()) {
                    CString type, name, description;
                    schema.GetFieldValue(L"TABLE_TYPE", type, L"");
                    schema.GetFieldValue(L"TABLE_NAME", name, L"");
                    schema.GetFieldValue(L"DESCRIPTION", description, L"");
                    if (type == L"TABLE" || type == L"VIEW" || type == L"LINK") listed.push_back({name, type, description});
                }
                schema.Close();
            }
        }
        for (const auto& [name, type, description] : listed) {
            CTableEntry entry;
            entry.m_strName = name.ToUtf8();
            entry.m_strType = type.ToUtf8();
            if (type == L"LINK") entry.m_strLinkedFile = description.ToUtf8();
            // A query that needs values has no rows to count without them; that is no failure.
            if (type == L"VIEW" && description.Left(12) == L"Parameters: ") entry.m_strParameters = description.ToUtf8();
            if (entry.m_strParameters.empty()) CountRows(db, name, entry);
            if (entry.m_nRows < 0 && entry.m_strParameters.empty()) failed = true;
            if (request->columns && entry.m_strParameters.empty()) ReadColumns(db, name, entry);
            entries.push_back(std::move(entry));
        }
    }
    platform::SetOutputSink(previous);
    const std::string out = request->format == kVelloriaFormatJson ? AsJson(entries, request->columns) : AsText(entries, request->columns);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return failed ? 1 : 0;
}

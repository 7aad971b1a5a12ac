#pragma once
// The sources beyond a file (database servers, ODBC data source names) that the user trusts.
// A link to one runs its SQL with the user's own credentials, so a drawing's link to a
// source that is not on this list is not run when the drawing opens, in DbTable_Update and
// in `velloria update`: the table is reported "not refreshed: SOURCE is not a trusted
// source", with the command that trusts it. Links to files are not concerned.
//
// The list is a setting: one value a source under "Trusted Sources" in section "Velloria",
// read afresh at each use; `velloria trust add|list|remove` keeps it.
#include <string>
#include <vector>

#include "mfc/Afx.h"

std::vector<std::wstring> GetTrustedSources();

// The entry a text names: HOST[:PORT][/DATABASE] (without a database: every database of the
// server), DSN=NAME, or a server as users write one (postgresql://user@host:port/db); empty,
// with the reason, when it names none.
CString TrustedSourceEntry(const CString& text, CString& error);
// False with the reason when the text names no source or the setting cannot be written.
bool AddTrustedSource(const CString& text, CString& entry, CString& error);
// False with the reason when the text names no source on the list.
bool RemoveTrustedSource(const CString& text, CString& entry, CString& error);

// The source a link reaches: HOST[:PORT]/DATABASE or DSN=NAME; empty for a file.
CString GetLinkSource(const CString& driverName, const CString& location);
// Whether a drawing's link may run: it names a file, or a source on the list. *source gets
// the link's source (empty for a file).
bool IsLinkTrusted(const CString& driverName, const CString& location, CString* source = nullptr);
// The line that reports a link not run for its source, with the command that trusts it.
CString UntrustedReason(const CString& source);

#include "runtime/DocManager.h"

#include <algorithm>

#include "db/HostServices.h"

CString AcApDocument::docTitle() const {
    const std::wstring path = m_fileName.str();
    if (path.empty()) return m_title;
    const size_t slash = path.find_last_of(L"/\\");
    return CString(slash == std::wstring::npos ? path : path.substr(slash + 1));
}

AcApDocument* AcApDocManager::addDocument(std::unique_ptr<AcApDocument> document) {
    m_documents.push_back(std::move(document));
    m_current = m_documents.back().get();
    return m_current;
}

void AcApDocManager::setCurDocument(AcApDocument* document) {
    for (const auto& d : m_documents)
        if (d.get() == document) m_current = document;
}

void AcApDocManager::closeDocument(AcApDocument* document) {
    std::erase_if(m_documents, [document](const auto& d) { return d.get() == document; });
    if (m_current == document) m_current = m_documents.empty() ? nullptr : m_documents.back().get();
}

void AcApDocManager::closeAll() {
    m_current = nullptr;
    m_documents.clear();
}

void AcApDocManager::abandonAll() {
    m_current = nullptr;
    for (std::unique_ptr<AcApDocument>& document : m_documents) static_cast<void>(document.release());
    m_documents.clear();
}

namespace {

// The current document's drawing is the working database unless one was set.
const bool s_source = (acdbHostApplicationServices()->setCurrentDrawingSource([]() -> AcDbDatabase* {
                           const AcApDocument* doc = acDocManagerPtr()->curDocument();
                           return doc ? doc->database() : nullptr;
                       }),
                       true);

}  // namespace

AcApDocManager* acDocManagerPtr() {
    static AcApDocManager manager;
    return &manager;
}

CString CDocument::GetPathName() const {
    const AcApDocument* doc = acDocManagerPtr()->curDocument();
    return doc ? CString(doc->fileName()) : CString();
}

CDocument* acedGetAcadDoc() {
    static CDocument document;
    return acDocManagerPtr()->curDocument() ? &document : nullptr;
}

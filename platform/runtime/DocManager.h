#pragma once
// Documents: the drawings open in the host, one of them current. The module asks for the
// current document's file path (relative database paths resolve against its folder).
#include <memory>
#include <vector>

#include "mfc/Afx.h"

class AcDbDatabase;
class AcTransactionManager;

class AcApDocument {
public:
    AcApDocument(std::shared_ptr<AcDbDatabase> database, CString fileName)
        : m_database(std::move(database)), m_fileName(std::move(fileName)) {}

    // Full path of the drawing file; empty for a drawing never saved.
    const wchar_t* fileName() const { return m_fileName; }
    void setFileName(const CString& fileName) { m_fileName = fileName; }
    // The name the drawing is shown by: its file's name, or for a drawing never saved the
    // name the host gave it ("Drawing1.dxf").
    CString docTitle() const;
    void setDocTitle(const CString& title) { m_title = title; }
    AcDbDatabase* database() const { return m_database.get(); }
    AcTransactionManager* transactionManager() const;  // TransactionManager.h

private:
    std::shared_ptr<AcDbDatabase> m_database;
    CString m_fileName;
    CString m_title;
};

class AcApDocManager {
public:
    AcApDocument* curDocument() const { return m_current; }
    int documentCount() const { return static_cast<int>(m_documents.size()); }
    AcApDocument* document(int index) const { return m_documents.at(static_cast<size_t>(index)).get(); }

    // Host side: adds a document and makes it current.
    AcApDocument* addDocument(std::unique_ptr<AcApDocument> document);
    void setCurDocument(AcApDocument* document);
    // Closes a document; the most recently added remaining one becomes current.
    void closeDocument(AcApDocument* document);
    void closeAll();
    // Host side, for a process about to end: the documents leave the manager undestroyed.
    // Taking a large drawing apart piece by piece only to exit costs more than the exit.
    void abandonAll();

private:
    std::vector<std::unique_ptr<AcApDocument>> m_documents;
    AcApDocument* m_current = nullptr;
};

AcApDocManager* acDocManagerPtr();
#define acDocManager acDocManagerPtr()

// The framework's view of the active drawing, as the host's document class offers it.
class CDocument {
public:
    CString GetPathName() const;
};
CDocument* acedGetAcadDoc();

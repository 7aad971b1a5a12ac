#pragma once
// The framework's exception root. Framework exceptions are thrown as pointers to heap objects
// (throw new ...); whoever catches one calls Delete() when done with it.
#include "mfc/Object.h"
#include "win/WinTypes.h"

class CException : public CObject {
public:
    CException() = default;
    CException(const CException&) = delete;
    CException& operator=(const CException&) = delete;

    // Frees an exception that was thrown with new.
    void Delete() { delete this; }
    // Copies the message, cut to maxChars - 1 characters and terminated; FALSE without one.
    virtual BOOL GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT* helpContext = nullptr) const;

protected:
    ~CException() override = default;
};

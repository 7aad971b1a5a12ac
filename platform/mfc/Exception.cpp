#include "mfc/Exception.h"

BOOL CException::GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT* helpContext) const {
    if (helpContext) *helpContext = 0;
    if (buffer && maxChars > 0) buffer[0] = L'\0';
    return FALSE;
}

#include "db/AcadErrorStatus.h"

const wchar_t* acadErrorStatusText(Acad::ErrorStatus status) {
    using namespace Acad;
    switch (status) {
#define NAME(e) \
    case e:     \
        return L## #e;
        NAME(eOk)
        NAME(eNotImplementedYet)
        NAME(eNotApplicable)
        NAME(eInvalidInput)
        NAME(eOutOfMemory)
        NAME(eBufferTooSmall)
        NAME(eInvalidOpenState)
        NAME(eHandleExists)
        NAME(eNullHandle)
        NAME(eUnknownHandle)
        NAME(eNullObjectPointer)
        NAME(eNullObjectId)
        NAME(eNullEntityPointer)
        NAME(eIllegalEntityType)
        NAME(eKeyNotFound)
        NAME(eDuplicateKey)
        NAME(eInvalidIndex)
        NAME(eAlreadyInDb)
        NAME(eInvalidExtents)
        NAME(eInvalidAdsName)
        NAME(eInvalidSymbolTableName)
        NAME(eInvalidKey)
        NAME(eWrongObjectType)
        NAME(eWrongDatabase)
        NAME(eNotOpenForRead)
        NAME(eNotOpenForWrite)
        NAME(eNotThatKindOfClass)
        NAME(eInvalidResBuf)
        NAME(eWasErased)
        NAME(ePermanentlyErased)
        NAME(eWasOpenedForRead)
        NAME(eWasOpenedForWrite)
        NAME(eNotAnEntity)
        NAME(eHadMultipleReaders)
        NAME(eDuplicateRecordName)
        NAME(eNoDatabase)
        NAME(eXdataSizeExceeded)
        NAME(eRegappIdNotFound)
        NAME(eNotInDatabase)
#undef NAME
    }
    return L"Unknown";
}

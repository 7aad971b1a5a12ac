#pragma once
// The drawing database's status codes. 0 is success; the numbers follow the host's
// numbering for the codes this host returns.
namespace Acad {

enum ErrorStatus {
    eOk = 0,
    eNotImplementedYet = 1,
    eNotApplicable = 2,
    eInvalidInput = 3,
    eOutOfMemory = 6,
    eBufferTooSmall = 7,
    eInvalidOpenState = 8,
    eHandleExists = 10,
    eNullHandle = 11,
    eUnknownHandle = 13,
    eNullObjectPointer = 15,
    eNullObjectId = 16,
    eNullEntityPointer = 20,
    eIllegalEntityType = 21,
    eKeyNotFound = 22,
    eDuplicateKey = 23,
    eInvalidIndex = 24,
    eAlreadyInDb = 26,
    eInvalidExtents = 30,
    eInvalidAdsName = 31,
    eInvalidSymbolTableName = 32,
    eInvalidKey = 33,
    eWrongObjectType = 34,
    eWrongDatabase = 35,
    eNotOpenForRead = 44,
    eNotOpenForWrite = 45,
    eNotThatKindOfClass = 46,
    eInvalidResBuf = 51,
    eWasErased = 78,
    ePermanentlyErased = 79,
    eWasOpenedForRead = 80,
    eWasOpenedForWrite = 81,
    eNotAnEntity = 91,
    eHadMultipleReaders = 92,
    eDuplicateRecordName = 93,
    eNoDatabase = 98,
    eXdataSizeExceeded = 118,
    eRegappIdNotFound = 119,
    eNotInDatabase = 124,
};

}  // namespace Acad

// The status's name, such as "eWasErased"; "Unknown" for a value the host does not know.
const wchar_t* acadErrorStatusText(Acad::ErrorStatus status);

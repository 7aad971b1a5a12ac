#pragma once
// What a provider hands the data-access component: the types and attributes of the
// fields it reads, and the error codes it raises. The component's interfaces (ado/Ado.h)
// speak in them; they are ADO's own values.
#include "com/ComBase.h"

// ADO's own error codes (facility 0x0A), as the component raises them.
constexpr HRESULT adErrItemNotFound = MakeHresult(0x800A0CC1u);
constexpr HRESULT adErrNoCurrentRecord = MakeHresult(0x800A0BCDu);
constexpr HRESULT adErrInvalidArgument = MakeHresult(0x800A0BB9u);
constexpr HRESULT adErrObjectClosed = MakeHresult(0x800A0E78u);
constexpr HRESULT adErrObjectOpen = MakeHresult(0x800A0E79u);
constexpr HRESULT adErrProviderNotFound = MakeHresult(0x800A0E7Au);
constexpr HRESULT adErrInvalidConnection = MakeHresult(0x800A0E7Du);
constexpr HRESULT adErrFeatureNotAvailable = MakeHresult(0x800A0CB3u);
// Provider (OLE DB) codes.
constexpr HRESULT DB_E_NOCOMMAND = MakeHresult(0x80040E0Cu);
constexpr HRESULT DB_E_PARAMNOTOPTIONAL = MakeHresult(0x80040E10u);
constexpr HRESULT DB_E_ERRORSINCOMMAND = MakeHresult(0x80040E14u);
constexpr HRESULT DB_E_NOTABLE = MakeHresult(0x80040E37u);
constexpr HRESULT DB_E_ABORTLIMITREACHED = MakeHresult(0x80040E31u);
constexpr HRESULT DB_E_CANTFETCHBACKWARDS = MakeHresult(0x80040E24u);
constexpr HRESULT DB_SEC_E_AUTH_FAILED = MakeHresult(0x80040E4Du);
constexpr HRESULT DB_E_CANCELED = MakeHresult(0x80040E4Eu);

enum DataTypeEnum : int {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBSTR = 8,
    adBoolean = 11,
    adVariant = 12,
    adDecimal = 14,
    adTinyInt = 16,
    adUnsignedTinyInt = 17,
    adUnsignedInt = 19,
    adBigInt = 20,
    adUnsignedBigInt = 21,
    adGUID = 72,
    adDBTimeStamp = 135,
    adBinary = 128,
    adWChar = 130,
    adNumeric = 131,
    adVarWChar = 202,
    adLongVarWChar = 203,
    adVarBinary = 204,
    adLongVarBinary = 205,
};
enum FieldAttributeEnum : long {
    adFldMayDefer = 0x2,
    adFldUpdatable = 0x4,
    adFldUnknownUpdatable = 0x8,
    adFldFixed = 0x10,
    adFldIsNullable = 0x20,
    adFldMayBeNull = 0x40,
    adFldLong = 0x80,
    adFldRowID = 0x100,
    // Not ADO: what Access's designer calls a column whose type ADO gives as another's.
    adFldCalculated = 0x100000,   // a calculated column; its type is its result's
    adFldMultiValued = 0x200000,  // a complex column of several values, given as their text
    adFldAttachment = 0x400000,   // a complex column of attachments, given as their file names
};

#include "db/RxObject.h"

AcRxClass* AcRxObject::desc() {
    static AcRxClass cls(L"AcRxObject", nullptr);
    return &cls;
}

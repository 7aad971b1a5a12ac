#include "runtime/TransactionManager.h"

#include "runtime/DocManager.h"

AcTransactionManager* acTransactionManagerPtr() {
    static AcTransactionManager manager;
    return &manager;
}

AcTransactionManager* AcApDocument::transactionManager() const { return acTransactionManagerPtr(); }

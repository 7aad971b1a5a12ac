#include "TransactionManager.h"

#include "DocManager.h"

AcTransactionManager* acTransactionManagerPtr() {
    static AcTransactionManager manager;
    return &manager;
}

AcTransactionManager* AcApDocument::transactionManager() const { return acTransactionManagerPtr(); }

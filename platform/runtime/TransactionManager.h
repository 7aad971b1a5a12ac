#pragma once
// The transaction manager, reached as the current document's (AcApDocument::
// transactionManager) or as actrTransactionManager. The module uses it only to flush
// pending graphics before it drags new entities; the console has no screen, so nothing is
// ever pending.
class AcTransactionManager {
public:
    void flushGraphics() {}
};

AcTransactionManager* acTransactionManagerPtr();
#define actrTransactionManager acTransactionManagerPtr()

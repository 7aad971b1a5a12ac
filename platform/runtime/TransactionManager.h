#pragma once
// The transaction manager, reached as the current document's (AcApDocument::
// transactionManager) or as actrTransactionManager. The module uses it only to flush
// pending graphics before it drags new entities; the console has no screen, so nothing is
// ever pending.
class AcTransactionManager {
public:
    void flushGraphics() { ++m_flushes; }
    // How often graphics were flushed (tests).
    long flushCount() const { return m_flushes; }

private:
    long m_flushes = 0;
};

AcTransactionManager* acTransactionManagerPtr();
#define actrTransactionManager acTransactionManagerPtr()

#include "sqlite/Transaction.h"

namespace sqlite {

Transaction::Transaction(Database& db) : db_(db) { db_.Execute("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
    if (!open_) return;
    try {
        db_.Execute("ROLLBACK");
    } catch (...) {
        // A failed statement may already have ended the transaction; closing the connection
        // rolls back whatever is left.
    }
}

void Transaction::Commit() {
    db_.Execute("COMMIT");
    open_ = false;
}

void Transaction::Rollback() {
    open_ = false;
    db_.Execute("ROLLBACK");
}

}  // namespace sqlite

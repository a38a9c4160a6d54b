// One transaction on a Database: begun when constructed (taking the write lock at once, so
// that a database someone else is writing fails here and not half-way), committed by Commit,
// rolled back when the object goes without a commit.
#pragma once

#include "sqlite/Database.h"

namespace sqlite {

class Transaction {
  public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();
    void Rollback();

  private:
    Database& db_;
    bool open_ = true;
};

}  // namespace sqlite

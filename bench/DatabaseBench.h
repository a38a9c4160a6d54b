// What the database benchmarks share: the minimal program (the given SQL in one transaction
// with secure delete, nothing else) and the timing of it against Brisvane on fresh copies of
// one database, in the same run.
#pragma once

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "BenchSupport.h"
#include "sqlite/Database.h"

inline void Copy(const std::string& from, const std::string& to) {
    Check(CopyFileA(from.c_str(), to.c_str(), FALSE) != 0, "copy " + from);
}

inline void Minimal(const std::string& path, const std::string& sql) {
    sqlite::Database db(path, sqlite::OpenMode::ReadWrite);
    db.Execute("PRAGMA secure_delete = ON; BEGIN IMMEDIATE;" + sql + "COMMIT");
}

// Runs both on fresh copies, alternating which goes first, and prints the mean times.
inline void Compare(const char* what, const std::string& original, const std::string& work,
                    int rounds, const std::function<void()>& clean,
                    const std::function<void()>& minimal) {
    double cleanTime = 0, minimalTime = 0;
    for (int round = 0; round < rounds; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            Copy(original, work);
            if ((round + turn) % 2 == 0)
                cleanTime += Seconds(clean);
            else
                minimalTime += Seconds(minimal);
        }
    }
    std::printf("%s; %d round(s)\n  Brisvane %7.3f s\n  minimal  %7.3f s\n  ratio    %7.2f\n", what,
                rounds, cleanTime / rounds, minimalTime / rounds, cleanTime / minimalTime);
    DeleteFileA(work.c_str());
    DeleteFileA(original.c_str());
}

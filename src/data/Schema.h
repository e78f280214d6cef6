#pragma once

#include <string>
#include <vector>

struct sqlite3;

// The tables of the two content databases. Text columns compare without regard to case, as the
// program's lookups expect; every lookup column has an index. Tables whose names end in "_<suffix>"
// are made once per language suffix given.
namespace schema {

std::string LessonDatabaseDdl(const std::vector<std::string>& languageSuffixes);
// The learners' own tables (accounts, scores, opened lessons, trainer cards and reviews); part of
// the lesson database's DDL and the whole of a learner database's.
std::string LearnerDatabaseDdl();
std::string WordDatabaseDdl(const std::vector<std::string>& languageSuffixes);

// Runs SQL statements that return no rows; false with SQLite's reason.
bool Exec(sqlite3* db, const std::string& statements, std::string& error);

// Creates a new database file (refusing to overwrite one that exists) with the given DDL.
bool CreateDatabaseFile(const std::string& path, const std::string& ddl, std::string& error);

struct LearnerRowCounts {
    int users = 0;
    int scores = 0;
};

// Copies every learner row of the attached database `from` into the learner tables of `to` (both
// schema names of the connection). Tables that `from` lacks are skipped, except the accounts and
// scores when `accountsRequired`. False with the reason when a copy fails; the caller's
// transaction then leaves `to` as it was.
bool CopyLearnerTables(sqlite3* db, const std::string& from, const std::string& to, bool accountsRequired,
                       LearnerRowCounts& copied, std::string& error);

} // namespace schema

#pragma once

#include <string>
#include <vector>

// The tables of the two content databases. Text columns compare without regard to case, as the
// program's lookups expect; every lookup column has an index. Tables whose names end in "_<suffix>"
// are made once per language suffix given.
namespace schema {

std::string LessonDatabaseDdl(const std::vector<std::string>& languageSuffixes);
std::string WordDatabaseDdl(const std::vector<std::string>& languageSuffixes);

// Creates a new database file (refusing to overwrite one that exists) with the given DDL.
bool CreateDatabaseFile(const std::string& path, const std::string& ddl, std::string& error);

} // namespace schema

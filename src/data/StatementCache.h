#pragma once

#include "data/SqlQuery.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// How a result column is declared, for the conversions the layer makes of its values.
enum class ColumnKind { Other, Boolean, Date };

struct ResultColumn {
    std::string name;
    ColumnKind kind = ColumnKind::Other;
};

// The prepared statements of one connection, kept per statement text so a query the program runs
// again and again is parsed once. A statement serves one reader at a time: while it is leased, the
// same text gets a statement of its own that is finalized when given back.
class StatementCache {
    struct Entry {
        sqlite3_stmt* stmt = nullptr;
        std::vector<ResultColumn> columns;
        bool leased = false;

        Entry() = default;
        ~Entry(); // finalizes the statement
        Entry(const Entry&) = delete;
        Entry& operator=(const Entry&) = delete;
    };

public:
    // One use of a prepared statement with the query's values bound. Giving it back resets the
    // statement, which ends its read of the database.
    class Lease {
    public:
        Lease() = default;
        ~Lease();
        Lease(Lease&& other) noexcept;
        Lease& operator=(Lease&& other) noexcept;
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;

        sqlite3_stmt* Get() const;
        const std::vector<ResultColumn>& Columns() const;
        explicit operator bool() const { return m_entry != nullptr; }
        void Release();

    private:
        friend class StatementCache;
        Entry* m_entry = nullptr;
        std::unique_ptr<Entry> m_owned; // a statement not kept in the cache
    };

    StatementCache() = default;
    ~StatementCache();
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // A statement for the query with its values bound; false with the error and code when the
    // query is invalid, holds more than one statement or its values do not fit.
    bool Acquire(sqlite3* db, const SqlQuery& query, Lease& lease, std::string& error, long& code);
    // Finalizes every kept statement; leases still out must have been given back.
    void Clear();

private:
    // Texts beyond this many are not kept, so queries with spliced values cannot grow it forever.
    static constexpr size_t kCapacity = 256;

    std::unordered_map<std::string, std::unique_ptr<Entry>> m_entries;
};

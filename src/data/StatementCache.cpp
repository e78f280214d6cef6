#include "data/StatementCache.h"

#include "app/TextEncoding.h"
#include "data/SqliteStatement.h"

#include <sqlite3.h>
#include <utility>

StatementCache::Entry::~Entry() {
    sqlite3_finalize(stmt);
}

namespace {

ColumnKind KindOfDeclaration(const char* declaration) {
    const std::string declared = text::AsciiLower(declaration ? declaration : "");
    if (declared.find("bool") != std::string::npos)
        return ColumnKind::Boolean;
    if (declared.find("date") != std::string::npos || declared.find("time") != std::string::npos)
        return ColumnKind::Date;
    return ColumnKind::Other;
}

std::vector<ResultColumn> ColumnsOf(sqlite3_stmt* stmt) {
    std::vector<ResultColumn> columns;
    const int count = sqlite3_column_count(stmt);
    columns.reserve(static_cast<size_t>(count));
    for (int c = 0; c < count; ++c)
        columns.push_back(
            {sqlite3_column_name(stmt, c), KindOfDeclaration(sqlite3_column_decltype(stmt, c))});
    return columns;
}

} // namespace

StatementCache::Lease::~Lease() {
    Release();
}

StatementCache::Lease::Lease(Lease&& other) noexcept
    : m_entry(std::exchange(other.m_entry, nullptr)), m_owned(std::move(other.m_owned)) {}

StatementCache::Lease& StatementCache::Lease::operator=(Lease&& other) noexcept {
    if (this != &other) {
        Release();
        m_entry = std::exchange(other.m_entry, nullptr);
        m_owned = std::move(other.m_owned);
    }
    return *this;
}

sqlite3_stmt* StatementCache::Lease::Get() const {
    return m_entry ? m_entry->stmt : nullptr;
}

const std::vector<ResultColumn>& StatementCache::Lease::Columns() const {
    static const std::vector<ResultColumn> none;
    return m_entry ? m_entry->columns : none;
}

void StatementCache::Lease::Release() {
    if (!m_entry)
        return;
    sqlite3_reset(m_entry->stmt);
    sqlite3_clear_bindings(m_entry->stmt);
    m_entry->leased = false;
    m_entry = nullptr;
    m_owned.reset();
}

StatementCache::~StatementCache() {
    Clear();
}

void StatementCache::Clear() {
    m_entries.clear();
}

bool StatementCache::Acquire(sqlite3* db, const SqlQuery& query, Lease& lease, std::string& error,
                             long& code) {
    lease.Release();
    if (!query.IsValid()) {
        error = query.Problem();
        code = SQLITE_MISUSE;
        return false;
    }
    auto found = m_entries.find(query.Statement());
    Entry* entry = found != m_entries.end() && !found->second->leased ? found->second.get() : nullptr;
    std::unique_ptr<Entry> fresh;
    if (!entry) {
        fresh = std::make_unique<Entry>();
        fresh->stmt = PrepareOneStatement(db, query.Statement(), error, code);
        if (!fresh->stmt)
            return false;
        fresh->columns = ColumnsOf(fresh->stmt);
        entry = fresh.get();
        if (found == m_entries.end() && m_entries.size() < kCapacity)
            m_entries.emplace(query.Statement(), std::move(fresh));
    }
    if (!BindParameters(db, entry->stmt, query, error, code)) {
        sqlite3_clear_bindings(entry->stmt);
        return false;
    }
    entry->leased = true;
    lease.m_entry = entry;
    lease.m_owned = std::move(fresh);
    return true;
}

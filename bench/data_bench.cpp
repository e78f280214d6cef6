// Cost of the character lookup that every drawn character goes through: one bound query on the
// word database and the conversion of its fields, against SQLite's own floor for the same lookup
// (one prepared statement, bound, stepped and reset). Reports `ratio_to_floor`.
#include "data/CADODatabase.h"
#include "data/CADORecordset.h"
#include "data/Queries.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/TempFolder.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>

namespace {

constexpr int kLookups = 20000;

double SecondsPerLookup(auto&& lookup) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kLookups; ++i)
        lookup();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kLookups;
}

double ThroughLayer(CADODatabase& db) {
    return SecondsPerLookup([&] {
        CADORecordset rs;
        rs.Open(&db, SqlQuery::Format(sql::kCharacterByHz, {u"好"}));
        std::u16string initial;
        rs.GetFieldValue("sm", initial);
        benchmark::DoNotOptimize(initial);
    });
}

double Floor(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM tbl_hz_main WHERE hz = ?", -1, &stmt, nullptr);
    const double seconds = SecondsPerLookup([&] {
        sqlite3_bind_text(stmt, 1, "好", -1, SQLITE_STATIC);
        if (sqlite3_step(stmt) == SQLITE_ROW) {
            const auto* initial = sqlite3_column_text(stmt, 3); // sm
            benchmark::DoNotOptimize(initial);
        }
        sqlite3_reset(stmt);
    });
    sqlite3_finalize(stmt);
    return seconds;
}

} // namespace

static void CharacterLookup(benchmark::State& state) {
    TempFolder dir;
    std::string error;
    if (!fixtures::BuildWordDatabase(dir / "word.dll", {"en"}, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    CADODatabase db;
    db.Open("Data Source=" + (dir / "word.dll"));
    double layer = 0;
    double floor = 0;
    for (auto _ : state) {
        // Alternate so both meet the same machine load.
        layer += ThroughLayer(db);
        floor += Floor(db.Handle());
    }
    state.counters["layer_us"] = layer / static_cast<double>(state.iterations()) * 1e6;
    state.counters["floor_us"] = floor / static_cast<double>(state.iterations()) * 1e6;
    state.counters["ratio_to_floor"] = layer / floor;
}
BENCHMARK(CharacterLookup)->Iterations(5)->Unit(benchmark::kMillisecond);

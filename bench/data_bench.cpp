// Cost of the character lookup that every drawn character goes through: one bound query on the
// word database and the conversion of its fields.
#include "data/CADODatabase.h"
#include "data/CADORecordset.h"
#include "data/Queries.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/TempFolder.h"

#include <benchmark/benchmark.h>

static void CharacterLookup(benchmark::State& state) {
    TempFolder dir;
    std::string error;
    if (!fixtures::BuildWordDatabase(dir / "word.dll", {"en"}, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    CADODatabase db;
    db.Open("Data Source=" + (dir / "word.dll"));
    for (auto _ : state) {
        CADORecordset rs;
        rs.Open(&db, SqlQuery::Format(sql::kCharacterByHz, {u"好"}));
        std::u16string initial;
        rs.GetFieldValue("sm", initial);
        benchmark::DoNotOptimize(initial);
    }
}
BENCHMARK(CharacterLookup);

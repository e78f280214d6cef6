target_sources(core PRIVATE
  src/data/CADODatabase.cpp
  src/data/CADORecordset.cpp
  src/data/ContentProblems.cpp
  src/data/ContentQuery.cpp
  src/data/LearnerDatabase.cpp
  src/data/ReadTransaction.cpp
  src/data/Schema.cpp
  src/data/SqliteStatement.cpp
  src/data/StatementCache.cpp
  src/data/SqlQuery.cpp
  src/data/WriteTransaction.cpp
)

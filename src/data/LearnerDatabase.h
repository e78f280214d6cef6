#pragma once

#include "data/Schema.h"

#include <string>

class CADODatabase;

// The learner database of one system user: the learners' tables, kept out of the lesson database
// so that the program folder is only read (see CADODatabase::OpenWithLearnerFile).
namespace learnerdb {

// Makes the learner tables of a new learner file and copies into it, once, the accounts, scores
// and trainer cards that the attached lesson database still holds from the time it kept them.
// Runs in one write transaction, so two programs starting together copy nothing twice and a kill
// leaves the file as it was. `migrated` counts what was copied now (nothing once done).
bool Prepare(CADODatabase& db, schema::LearnerRowCounts& migrated, std::string& error);

} // namespace learnerdb

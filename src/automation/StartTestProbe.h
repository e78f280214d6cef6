#pragma once

// Included by each program's main(): starts the test probe in test builds (TESSALYNE_AUTOMATION),
// and does nothing in the programs a learner runs.
#ifdef TESSALYNE_AUTOMATION
#include "automation/AutomationProbe.h"
#endif

inline void StartTestProbe() {
#ifdef TESSALYNE_AUTOMATION
    AutomationProbe::StartIfRequested();
#endif
}

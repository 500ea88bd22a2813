#pragma once
// Builds the case's stage list from the activity schedule, the environment of each stage, the
// wearer's skin state and the clothing. Lazy: it rebuilds only while StagesDirty is set, so
// values edited in the boundary dialog or read from a file survive until the schedule or the
// environment is confirmed again.
#include "casemodel/casemodel.h"

// One stage per schedule entry, each with one microclimate per filled layer among the first
// three layers of every garment; then the contact flags, the environment states and the
// clothing cover ratio of every stage. Clears StagesDirty.
void BuildStageList(CaseModel& model);

// Contact flags and inner and outer environment states, one entry per stage of the list.
void RebuildStageSideLists(CaseModel& model);

#pragma once
// What a dialog knows of the main window: the case it owns, and one narrow channel to report
// progress on. A dialog sets the case's flags and reports; the main window alone turns the
// flags into step pictures and tree marks. Dialogs include this header, never the main
// window's.
#include <vector>

#include "casemodel/casemodel.h"
#include "casemodel/stagebuilder.h"

// The steps a dialog can confirm. BodyShown: a body from a file was put into the dialogs.
enum class TCaseStep { Activity, Environment, Body, BodyShown, Clothing, Boundary, Control, CaseFolder };

class TCaseHost {
public:
    virtual ~TCaseHost() = default;
    virtual CaseModel& HostedCase() = 0;
    // The step's flag in the case is already set, or cleared, when this is called: the main
    // window draws the step from the flag.
    virtual void StepConfirmed(TCaseStep step) = 0;
    // A material or model definition was confirmed (changed) or merely looked at.
    virtual void NotifyDefinitionChanged(bool changed) = 0;
    // The confirmed schedule was edited (see RearrangeRows for `from`) and the case's per-stage
    // rows already follow their entries: the windows that keep per-stage rows of their own
    // make them follow too.
    virtual void StageRowsRearranged(const std::vector<int>& from) = 0;
};

// The main window registers itself when it is created and unregisters when it goes.
void SetCaseHost(TCaseHost* host);

// The case of the main window. Windows created without a main window (no host) share a case
// of their own, so they never reach through a null pointer.
CaseModel& TheCase();
void ReportStepConfirmed(TCaseStep step);
void ReportDefinitionChanged(bool changed);

// Entry i of the newly confirmed schedule was entry from[i] of the one before (-1: added): every
// per-stage value kept for an entry, in the case and in the windows, moves with its entry.
void RearrangeStageRows(const std::vector<int>& from);

// The stages are to be built afresh from the schedule, the environment and the clothing. The
// rebuild puts every boundary value and cover ratio back to its default, so boundary and
// control values defined before no longer hold: both steps are undone and reported.
void MarkStagesForRebuild();

// The clothing was confirmed: `confirmed` is the clothing confirmed before, and garment g now was
// garment from[g] of it (-1: new). Stages built for the confirmed clothing, with no full rebuild
// due, follow the change (FollowClothing) and keep every value the clothing does not decide; only
// a step whose values changed is undone: the boundary step when a microclimate came, went or got
// other contacts, the control step when a cover ratio changed. Otherwise other clothing marks the
// stages for a rebuild, and the same clothing changes nothing.
void ClothingConfirmed(const ClothingLayout& confirmed, const std::vector<int>& from);

#include "dialogbase/workflow.h"

namespace {

TCaseHost* Host = nullptr;

CaseModel& DetachedCase()
{
    static CaseModel detached;
    return detached;
}

// A confirmed step no longer holds; the main window shows it as to do.
void UndoStep(bool& defined, TCaseStep step)
{
    if (!defined)
        return;
    defined = false;
    ReportStepConfirmed(step);
}

} // namespace

void SetCaseHost(TCaseHost* host) { Host = host; }

CaseModel& TheCase() { return Host ? Host->HostedCase() : DetachedCase(); }

void ReportStepConfirmed(TCaseStep step)
{
    if (Host)
        Host->StepConfirmed(step);
}

void ReportDefinitionChanged(bool changed)
{
    if (Host)
        Host->NotifyDefinitionChanged(changed);
}

void RearrangeStageRows(const std::vector<int>& from)
{
    TheCase().RearrangeStageRows(from);
    if (Host)
        Host->StageRowsRearranged(from);
}

void MarkStagesForRebuild()
{
    CaseModel& c = TheCase();
    c.StagesDirty = true;
    UndoStep(c.BoundaryDefined, TCaseStep::Boundary);
    UndoStep(c.ControlDefined, TCaseStep::Control);
}

void ClothingConfirmed(const ClothingLayout& confirmed, const std::vector<int>& from)
{
    CaseModel& c = TheCase();
    const ClothingFollowed followed = FollowClothing(c, confirmed, from);
    if (!followed.Followed) {
        if (!(ClothingLayoutOf(c) == confirmed))
            MarkStagesForRebuild();
        return;
    }
    if (followed.MicroclimatesChanged)
        UndoStep(c.BoundaryDefined, TCaseStep::Boundary);
    if (followed.CoverChanged)
        UndoStep(c.ControlDefined, TCaseStep::Control);
}

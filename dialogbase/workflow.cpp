#include "dialogbase/workflow.h"

namespace {

TCaseHost* Host = nullptr;

CaseModel& DetachedCase()
{
    static CaseModel detached;
    return detached;
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
    if (!c.BoundaryDefined && !c.ControlDefined)
        return;
    c.BoundaryDefined = false;
    c.ControlDefined = false;
    ReportStepConfirmed(TCaseStep::Boundary);
    ReportStepConfirmed(TCaseStep::Control);
}

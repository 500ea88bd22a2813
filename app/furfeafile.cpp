// Saving, loading and handing the case to the simulation service.
#include "app/furfea.h"

#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QToolButton>

#include "app/openlinkfrm.h"
#include "casemodel/casefile.h"
#include "casemodel/garmentstyles.h"
#include "casemodel/stagebuilder.h"
#include "casemodel/textfile.h"
#include "materials/fabricform.h"
#include "materials/fabriclayerfrm.h"
#include "materials/fiber.h"
#include "materials/fluid.h"
#include "materials/garmentform.h"
#include "materials/membrane.h"
#include "toolkit/filedialogs.h"
#include "toolkit/messages.h"
#include "wearer/activityfrm.h"
#include "wearer/definebodyfrm.h"
#include "wearer/environmentfrm.h"

namespace {

const QString CaseFileFilter = "simulate data file(.sdf)|*.sdf";

// The first failing step of the case, in the order the user is asked to finish them; empty
// when the case is complete enough to save.
QString MissingStep(const CaseModel& c)
{
    if (c.Activity.ScheduleChanged)
        return FinishEnvironmentMessage;
    if (!c.ActivityDefined)
        return "Please finish the activity definition!";
    if (!c.EnvironmentDefined)
        return FinishEnvironmentMessage;
    if (!c.BodyDefined)
        return "Please finish the human body definition!";
    if (!c.ClothingDefined)
        return "Please finish the clothing definition!";
    return QString();
}

// A failed load or save: the command's message, then on a second line why it failed.
void ReportFailure(const char* message, const QString& why, const char* caption)
{
    AppMessageBox(QString(message) + "\n" + why, caption, MB_OK);
}

// Why a file could not be read or written: its name and the system's reason.
QString FileReason(const QString& name, const QString& reason) { return name + ": " + reason; }

void ReportSaveFailure(const QString& name, const std::string& reason)
{
    ReportFailure("Saving data file fails!", FileReason(name, QString::fromLocal8Bit(reason.c_str())), "Error");
}

// Asks for the file until the user settles on one; empty when cancelled or refused. ".sdf" is
// appended only when missing, and an existing file is replaced only after the user agrees. A name
// that cannot take the file (a folder, a device, a file the user may not write) is refused with
// its reason before the question: agreeing to replace it would only lead to the same refusal.
QString ChooseSaveName(TFurFea& w)
{
    for (;;) {
        const QString typed = FileDialogs().SaveFileName(&w, "Save As", QString::fromStdString(w.Case.CaseDir()),
                                                         CaseFileFilter);
        if (typed.isEmpty())
            return QString();
        QString name = typed;
        if (!name.endsWith(".sdf", Qt::CaseInsensitive))
            name += ".sdf";
        const std::string refusal = WhyNotReplaceable(QFile::encodeName(name).toStdString());
        if (!refusal.empty()) {
            ReportSaveFailure(name, refusal);
            return QString();
        }
        if (!QFileInfo::exists(name))
            return name;
        if (AppMessageBox("there has existed the file, do you want to replace it?", "Information",
                          MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK)
            return name;
    }
}

QString FolderOf(const QString& name) { return QFileInfo(name).absolutePath() + "/"; }

// Save As and Simulation are the same command up to its end.
bool SaveCase(TFurFea& w)
{
    const QString missing = MissingStep(w.Case);
    if (!missing.isEmpty()) {
        AppMessageBox(missing, "Information", MB_OK);
        return false;
    }
    const QString name = ChooseSaveName(w);
    if (name.isEmpty())
        return false;

    w.BuildStages();
    std::string text;
    try {
        text = CaseFileText(w.Case);
    } catch (const ECaseFileWrite& e) {
        AppMessageBox(QString::fromStdString(e.what()), "Information", MB_OK);
        return false;
    }
    // Replaced as a whole: a failed write leaves the old file as it was.
    std::string why;
    if (!ReplaceWholeFile(QFile::encodeName(name).toStdString(), text, &why)) {
        ReportSaveFailure(name, why);
        return false;
    }
    w.Case.SetCaseDir(FolderOf(name).toStdString());
    w.ShowCaseDir();
    return true;
}

} // namespace

void TFurFea::SaveAs1Click()
{
    if (!SaveCase(*this))
        return;
    AppMessageBox("Data file has been saved successfully!", "Information", MB_OK);
    Case.CaseSaved = true;
}

void TFurFea::SimulationBtnClick()
{
    if (!SaveCase(*this))
        return;
    OpenLinkFrm->Show();
    Case.CaseSaved = true;
}

void TFurFea::Load1Click()
{
    const QString name = FileDialogs().OpenFileName(this, "Open", QString::fromStdString(Case.CaseDir()),
                                                    CaseFileFilter);
    if (name.isEmpty())
        return;

    // The whole file is read and checked before anything of the case changes.
    QFile file(name);
    CaseFileContents contents;
    bool parsed = false;
    QString why;
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        std::string fault;
        if (file.error() == QFileDevice::NoError)
            parsed = ParseCaseFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                   contents, WearerIsMale(Case), &fault);
        why = file.error() == QFileDevice::NoError ? QString::fromStdString(fault)
                                                   : FileReason(name, file.errorString());
    } else {
        why = FileReason(name, file.errorString());
    }
    if (!parsed) {
        // The line and what was wrong there, so that the user can mend the file or tell the
        // one who made it.
        ReportFailure("Loading data file fails!", why, "Information");
        return;
    }

    Case.SetCaseDir(FolderOf(name).toStdString());
    ShowCaseDir();
    SetStepPicture(stActivity, true);

    // What the refill needs of the file, taken before the contents are moved into the case.
    const bool hasBody = contents.HasBody;
    const bool membranesListed = contents.MembranesListed;
    const std::vector<std::string> notes = ApplyCaseFile(contents, Case);
    RefillDialogs(hasBody, membranesListed);

    if (!Case.Fluids.empty())
        MarkTreeNode(tnScenario, "Fluids ");
    if (!Case.Stages.empty()) {
        // Stages whose microclimates were set again leave the boundary step to be done.
        ImgBc0->setVisible(Case.BoundaryDefined);
        if (Case.BoundaryDefined)
            MarkTreeNode(tnBoundary, "Boundary Condition ");
        else
            ShowTreeMark(tnBoundary, false);
    }
    MarkTreeNode(tnControl, "Control Information ");

    // What loaded only in part follows on lines of its own.
    QString message = "Data file has been loaded successfully!";
    for (const std::string& note : notes)
        message += "\n" + QString::fromStdString(note);
    AppMessageBox(message, "Information", MB_OK);
}

void TFurFea::RefillDialogs(bool bodyLoaded, bool membranesListed)
{
    // The body first. It fills the physiology dialog too and marks it defined, so the body
    // dialog's next OK keeps the loaded physiology instead of falling back to the defaults; it
    // reports the body as shown (the tree node).
    if (bodyLoaded)
        DefineBodyFrm->PutBodyValue(Case.Body);
    if (!Case.Fluids.empty())
        Fluid->LoadFluidList(Case.Fluids);

    // The library lists mirror the case's lists, also when a section was empty. The "OP" the
    // case holds for fabric sides without a membrane is listed only when the file listed it,
    // as at start-up.
    Fiber->LoadFiberList(Case.Fibers);
    Membrane->LoadMembraneList(membranesListed ? Case.Membranes : TList<MembraneType>());
    // The fabric dialog's material lists before its fabric list: showing the last fabric picks
    // its membranes out of the dialog's membrane boxes by name.
    FabricForm->FillMaterialLists();
    FabricForm->LoadFabricList(Case.Fabrics);

    // The garment list before the layer grid. Rebuilding the garment list sets
    // TGarmentForm::Changed ("the layer dialog's groups are stale"), and the layer dialog drops
    // every layer assignment when it next opens with the flag set. BuildLayerGrid builds the
    // groups for the rebuilt list from the loaded rows and clears the flag, so the loaded
    // layers survive; it also reports the clothing step, which marks the garment step done.
    GarmentForm->LoadGarmentList();
    FabricLayerFrm->BuildLayerGrid();

    // The schedule and the environment always show the case's stages, also when the file has
    // none. The environment takes the loaded rows as the ones it shows, so its next OK without
    // an edit keeps the loaded stages.
    ActivityFrm->LoadActivitySchedule();
    EnvironmentFrm->LoadEnvironmentGrids();
}

void TFurFea::StageRowsRearranged(const std::vector<int>& from)
{
    // The case's rows have moved already. Of the windows, only the environment dialog keeps
    // per-stage rows between showings (its cells and place choices, typed values not yet
    // confirmed among them); it moves them the same way, so its next showing puts each row
    // beside its entry. The control dialog and the boundary dialog keep nothing: they are
    // filled from the case's (rebuilt) stages each time they open.
    EnvironmentFrm->RearrangeRows(from);
}

void TFurFea::BuildStages()
{
    BuildStageList(Case);
}

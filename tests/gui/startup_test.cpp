// Start-up with the dialogs built while the event loop is idle: the main window's commands find
// every window, a window built late behaves as one built at start, and a missing style picture
// still stops the start.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <tuple>

#include "app/furfea.h"
#include "app/openlinkfrm.h"
#include "app/startup.h"
#include "app/windows.h"
#include "materials/fabriclayerfrm.h"
#include "materials/garmentform.h"
#include "tests/support/appfixture.h"
#include "tests/support/glpixels.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/scripted.h"
#include "tests/unit/casefile_cases.h"
#include "toolkit/application.h"
#include "toolkit/radiogroup.h"
#include "wearer/definebodyfrm.h"

namespace {

class StartupTest : public AppTest {
protected:
    // The windows as the application starts them: the main window alone, the rest to come.
    void StartWithIdleBuild()
    {
        DestroyApplicationWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        CreateApplicationWindows({}, TWindowBuild::WhenIdle);
    }
};

void ExpectEveryWindowBuilt()
{
    const std::vector<QWidget*> windows = ApplicationWindows();
    ASSERT_EQ(windows.size(), ApplicationWindowCount());
    EXPECT_EQ(std::set<QWidget*>(windows.begin(), windows.end()).size(), windows.size());
    EXPECT_EQ(std::count(windows.begin(), windows.end(), nullptr), 0);
}

TEST_F(StartupTest, WindowsBuiltWhileIdleAreAllThereAndACommandBeforeThemFindsItsDialog)
{
    StartWithIdleBuild();
    ASSERT_EQ(OpenLinkFrm, nullptr);
    QElapsedTimer clock;
    clock.start();
    while (!OpenLinkFrm && clock.elapsed() < 10000)
        QCoreApplication::processEvents();
    EXPECT_NE(OpenLinkFrm, nullptr);
    ExpectEveryWindowBuilt();

    // A menu command chosen before any dialog exists.
    StartWithIdleBuild();
    const auto opened = ModalsOpenedBy([] { FurFea->findChild<QAction*>("Garment1")->trigger(); });
    EXPECT_EQ(opened, std::vector<TForm*>{FabricLayerFrm});
    ExpectEveryWindowBuilt();
}

// What the garment dialog shows (style panels, listed styles, clothing defined) on its first
// opening after the wearer became a man and a case was loaded, all through the main window.
using GarmentView = std::tuple<int, std::vector<int>, bool>;

GarmentView FirstGarmentOpening(const QString& casePath)
{
    FurFea->Case.ModelCode = 1;
    FurFea->Case.Body.IsMale = false;
    FurFea->Case.Body.IsFemale = true;
    ScopedModalHook bodyHook([](TForm& form) {
        if (&form == DefineBodyFrm)
            DefineBodyFrm->RadioGroup1->Button(0)->click();
        return int(mrCancel);
    });
    FurFea->findChild<QToolButton*>("BodyBtn")->click();
    {
        ScriptedFileDialogs dialogs;
        dialogs.Answer(casePath);
        MessageRecorder messages;
        messages.Expect("Data file has been loaded successfully!", "Information");
        FurFea->findChild<QAction*>("Load1")->trigger();
    }
    GarmentView view;
    RunModal(
        GarmentForm, [] { FurFea->findChild<QToolButton*>("GarmentBtn")->click(); },
        [&] {
            const GarmentSet& g = FurFea->Case.GarmentList;
            view = {static_cast<int>(GarmentForm->StylePanels.size()),
                    std::vector<int>(g.StyleIndex.begin(), g.StyleIndex.begin() + g.GarmentCount),
                    FurFea->Case.ClothingDefined};
        });
    return view;
}

TEST_F(StartupTest, AGarmentDialogBuiltLateMatchesOneBuiltAtStart)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("case.sdf");
    WriteText(path, GoldenFile("case_saved.sdf"));
    const GarmentView atStart = FirstGarmentOpening(path);
    StartWithIdleBuild();
    const GarmentView late = FirstGarmentOpening(path);
    EXPECT_EQ(late, atStart);
    EXPECT_FALSE(std::get<1>(atStart).empty());
}

void CopyFolder(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        ASSERT_TRUE(QDir().mkpath(QFileInfo(target).path()));
        ASSERT_TRUE(QFile::copy(source, target)) << target.toStdString();
    }
}

// A missing step or style picture, or one that is no picture, stops the start and is named.
TEST_F(StartupTest, AMissingOrDamagedPictureStopsTheStartNamingIt)
{
    QTemporaryDir dir;
    const QString shipped = AppDir();
    for (const char* folder : {"Icon", "Style"})
        CopyFolder(shipped + folder, dir.path() + "/" + folder);
    DestroyApplicationWindows();
    SetAssetRoot(dir.path());
    for (const auto& [picture, damaged] : {std::pair<QString, bool>{"Style/7.bmp", false}, {"Style/7.bmp", true},
                                           {"Icon/who2.bmp", false}}) {
        SCOPED_TRACE(picture.toStdString() + (damaged ? " damaged" : " missing"));
        QFile file(dir.path() + "/" + picture);
        file.remove();
        if (damaged) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("BM not a picture");
            file.close();
        }
        MessageRecorder messages;
        messages.AllowAny();
        EXPECT_EQ(RunApplication(false), 1);
        ASSERT_EQ(messages.Shown.size(), 1u);
        EXPECT_TRUE(messages.Shown[0].Text.contains(picture)) << messages.Shown[0].Text.toStdString();
        EXPECT_EQ(FurFea, nullptr);
        file.remove();
        ASSERT_TRUE(QFile::copy(shipped + picture, file.fileName()));
    }
    SetAssetRoot(QString());
}

} // namespace

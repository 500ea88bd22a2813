#pragma once
// A complete case whose stages the boundary and control dialogs edit, the way to drive a dialog
// that a main-window command opens, and the lines that Save As writes.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTreeWidgetItem>
#include <functional>

#include "app/furfea.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/scripted.h"
#include "tests/unit/casefile_cases.h"
#include "toolkit/forms.h"
#include "wearer/environmentfrm.h"

// A confirmed schedule of n stages (stage s: 20 + s degrees, 50 + s percent, wind 0.5 + s) whose
// stages are still to be built.
inline void DefineSchedule(int n)
{
    CaseModel& m = FurFea->Case;
    m.Activity.StageCount = n;
    m.Environment.StageCount = n;
    for (std::size_t s = 0; s < static_cast<std::size_t>(n); ++s) {
        m.Activity.MetabolicRate[s] = 58.2 + static_cast<double>(s);
        m.Activity.Duration[s] = 600 * static_cast<double>(s + 1);
        m.Activity.ActivityIndex[s] = static_cast<int>(s);
        m.Environment.Temperature[s] = 20 + static_cast<double>(s);
        m.Environment.RH[s] = 50 + static_cast<double>(s);
        m.Environment.Wind[s] = 0.5 + static_cast<double>(s);
        m.Environment.Place[s] = PlaceIndoor;
    }
    EnvironmentFrm->LoadEnvironmentGrids();
    m.Activity.ScheduleChanged = false;
    m.ActivityDefined = m.EnvironmentDefined = true;
    m.StagesDirty = true;
}

// The schedule of DefineSchedule for a wearer in one tight-fit garment with fabrics in its first
// `layers` layers, so every stage has that many microclimates.
inline void DefineStagedCase(int n, std::size_t layers = 3)
{
    CaseModel& m = FurFea->Case;
    SetGoldenBody(m);
    auto fabric = PlainFabric("Cotton twill");
    fabric->Membranes = {m.Membranes[0], MakeDefaultMembrane()};
    m.Fabrics = {fabric};
    m.GarmentList.GarmentCount = 1;
    m.GarmentList.StyleIndex[0] = 3;
    m.GarmentList.Fitting[0] = 3;
    m.GarmentList.Coverage[0] = 0.4;
    GarmentLayerRow row;
    for (std::size_t j = 0; j < layers; ++j) {
        row.Layers[j] = fabric;
        row.HasFabric[j] = true;
    }
    m.Layers.Rows = {row};
    m.Layers.GarmentCount = 1;
    DefineSchedule(n);
    m.BodyDefined = m.ClothingDefined = true;
}

// Runs `script` inside `dialog` when `command` opens it modally; fails when it is not opened.
inline void Drive(TForm* dialog, const std::function<void()>& command, const std::function<void()>& script)
{
    int shown = 0;
    ScopedModalHook hook([&](TForm& form) {
        if (&form == dialog) {
            ++shown;
            script();
        }
        return int(mrCancel);
    });
    command();
    EXPECT_EQ(shown, 1);
}

// Saves the case through Save As into a fresh folder and returns the file's lines.
inline QStringList SavedLines()
{
    QTemporaryDir folder;
    ScriptedFileDialogs dialogs;
    dialogs.Answer(folder.filePath("case"));
    MessageRecorder messages;
    messages.Expect("Data file has been saved successfully!", "Information");
    FurFea->SaveAs1Click();
    QFile file(folder.filePath("case.sdf"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromLatin1(file.readAll()).split("\r\n");
}

// The `count` lines that follow the first line equal to `first`, one text.
inline std::string LinesAfter(const QStringList& lines, const QString& first, int count)
{
    const auto at = lines.indexOf(first);
    EXPECT_GE(at, 0) << first.toStdString();
    return at < 0 ? std::string() : lines.mid(at + 1, count).join("\n").toStdString();
}

inline bool TreeNodeMarked(int node)
{
    const QPixmap marked = FurFea->ImageList2.Picture(1);
    return FurFea->TreeNode(node)->icon(0).pixmap(marked.size()).toImage() == marked.toImage();
}

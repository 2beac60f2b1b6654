// Save and Save As of the map.
#include "MainForm.h"

#include "app/Forms.h"
#include "app/SplashForm.h"
#include "core/Backup.h"
#include "core/Defines.h"
#include "core/MapSave.h"
#include "core/RomFile.h"
#include "core/ui/Dialogs.h"
#include "core/ui/SaveSteps.h"

#include <QFileInfo>

namespace {

const QString SavedMessage = QStringLiteral("Your changes to the map have been saved!");

MapSave::Job CurrentJob(const MainForm &form)
{
    MapSave::Job job;
    job.BorderPos = form.BorderPos;
    job.BorderBlockNum = form.BorderBlockNum;
    job.MapBlockPos = form.MapBlockPos;
    return job;
}

bool SameFile(const QString &a, const QString &b)
{
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}

} // namespace

// Every value must have its byte form before anything is written, so that a
// refusal never leaves a half-written map.
bool MainForm::SaveAllowed()
{
    return SaveSteps::Allowed(MapSave::FindValueWithoutByteForm(CurrentJob(*this)));
}

bool MainForm::WriteMapTo(const std::string &romPath)
{
    const MapSave::Job job = CurrentJob(*this);
    return SaveSteps::Write([&] { MapSave::WriteMap(romPath, job); });
}

void MainForm::mnuSave_Click()
{
    if (!MapLoaded)
        return;
    const MapSave::Job job = CurrentJob(*this);
    if (!SaveSteps::Save(MapSave::FindValueWithoutByteForm(job), MapSave::PlanWrite(job)))
        return;
    DrawPalette();
    Dialogs::Inform(SavedMessage);
    Changed = false;
}

void MainForm::mnuSaveAs_Click()
{
    if (!MapLoaded)
        return;
    CommonDialog &boxes = Forms::Splash().Boxes;
    boxes.DialogTitle = QStringLiteral("Tovrane - Save ROM File As");
    if (!boxes.ShowSave() || boxes.FileName.isEmpty())
        return;
    const QString target = boxes.FileName;
    const QString current = QString::fromStdString(Defines::RomPath);

    // Any file there is asked about, also one this user cannot read: it would be replaced.
    if (QFileInfo::exists(target)) {
        if (!Dialogs::Ask(QStringLiteral("This file already exists. Overwrite it?")))
            return;
    }
    // The copy holds the same bytes, so a map that does not fit this ROM would not fit it
    // either: nothing is copied then. The ROM is only read here: a ROM the user may not
    // write can still be saved as another file, whose own opening is checked by the write.
    if (!SaveAllowed() || !SaveSteps::Fits(MapSave::PlanWrite(CurrentJob(*this)), RomFile::Mode::Read))
        return;

    // Saving as the current ROM writes into it as Save does; it is never deleted first.
    if (!SameFile(target, current)) {
        try {
            MapSave::CopyRom(Defines::RomPath, target.toStdString());
        } catch (const RomError &e) {
            Dialogs::Error(QString::fromStdString(e.what()));
            return;
        }
    }
    Defines::RomPath = target.toStdString();
    Defines::RomSize = RomFiles::SizeOf(Defines::RomPath);
    if (!WriteMapTo(Defines::RomPath))
        return;
    DrawPalette();
    Dialogs::Inform(SavedMessage);
    Changed = false;
}

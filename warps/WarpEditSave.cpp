// Save: the records of the current mode back into the ROM.
#include "WarpEditForm.h"

#include "core/Backup.h"
#include "core/Defines.h"
#include "core/RomFile.h"
#include "core/ui/Dialogs.h"

#include <QLineEdit>

namespace {

const QString SavedMessage = QStringLiteral("Your changes to the warps have been saved!");

} // namespace

void WarpEditForm::Command1_Click()
{
    WarpRecords::SaveJob job;
    job.mode = CurrentMode();
    job.row = TableRow;
    job.Count = WarpCount;
    for (int r = 0; r <= WarpRecords::Capacity; ++r)
        for (int k = 0; k < 5; ++k)
            job.Data[size_t(r)][size_t(k)] = WarpData[r][k];
    job.SelWarp = SelWarp;
    if (job.mode == WarpRecords::Mode::Warps) {
        job.ToMapText = ToMap->text().toStdString();
        job.ToPointText = ToPoint->text().toStdString();
    }

    // Every value is checked before anything is asked or written.
    const WarpRecords::SaveCheck check = WarpRecords::PlanSave(job);
    if (check.Problem) {
        Dialogs::Error(QString::fromStdString(*check.Problem));
        return;
    }
    if (Dialogs::Ask(QString::fromStdString(Backup::Question(Defines::RomPath)))) {
        const Backup::Result backup = Backup::BackupRom(Defines::RomPath, Defines::ProgramFolder);
        if (!backup.ok) {
            Dialogs::Error(QString::fromStdString(backup.message) + QStringLiteral("\nNothing was saved."));
            return;
        }
    }
    try {
        WarpRecords::WriteRecords(Defines::RomPath, check.Plan);
    } catch (const RomError &e) {
        Dialogs::Error(QString::fromStdString(e.what()));
        return;
    }
    // The selected warp keeps the destination it was saved with.
    if (check.Plan.DestinationPoint && check.Plan.DestinationMap) {
        WarpData[SelWarp][3] = *check.Plan.DestinationPoint;
        WarpData[SelWarp][4] = *check.Plan.DestinationMap;
    }
    Dialogs::Inform(SavedMessage);
    Changed = false;
}

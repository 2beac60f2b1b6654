// Save: the records of the current mode back into the ROM.
#include "WarpEditForm.h"

#include "core/Defines.h"
#include "core/ui/Dialogs.h"
#include "core/ui/SaveSteps.h"

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
    if (!SaveSteps::Save(check.Problem, WarpRecords::PlanWrite(check.Plan)))
        return;
    // The selected warp keeps the destination it was saved with.
    if (check.Plan.DestinationPoint && check.Plan.DestinationMap) {
        WarpData[SelWarp][3] = *check.Plan.DestinationPoint;
        WarpData[SelWarp][4] = *check.Plan.DestinationMap;
    }
    Dialogs::Inform(SavedMessage);
    Changed = false;
}

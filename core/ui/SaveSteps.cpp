#include "SaveSteps.h"

#include "Dialogs.h"
#include "core/Backup.h"
#include "core/Defines.h"
#include "core/RomFile.h"
#include "core/WritePlan.h"

namespace SaveSteps {

bool Allowed(const std::optional<std::string> &problem)
{
    if (!problem)
        return true;
    Dialogs::Error(QString::fromStdString(*problem));
    return false;
}

bool Fits(const WritePlan &plan, RomFile::Mode mode)
{
    const auto problem = plan.Check(Defines::RomPath, Defines::RomSize, mode);
    if (problem)
        Dialogs::Error(QString::fromStdString(*problem));
    return !problem;
}

bool OfferBackup()
{
    if (!Dialogs::Ask(QString::fromStdString(Backup::Question(Defines::RomPath))))
        return true;
    const Backup::Result backup = Backup::BackupRom(Defines::RomPath, Defines::ProgramFolder);
    if (backup.ok)
        return true;
    Dialogs::Error(QString::fromStdString(backup.message) + QStringLiteral("\nNothing was saved."));
    return false;
}

bool Write(const std::function<void()> &write)
{
    try {
        write();
    } catch (const RomError &e) {
        Dialogs::Error(QString::fromStdString(e.what()));
        return false;
    }
    return true;
}

bool Save(const std::optional<std::string> &problem, const WritePlan &plan)
{
    return Allowed(problem) && Fits(plan) && OfferBackup()
           && Write([&plan] { plan.WriteTo(Defines::RomPath); });
}

} // namespace SaveSteps

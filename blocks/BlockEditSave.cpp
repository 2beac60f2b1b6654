// Save: the edited block into BlockTiles and the tileset's whole block table into the ROM.
#include "BlockEditForm.h"

#include "blocks/model/BlocksetWrite.h"
#include "core/Defines.h"
#include "core/ui/Dialogs.h"
#include "core/ui/SaveSteps.h"

void BlockEditForm::SaveBlock_Click()
{
    if (!EditingTilesetBlock()) {
        Dialogs::Error(QStringLiteral("Tileset %1 has no blocks (its last block number is %2); nothing was saved.")
                           .arg(Defines::CurTileset)
                           .arg(Defines::LastBlock));
        return;
    }
    BlocksetWrite::Block buffer;
    for (int j = 0; j < 16; ++j)
        buffer[std::size_t(j)] = CurBlock[j];
    const auto table = BlocksetWrite::TableWith(Defines::LastBlock, SelBlock, buffer);

    // Every value and the table's place are checked before anything is asked or written.
    if (!SaveSteps::Allowed(BlocksetWrite::FindValueWithoutByteForm(table)))
        return;
    std::string problem;
    const auto position = BlocksetWrite::TablePosition(problem);
    if (!position) {
        Dialogs::Error(QString::fromStdString(problem));
        return;
    }
    // On a failure BlockTiles keeps what the ROM holds, and the edits stay in the buffer
    // for another try.
    if (!SaveSteps::Save(std::nullopt, BlocksetWrite::PlanWrite(*position, table)))
        return;

    for (int j = 0; j < 16; ++j)
        Defines::BlockTiles[SelBlock][j] = CurBlock[j];
    RefreshBlocks();
    Changed = false;
}

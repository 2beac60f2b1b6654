// Save of the building block editor: the whole block table and nothing else is
// rewritten, the main window shows the block, and a failure changes nothing.
#include "UiHarness.h"

#include "blocks/BlockEditForm.h"
#include "core/ui/ScrollBar.h"
#include "core/ui/ShapeControl.h"
#include "pictures/TilePictures.h"

#include <QAction>
#include <QPushButton>

#include <filesystem>

namespace {

BlockEditForm &openEditor(UiHarness &h)
{
    h.main().mnuBlockEdit->trigger();
    return *static_cast<BlockEditForm *>(Forms::BlockEdit());
}

// Puts tile t at position j of the block in palette slot k.
void place(BlockEditForm &e, int k, int t, int j)
{
    UiHarness::pressCell(e.SideBlock, 16 * k);
    UiHarness::pressCell(e.TileSel, t);
    UiHarness::pressCell(e.Block, j);
}

QString backupQuestion(const std::string &rom)
{
    return QStringLiteral("Make a backup of the ROM (%1.BAK)?").arg(QString::fromStdString(rom));
}

} // namespace

class BlockSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void saveRewritesTheWholeTableAndTheMainWindowShowsIt()
    {
        UiHarness h;
        QVERIFY(h.start());
        const std::int64_t P = h.game.tilesets[0].blocksetPos;
        // A block the ROM holds differently from BlockTiles: the save puts BlockTiles back.
        auto before = h.game.rom;
        TestFiles::Poke(before, P + 16 * 7 + 2, 90);
        h.folder->writeBytes("game.gb", before);

        BlockEditForm &e = openEditor(h);
        e.Scroll->setValue(2);
        place(e, 1, 42, 4); // dropped: only the buffer at the press of Save counts
        place(e, 3, 0, 0);  // block 5: a zero tile
        UiHarness::pressCell(e.TileSel, 42);
        UiHarness::pressCell(e.Block, 15);
        h.dialogs.answerNo();
        QTest::mouseClick(e.SaveBlock, Qt::LeftButton);
        QCOMPARE(h.dialogs.texts(), QStringList({backupQuestion(h.romPath)})); // no confirmation
        QVERIFY(!e.Changed);
        QCOMPARE(Defines::BlockTiles[5][15], 42);
        QCOMPARE(e.SideBlock->picture(48 + 15), TilePictures::TilesetTile(42));

        auto expected = h.game.rom;
        TestFiles::Poke(expected, P + 16 * 5, 0);
        TestFiles::Poke(expected, P + 16 * 5 + 15, 42);
        QCOMPARE(TestFiles::ReadBytes(h.romPath), expected);
        QVERIFY(!TestFiles::Exists(h.romPath + ".BAK"));

        // A second save with a backup: the backup holds the ROM as the first save left it.
        h.dialogs.answerYes();
        e.SaveBlock_Click();
        QCOMPARE(TestFiles::ReadBytes(h.romPath + ".BAK"), expected);

        h.dialogs.clear();
        e.window()->close();
        QVERIFY(h.dialogs.asked().isEmpty());
        QVERIFY(h.main().Visible());
        QCOMPARE(h.main().SideBlock->picture(16 * 5 + 15), TilePictures::TilesetTile(42));
    }

    void failuresWriteNothingAndKeepTheEdits()
    {
        UiHarness h;
        QVERIFY(h.start());
        BlockEditForm &e = openEditor(h);
        place(e, 1, 42, 0);
        auto expectUnsaved = [&](const QString &inMessage) {
            QCOMPARE(h.dialogs.asked().last().kind, ScriptedDialogs::Kind::Error);
            QVERIFY2(h.dialogs.asked().last().text.contains(inMessage), qPrintable(h.dialogs.asked().last().text));
            QVERIFY(e.Changed);
            QCOMPARE(int(e.CurBlock[0]), 42);
            QCOMPARE(Defines::BlockTiles[1][0], 1);
            h.dialogs.clear();
        };

        // A tile number without byte form: refused before the backup question.
        Defines::BlockTiles[9][4] = 300;
        e.SaveBlock_Click();
        QCOMPARE(h.dialogs.asked().size(), 1);
        expectUnsaved(QStringLiteral("Block 9"));
        Defines::BlockTiles[9][4] = 13;

        // A table that would run past the end of the ROM.
        Defines::TilesetTable[0][5] = Cell::number(std::int64_t(h.game.rom.size()) - 100);
        h.dialogs.answerNo();
        e.SaveBlock_Click();
        expectUnsaved(QStringLiteral("past the end of the file"));
        QCOMPARE(TestFiles::ReadBytes(h.romPath), h.game.rom);
        Defines::TilesetTable[0][5] = Cell::number(h.game.tilesets[0].blocksetPos);

        // No ROM: the backup fails, then the write fails.
        std::filesystem::remove(h.romPath);
        h.dialogs.answerYes();
        e.SaveBlock_Click();
        expectUnsaved(QStringLiteral("Nothing was saved."));
        h.dialogs.answerNo();
        e.SaveBlock_Click();
        expectUnsaved(QString::fromStdString(h.romPath));
        QVERIFY(!TestFiles::Exists(h.romPath));

        // With the ROM back the same edits save.
        h.folder->writeBytes("game.gb", h.game.rom);
        h.dialogs.answerNo();
        e.SaveBlock_Click();
        QVERIFY(!e.Changed);
        QCOMPARE(Defines::BlockTiles[1][0], 42);
    }

    void aSmallTilesetWritesOnlyItsBlocks()
    {
        UiHarness h;
        QVERIFY(h.start());
        Defines::LastBlock = 1;
        BlockEditForm &e = openEditor(h);
        QVERIFY(e.SideBlock->cellVisible(31) && !e.SideBlock->cellVisible(32));
        e.SideBlock_MouseDown(40, 1, 0, 0, 0); // an empty slot selects nothing
        QCOMPARE(e.SelBorder->Top(), 120);
        place(e, 1, 0, 3);
        h.dialogs.answerNo();
        e.SaveBlock_Click();
        auto expected = h.game.rom;
        TestFiles::Poke(expected, h.game.tilesets[0].blocksetPos + 16 + 3, 0);
        QCOMPARE(TestFiles::ReadBytes(h.romPath), expected);

        // No blocks at all: nothing to edit, nothing asked or written.
        e.window()->close();
        Defines::LastBlock = -1;
        openEditor(h);
        h.dialogs.clear();
        e.SaveBlock_Click();
        QCOMPARE(h.dialogs.asked().size(), 1);
        QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Error);
        QCOMPARE(TestFiles::ReadBytes(h.romPath), expected);
    }
};

QTEST_MAIN(BlockSaveTest)
#include "block_save_test.moc"

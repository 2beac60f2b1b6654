#pragma once

#include "core/ui/Form.h"

#include <cstdint>

class CellGrid;
class ImageControl;
class LineControl;
class QLabel;
class QPushButton;
class ScrollBar;
class ShapeControl;

// The window BlockEdit: recomposes the building blocks of the current tileset from
// its tiles. Edits go into the edit buffer CurBlock; only Save puts the block into
// BlockTiles and rewrites the tileset's block table in the ROM. It never reads the ROM.
class BlockEditForm : public Form
{
    Q_OBJECT
public:
    BlockEditForm();

    // --- Variables of the window (kept while it is unloaded; every opening sets them) ---
    std::int16_t SelTile = 0;      // the chosen tile
    std::int16_t SelBlock = 0;     // the block being edited: Scroll value + selected slot
    std::int16_t CurBlock[16] = {}; // edit buffer, position j = 4 x tile row + tile column
    bool Changed = false;          // a tile was placed and not saved

    // --- Controls (null while the window is unloaded) ---
    CellGrid *SideBlock = nullptr;  // 64 cells: palette slot k, tile position j is cell 16k + j
    ShapeControl *Shape3 = nullptr;
    LineControl *Line[34] = {};     // Line1..Line33 (Line[0] unused)
    ShapeControl *SelBorder = nullptr;
    ScrollBar *Scroll = nullptr;
    CellGrid *Block = nullptr;      // 16 cells of the edited block
    ShapeControl *Shape1 = nullptr;
    CellGrid *TileSel = nullptr;    // 160 chooser cells, cell i shows tile i
    ShapeControl *Shape4 = nullptr;
    ShapeControl *TileBorder = nullptr;
    ImageControl *BigTile = nullptr;
    ShapeControl *Shape2 = nullptr;
    QLabel *BlockHex = nullptr;
    QLabel *TileHex = nullptr;
    QPushButton *SaveBlock = nullptr;

    // --- Procedures and handlers ---
    void RefreshBlocks();
    void SideBlock_MouseDown(int Index, int Button, int Shift, int X, int Y);
    void Scroll_Change();
    void Block_MouseDown(int Index, int Button, int Shift, int X, int Y);
    void TileSel_MouseDown(int Index, int Button, int Shift, int X, int Y);
    void SaveBlock_Click();

protected:
    void CreateControls() override;
    void ControlsDestroyed() override;
    void Form_Load() override;
    void Form_Unload(int &Cancel) override;
    void Form_Activate() override;

private:
    // Makes tile t the chosen tile: frame, enlarged tile and label.
    void ChooseTile(int t);
    bool EditingTilesetBlock() const;
};

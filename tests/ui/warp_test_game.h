#pragma once

// Warps and warp-to points laid into the synthetic game of the window tests, and the
// warp editor opened as a user opens it.

#include "UiHarness.h"

#include "core/ui/Twips.h"
#include "warps/WarpEditForm.h"
#include "core/ui/ImageControl.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <sstream>

using WarpBytes = std::array<std::uint8_t, 4>;

// Pallet Town (map 0, 10 x 9 blocks) unless said otherwise; records in free ROM space.
struct WarpMapSetup
{
    int map = 0;
    std::int64_t borderPos = 0x18001;
    std::vector<WarpBytes> warps;   // y, x, destination point, destination map
    int countByte = -1;             // -1: the number of warps
    std::int64_t warpToPos = 0x18101;
    std::vector<WarpBytes> warpTos; // placement low, high, y, x
    std::int64_t adjust = 0, xOffset = 0, yOffset = 0;
};

// Puts the records into the ROM and the columns into the map tables. Before h.start().
inline void LayWarps(UiHarness &h, const WarpMapSetup &s)
{
    for (SyntheticCategory &c : h.game.categories)
        for (size_t k = 0; k < c.maps.size(); ++k)
            if (c.first + int(k) == s.map)
                c.maps[k].borderPos = s.borderPos;
    std::vector<std::uint8_t> &rom = h.game.rom;
    // Records may run past the end of the file; those bytes are simply not there.
    auto poke = [&rom](std::int64_t p, std::uint8_t v) {
        if (p >= 1 && p <= std::int64_t(rom.size()))
            TestFiles::Poke(rom, p, v);
    };
    poke(s.borderPos + 1, std::uint8_t(s.countByte >= 0 ? s.countByte : int(s.warps.size())));
    for (size_t i = 0; i < 4 * s.warps.size(); ++i)
        poke(s.borderPos + 2 + std::int64_t(i), s.warps[i / 4][i % 4]);
    for (size_t i = 0; i < 4 * s.warpTos.size(); ++i)
        poke(s.warpToPos + std::int64_t(i), s.warpTos[i / 4][i % 4]);

    // The map's line ends in columns 10..17 after its quoted comment.
    std::istringstream in(h.game.mapTableText());
    std::string out, line;
    while (std::getline(in, line)) {
        if (line.rfind(std::to_string(s.map) + ",\"", 0) == 0) {
            std::ostringstream tail;
            tail << ',' << s.warpToPos << ',' << s.adjust << ",#TRUE#," << s.warpTos.size() << ',' << s.xOffset
                 << ',' << s.yOffset << ",1,#TRUE#";
            line = line.substr(0, line.rfind('"') + 1) + tail.str();
        }
        out += line + '\n';
    }
    h.folder->writeText("MapsR.tvr", out);
    h.folder->writeText("MapsB.tvr", out);
    h.folder->writeBytes("game.gb", rom);
}

inline WarpEditForm &OpenWarpEditor()
{
    Forms::Main().mnuWarpEdit->trigger();
    return *static_cast<WarpEditForm *>(Forms::WarpEdit());
}

// A press where the user points, on whatever control lies on top there.
inline void PressAt(QWidget *client, QPoint point, Qt::MouseButton button = Qt::LeftButton)
{
    QCoreApplication::processEvents(); // the cell grid's mask follows its cells a turn later
    QWidget *target = client->childAt(point);
    QVERIFY2(target, "nothing to press there");
    QTest::mouseClick(target, button, Qt::NoModifier, target->mapFrom(client, point));
}

// The upper left corner (twips) of the symbol of record k.
inline QPoint SymbolAt(const WarpEditForm &w, int k)
{
    return QPoint(w.WarpSym[k]->Left(), w.WarpSym[k]->Top());
}

inline QPoint Square(int x, int y)
{
    return QPoint(120 + 480 * x, 120 + 480 * y);
}

#include "WarpSymbols.h"

#include <QColor>

namespace {

constexpr int Size = 33;
const QRgb White = qRgb(255, 255, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Black = qRgb(0, 0, 0);

// A 5-pixel-wide letter, rows from the top of the capitals; lower-case letters stand
// on the same base line (row 6) and p reaches two rows below it.
struct Glyph
{
    char letter;
    const char *rows[9];
};

const Glyph Glyphs[] = {
    {'W', {"X...X", "X...X", "X...X", "X.X.X", "X.X.X", "XX.XX", "X...X", ".....", "....."}},
    {'a', {".....", ".....", ".XXX.", "....X", ".XXXX", "X...X", ".XXXX", ".....", "....."}},
    {'r', {".....", ".....", "X.XX.", "XX..X", "X....", "X....", "X....", ".....", "....."}},
    {'p', {".....", ".....", "XXXX.", "X...X", "X...X", "X...X", "XXXX.", "X....", "X...."}},
    {'T', {"XXXXX", "..X..", "..X..", "..X..", "..X..", "..X..", "..X..", ".....", "....."}},
    {'o', {".....", ".....", ".XXX.", "X...X", "X...X", "X...X", ".XXX.", ".....", "....."}},
};

const Glyph *Find(char letter)
{
    for (const Glyph &g : Glyphs)
        if (g.letter == letter)
            return &g;
    return nullptr;
}

// Writes a word centred across the picture with its capitals' top at row `top`.
void Word(QImage &image, const char *word, int top)
{
    int letters = 0;
    for (const char *c = word; *c; ++c)
        ++letters;
    const int width = 6 * letters - 1;
    int left = (Size - width) / 2;
    for (const char *c = word; *c; ++c, left += 6) {
        const Glyph *g = Find(*c);
        if (!g)
            continue;
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 5; ++x)
                if (g->rows[y][x] == 'X')
                    image.setPixel(left + x, top + y, Red);
    }
}

QImage Draw(bool warpTo, bool selected)
{
    QImage image(Size, Size, QImage::Format_RGB888);
    image.fill(White);
    if (warpTo) {
        Word(image, "Warp", 6);
        Word(image, "To", 19);
    } else {
        Word(image, "Warp", 12);
    }
    const QRgb frame = selected ? Red : Black;
    for (int i = 0; i < Size; ++i) {
        image.setPixel(i, 0, frame);
        image.setPixel(i, Size - 1, frame);
        image.setPixel(0, i, frame);
        image.setPixel(Size - 1, i, frame);
    }
    return image;
}

} // namespace

namespace WarpSymbols {

const QImage &WarpNon()
{
    static const QImage image = Draw(false, false);
    return image;
}

const QImage &WarpSel()
{
    static const QImage image = Draw(false, true);
    return image;
}

const QImage &WarpToNon()
{
    static const QImage image = Draw(true, false);
    return image;
}

const QImage &WarpToSel()
{
    static const QImage image = Draw(true, true);
    return image;
}

} // namespace WarpSymbols

#include "Logo.h"

#include "pictures/TileStore.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace Logo {

QPixmap Picture(int widthPixels, int heightPixels)
{
    QPixmap pixmap(widthPixels, heightPixels);
    const auto &shades = TileStore::Shades();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // A checker of the four tile shades, like a map seen from above.
    const int cell = 16;
    for (int y = 0; y < heightPixels; y += cell)
        for (int x = 0; x < widthPixels; x += cell)
            p.fillRect(x, y, cell, cell, QColor(shades[size_t(((x / cell) + (y / cell)) % 2)]));

    QLinearGradient band(0, 0, 0, heightPixels);
    band.setColorAt(0, QColor(255, 51, 0, 230));
    band.setColorAt(1, QColor(160, 20, 0, 230));
    const QRect bandRect(0, heightPixels / 4, widthPixels, heightPixels / 2);
    p.fillRect(bandRect, band);

    QFont font(QStringLiteral("Sans Serif"));
    font.setBold(true);
    font.setPixelSize(heightPixels / 4);
    p.setFont(font);
    p.setPen(QColor(shades[0]));
    p.drawText(bandRect, Qt::AlignCenter, QStringLiteral("Tovrane"));
    p.setPen(QColor(shades[3]));
    p.drawRect(0, 0, widthPixels - 1, heightPixels - 1);
    return pixmap;
}

QIcon WindowIcon()
{
    QPixmap pixmap(32, 32);
    const auto &shades = TileStore::Shades();
    QPainter p(&pixmap);
    // A 2 x 2 block of tiles with a red corner: a building block.
    p.fillRect(0, 0, 32, 32, QColor(shades[1]));
    p.fillRect(0, 0, 16, 16, QColor(255, 51, 0));
    p.fillRect(16, 16, 16, 16, QColor(shades[2]));
    p.setPen(QColor(shades[3]));
    p.drawRect(0, 0, 31, 31);
    p.drawLine(16, 0, 16, 31);
    p.drawLine(0, 16, 31, 16);
    return QIcon(pixmap);
}

} // namespace Logo

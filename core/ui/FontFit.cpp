#include "FontFit.h"

#include <QFontMetrics>
#include <QRect>

#include <functional>

namespace {

constexpr int SmallestPixels = 8;

QFont Shrink(QFont font, const std::function<bool(const QFont &)> &fits)
{
    if (font.pixelSize() <= 0)
        font.setPixelSize(QFontMetrics(font).height());
    while (font.pixelSize() > SmallestPixels && !fits(font))
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

} // namespace

namespace FontFit {

QFont ForLines(const QFont &base, const QStringList &texts, int width)
{
    return Shrink(base, [&](const QFont &font) {
        const QFontMetrics metrics(font);
        for (const QString &text : texts)
            if (metrics.horizontalAdvance(text) > width)
                return false;
        return true;
    });
}

QFont ForBox(const QFont &base, const QString &text, int width, int height)
{
    return Shrink(base, [&](const QFont &font) {
        return QFontMetrics(font).boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text).height() <= height;
    });
}

} // namespace FontFit

#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// Our font is wider than the one the windows' layouts were drawn with; a caption that
// would not fit its place gets a smaller font, never smaller than 8 pixels.
namespace FontFit {

// The largest size (from base's size down) at which each text fits `width` on one line.
QFont ForLines(const QFont &base, const QStringList &texts, int width);
// The largest size at which `text`, wrapped at words, fits width x height.
QFont ForBox(const QFont &base, const QString &text, int width, int height);

} // namespace FontFit

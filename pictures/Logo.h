#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures: the logo of the start-up and About windows and the
// window icon, drawn by the program (no artwork is shipped).
namespace Logo {

QPixmap Picture(int widthPixels, int heightPixels);
QIcon WindowIcon();

} // namespace Logo

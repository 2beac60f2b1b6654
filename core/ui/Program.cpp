#include "Program.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

namespace Program {

namespace {

bool g_ended = false;
std::function<void()> g_handler;

void defaultEnd()
{
    // Windows go without their close steps; exit() only matters once exec() runs,
    // which is why main() checks Ended() before starting the loop.
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget *w : windows)
            w->hide();
    }
    QCoreApplication::exit(0);
}

} // namespace

void End()
{
    g_ended = true;
    if (g_handler)
        g_handler();
    else
        defaultEnd();
}

bool Ended()
{
    return g_ended;
}

void ResetEnded()
{
    g_ended = false;
}

void setEndHandler(std::function<void()> handler)
{
    g_handler = std::move(handler);
}

} // namespace Program

#include "app/Forms.h"
#include "app/StartUp.h"
#include "core/Defines.h"
#include "core/ui/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tovrane"));
    Defines::ProgramFolder = QCoreApplication::applicationDirPath().toStdString();

    Forms::CreateAll();
    Defines::Main();
    int code = 0;
    if (!Program::Ended())
        code = app.exec();
    Forms::DestroyAll();
    return code;
}

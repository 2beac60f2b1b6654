#include "Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace Dialogs {

namespace {
DialogBackend *g_installed = nullptr;
}

DialogBackend &backend()
{
    static QtDialogBackend qtBackend;
    return g_installed ? *g_installed : qtBackend;
}

void setBackend(DialogBackend *backend)
{
    g_installed = backend;
}

} // namespace Dialogs

namespace {

QWidget *dialogParent()
{
    return QApplication::activeWindow();
}

int showBox(QMessageBox::Icon icon, const QString &text, QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, QString::fromLatin1(Dialogs::Title), text, buttons, dialogParent());
    // Messages carry paths and names from the data files: shown as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

// Where a file dialog opens: a file name that carries a folder opens in that folder
// (so Save As starts beside the current ROM); otherwise the initial folder is used.
QString startPath(const QString &initDir, const QString &fileName)
{
    if (fileName.isEmpty())
        return initDir;
    const QString native = QDir::fromNativeSeparators(fileName);
    const QFileInfo info(native);
    if (native.contains(QLatin1Char('/')))
        return info.absoluteFilePath();
    return initDir.isEmpty() ? info.fileName() : QDir(initDir).filePath(info.fileName());
}

} // namespace

bool QtDialogBackend::question(const QString &text)
{
    return showBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

void QtDialogBackend::information(const QString &text)
{
    showBox(QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogBackend::warning(const QString &text)
{
    showBox(QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogBackend::error(const QString &text)
{
    showBox(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

QString QtDialogBackend::openFile(const QString &title, const QString &initDir, const QString &fileName)
{
    return QFileDialog::getOpenFileName(dialogParent(), title, startPath(initDir, fileName), QString());
}

QString QtDialogBackend::saveFile(const QString &title, const QString &initDir, const QString &fileName)
{
    // The program asks its own overwrite question.
    return QFileDialog::getSaveFileName(dialogParent(), title, startPath(initDir, fileName), QString(),
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

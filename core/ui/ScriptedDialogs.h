#pragma once

#include "Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

// A dialog backend for tests: answers from a script, in order, and records
// exactly what was asked. An unexpected question is recorded and answered No
// (a file dialog: cancel), so a test sees it in asked() instead of hanging.
class ScriptedDialogs : public DialogBackend
{
public:
    enum class Kind { Question, Information, Warning, Error, Open, Save };

    struct Asked
    {
        Kind kind;
        QString text;     // message text, or the dialog title
        QString initDir;  // file dialogs only
        QString fileName; // file dialogs only: the file name the dialog started with
    };

    // Script the next answers.
    void answerYes();
    void answerNo();
    void answerFile(const QString &path); // an Open or Save As dialog chooses this path
    void answerCancel();                  // an Open or Save As dialog is cancelled

    const QList<Asked> &asked() const { return m_asked; }
    QStringList texts() const;            // the texts of everything asked, in order
    int pending() const { return int(m_answers.size()); }
    int unexpected() const { return m_unexpected; }
    void clear();

    bool question(const QString &text) override;
    void information(const QString &text) override;
    void warning(const QString &text) override;
    void error(const QString &text) override;
    QString openFile(const QString &title, const QString &initDir, const QString &fileName) override;
    QString saveFile(const QString &title, const QString &initDir, const QString &fileName) override;

private:
    struct Answer
    {
        enum Type { Yes, No, File, Cancel } type;
        QString path;
    };
    bool takeYesNo();
    QString takeFile();

    QList<Answer> m_answers;
    QList<Asked> m_asked;
    int m_unexpected = 0;
};

// Installs a scripted backend for the lifetime of the guard.
class ScriptedDialogsGuard
{
public:
    explicit ScriptedDialogsGuard(ScriptedDialogs &dialogs) { Dialogs::setBackend(&dialogs); }
    ~ScriptedDialogsGuard() { Dialogs::setBackend(nullptr); }
};

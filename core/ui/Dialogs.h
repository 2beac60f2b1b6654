#pragma once

#include <QString>

// Every message box and file dialog of the program goes through one backend, so
// that tests can answer them. Message boxes carry the title "Tovrane".
class DialogBackend
{
public:
    virtual ~DialogBackend() = default;

    // Yes/No question with the question icon, Yes the default. True for Yes.
    virtual bool question(const QString &text) = 0;
    // OK box with the information icon (confirmations after a save).
    virtual void information(const QString &text) = 0;
    // OK box with the warning icon (something amiss that the program carries on past).
    virtual void warning(const QString &text) = 0;
    // OK box with the critical icon (a failure the user must know of).
    virtual void error(const QString &text) = 0;
    // Open / Save As dialogs. They return the chosen full path, or an empty text on cancel.
    virtual QString openFile(const QString &title, const QString &initDir, const QString &fileName) = 0;
    virtual QString saveFile(const QString &title, const QString &initDir, const QString &fileName) = 0;
};

namespace Dialogs {

constexpr const char *Title = "Tovrane";

// The backend in use; a QtDialogBackend unless a test installed another.
DialogBackend &backend();
// Installs a backend (not owned); nullptr goes back to the Qt one.
void setBackend(DialogBackend *backend);

inline bool Ask(const QString &text) { return backend().question(text); }
inline void Inform(const QString &text) { backend().information(text); }
inline void Warn(const QString &text) { backend().warning(text); }
inline void Error(const QString &text) { backend().error(text); }

// The question every window asks before dropping unsaved changes.
inline bool AskDiscard() { return Ask(QStringLiteral("Discard the changes you have made?")); }

} // namespace Dialogs

// Real message boxes and file dialogs.
class QtDialogBackend : public DialogBackend
{
public:
    bool question(const QString &text) override;
    void information(const QString &text) override;
    void warning(const QString &text) override;
    void error(const QString &text) override;
    QString openFile(const QString &title, const QString &initDir, const QString &fileName) override;
    QString saveFile(const QString &title, const QString &initDir, const QString &fileName) override;
};

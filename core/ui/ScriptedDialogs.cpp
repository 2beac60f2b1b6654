#include "ScriptedDialogs.h"

void ScriptedDialogs::answerYes()
{
    m_answers.append({Answer::Yes, QString()});
}

void ScriptedDialogs::answerNo()
{
    m_answers.append({Answer::No, QString()});
}

void ScriptedDialogs::answerFile(const QString &path)
{
    m_answers.append({Answer::File, path});
}

void ScriptedDialogs::answerCancel()
{
    m_answers.append({Answer::Cancel, QString()});
}

QStringList ScriptedDialogs::texts() const
{
    QStringList out;
    for (const Asked &a : m_asked)
        out << a.text;
    return out;
}

void ScriptedDialogs::clear()
{
    m_answers.clear();
    m_asked.clear();
    m_unexpected = 0;
}

// A mismatched answer stays queued for the call it was meant for.
bool ScriptedDialogs::takeYesNo()
{
    if (!m_answers.isEmpty()) {
        const Answer::Type t = m_answers.first().type;
        if (t == Answer::Yes || t == Answer::No) {
            m_answers.removeFirst();
            return t == Answer::Yes;
        }
    }
    ++m_unexpected;
    return false;
}

QString ScriptedDialogs::takeFile()
{
    if (!m_answers.isEmpty()) {
        const Answer a = m_answers.first();
        if (a.type == Answer::File || a.type == Answer::Cancel) {
            m_answers.removeFirst();
            return a.type == Answer::File ? a.path : QString();
        }
    }
    ++m_unexpected;
    return QString();
}

bool ScriptedDialogs::question(const QString &text)
{
    m_asked.append({Kind::Question, text, QString(), QString()});
    return takeYesNo();
}

void ScriptedDialogs::information(const QString &text)
{
    m_asked.append({Kind::Information, text, QString(), QString()});
}

void ScriptedDialogs::warning(const QString &text)
{
    m_asked.append({Kind::Warning, text, QString(), QString()});
}

void ScriptedDialogs::error(const QString &text)
{
    m_asked.append({Kind::Error, text, QString(), QString()});
}

QString ScriptedDialogs::openFile(const QString &title, const QString &initDir, const QString &fileName)
{
    m_asked.append({Kind::Open, title, initDir, fileName});
    return takeFile();
}

QString ScriptedDialogs::saveFile(const QString &title, const QString &initDir, const QString &fileName)
{
    m_asked.append({Kind::Save, title, initDir, fileName});
    return takeFile();
}

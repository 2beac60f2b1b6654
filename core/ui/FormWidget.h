#pragma once

#include <QWidget>

class Form;

// The top-level window of a loaded Form. Its close box does not close it: the
// form decides (Form_Unload may refuse), so the event is always ignored here.
class FormWidget : public QWidget
{
    Q_OBJECT
public:
    explicit FormWidget(Form *form);

    Form *form() const { return m_form; }
    // The form has let go of this window (it is being unloaded).
    void detach() { m_form = nullptr; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Form *m_form;
};

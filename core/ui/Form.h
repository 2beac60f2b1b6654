#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QMenuBar;
class QWidget;
class FormWidget;

// A window of the program. The object lives for the whole run and keeps its own
// variables; loading builds its controls (CreateControls) and runs Form_Load, and
// unloading destroys only the controls. Windows are shown and hidden through
// Visible: setting it to true first loads a window that is not loaded.
class Form : public QObject
{
    Q_OBJECT
public:
    enum class Style {
        Fixed,        // fixed single border, title bar with a close box
        FixedNoClose, // fixed single border, title bar, no control box
        Borderless    // no border and no title bar, not in the task bar
    };

    explicit Form(const QString &name);
    ~Form() override;

    bool Loaded() const;
    bool Visible() const;
    // Visible = true loads the window when needed, shows it centred (the first
    // time) and runs Form_Activate; Visible = false loads it when needed and hides it.
    void setVisible(bool visible);

    // Loads the window when it is not loaded (controls built, Form_Load run), hidden.
    void Load();
    // Runs Form_Unload; unless it refuses, hides the window and destroys its controls.
    // Returns false when the close was refused.
    bool Unload();
    // Destroys the controls without asking Form_Unload (the program is ending).
    void Destroy();

    // The window and the area below its menu bar where controls stand; null when unloaded.
    QWidget *window() const;
    QWidget *client() const;
    QMenuBar *menuBar();

    // The user pressed the window's close box.
    void closeBoxPressed();

protected:
    // Window properties, used by Load.
    void setCaption(const QString &caption);
    void setStyle(Style style) { m_style = style; }
    void setClientSize(int widthTwips, int heightTwips);
    void setHasMinimizeButton(bool on) { m_minimize = on; }

    // Builds the controls with their stored properties on client().
    virtual void CreateControls() = 0;
    // The controls are gone: drop every pointer to them.
    virtual void ControlsDestroyed() {}
    virtual void Form_Load() {}
    // Set Cancel to 1 to refuse the close.
    virtual void Form_Unload(int &Cancel) { Q_UNUSED(Cancel); }
    virtual void Form_Activate() {}

private:
    void applyClientSize();
    void tearDown();

    QString m_caption;
    Style m_style = Style::Fixed;
    int m_clientWidth = 0;  // twips
    int m_clientHeight = 0; // twips
    bool m_minimize = false;
    bool m_loading = false;
    bool m_unloading = false;
    bool m_placed = false; // centred since the last load
    QPointer<FormWidget> m_widget;
    QWidget *m_client = nullptr;
    QMenuBar *m_menuBar = nullptr;
};

#include "Form.h"

#include "FormWidget.h"
#include "Program.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

FormWidget::FormWidget(Form *form)
    : QWidget(nullptr)
    , m_form(form)
{
}

void FormWidget::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (m_form)
        m_form->closeBoxPressed();
}

namespace {

// Clears a flag when the step that set it ends, also through an exception.
class FlagScope
{
public:
    explicit FlagScope(bool &flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope &) = delete;
    FlagScope &operator=(const FlagScope &) = delete;

private:
    bool &m_flag;
};

Qt::WindowFlags flagsFor(Form::Style style, bool minimize)
{
    switch (style) {
    case Form::Style::Fixed: {
        Qt::WindowFlags f = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
        if (minimize)
            f |= Qt::WindowMinimizeButtonHint;
        return f;
    }
    case Form::Style::FixedNoClose:
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
    case Form::Style::Borderless:
        return Qt::SplashScreen | Qt::FramelessWindowHint;
    }
    return Qt::Window;
}

} // namespace

Form::Form(const QString &name)
{
    setObjectName(name);
}

Form::~Form()
{
    // The program is ending: the window goes with its form, no close step.
    if (m_widget) {
        m_widget->detach();
        delete m_widget.data();
    }
}

bool Form::Loaded() const
{
    return !m_widget.isNull();
}

bool Form::Visible() const
{
    return m_widget && m_widget->isVisible();
}

QWidget *Form::window() const
{
    return m_widget.data();
}

QWidget *Form::client() const
{
    return m_widget ? m_client : nullptr;
}

QMenuBar *Form::menuBar()
{
    if (!m_widget)
        return nullptr;
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(m_widget);
        // The layout keeps the window's fixed height equal to menu bar plus client area.
        m_widget->layout()->setMenuBar(m_menuBar);
    }
    return m_menuBar;
}

void Form::setCaption(const QString &caption)
{
    m_caption = caption;
    if (m_widget)
        m_widget->setWindowTitle(caption);
}

void Form::setClientSize(int widthTwips, int heightTwips)
{
    m_clientWidth = widthTwips;
    m_clientHeight = heightTwips;
    applyClientSize();
}

void Form::applyClientSize()
{
    if (m_widget && m_client)
        m_client->setFixedSize(Twips::toPixels(m_clientWidth), Twips::toPixels(m_clientHeight));
}

void Form::Load()
{
    if (m_widget)
        return;
    // Only Program::End ends the program; a dialog closed while every window is
    // hidden (File > Open) must not end it.
    QGuiApplication::setQuitOnLastWindowClosed(false);

    auto *w = new FormWidget(this);
    w->setObjectName(objectName());
    w->setWindowTitle(m_caption);
    w->setWindowFlags(flagsFor(m_style, m_minimize));
    auto *layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_client = new QWidget(w);
    m_client->setObjectName(QStringLiteral("client"));
    // The layouts are in fixed pixel positions: a small font, like the one they were drawn with.
    QFont font = m_client->font();
    font.setPixelSize(11);
    m_client->setFont(font);
    layout->addWidget(m_client);
    m_widget = w;
    m_menuBar = nullptr;
    m_placed = false;
    applyClientSize();

    FlagScope loading(m_loading);
    CreateControls();
    // Form_Load may unload the window or end the program; callers check Loaded().
    if (m_widget)
        Form_Load();
}

void Form::setVisible(bool visible)
{
    if (!m_widget) {
        Load();
        if (!m_widget)
            return;
    }
    if (!visible) {
        m_widget->hide();
        return;
    }
    if (Program::Ended())
        return;

    const bool wasVisible = m_widget->isVisible();
    if (!wasVisible) {
        if (!m_placed) {
            m_widget->layout()->activate();
            m_widget->adjustSize();
            if (QScreen *screen = QGuiApplication::primaryScreen()) {
                const QRect area = screen->availableGeometry();
                const QSize size = m_widget->size();
                m_widget->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
            }
            m_placed = true;
        }
        m_widget->show(); // a newly shown window comes up on top
    } else {
        // The offscreen platform of the tests cannot raise a window.
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            m_widget->raise();
    }
    m_widget->activateWindow();
    if (!wasVisible)
        Form_Activate();
}

bool Form::Unload()
{
    if (!m_widget)
        return true;
    if (m_unloading)
        return false; // already deciding; the outer Unload finishes the job

    int cancel = 0;
    {
        FlagScope unloading(m_unloading);
        Form_Unload(cancel);
    }
    if (cancel != 0)
        return false;
    if (m_widget)
        tearDown();
    return true;
}

void Form::Destroy()
{
    if (m_widget)
        tearDown();
}

void Form::closeBoxPressed()
{
    // A window without a close box (the version chooser, About) cannot be closed by the
    // user at all, also not through the window manager: it hands over only by its button.
    if (m_unloading || m_style != Style::Fixed)
        return;
    Unload();
}

void Form::tearDown()
{
    FormWidget *w = m_widget.data();
    // Hidden while the controls still stand, so handlers run by the hiding find them.
    w->hide();
    if (!m_widget)
        return;
    m_widget = nullptr;
    m_client = nullptr;
    m_menuBar = nullptr;
    w->detach();
    // The controls live until the event loop deletes them; none may report anything more.
    const auto children = w->findChildren<QObject *>();
    for (QObject *child : children)
        child->blockSignals(true);
    ControlsDestroyed();
    w->deleteLater();
}

#include "common/ui/screen.h"

#include "common/ui/icons.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr quint32 lineColour = 0x00000000;

} // namespace

Screen::Screen(ScreenId id, Navigator &navigator, MessageService &messages)
    : QWidget(nullptr), m_id(id), m_navigator(navigator), m_messages(messages)
{
    setObjectName(designerName(id));
}

void Screen::Command39_Click()
{
    m_navigator.hideScreen(m_id);
    m_navigator.showScreen(ScreenId::Form5);
}

void Screen::setupWindow(QStringView caption, QSize clientTwips, quint32 background, WindowIcon icon,
                         WindowButtons buttons)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (buttons == WindowButtons::MinimiseAndClose)
        flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);
    setWindowTitle(caption.toString());
    setFixedSize(twipsToPixels(clientTwips));
    setAutoFillBackground(true);
    setDesignedColour(this, QPalette::Window, background);

    switch (icon) {
    case WindowIcon::Application:
        setWindowIcon(applicationIcon());
        break;
    case WindowIcon::Screen:
        setWindowIcon(screenIcon());
        break;
    case WindowIcon::None:
        setWindowIcon(noIcon());
        break;
    }
}

void Screen::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (m_controls.lines().isEmpty())
        return;
    QPainter painter(this);
    for (const QRect &line : m_controls.lines())
        painter.fillRect(line, fromBgr(lineColour));
}

void Screen::connectReturnButton()
{
    if (QPushButton *button = m_controls.menuReturn())
        connect(button, &QPushButton::clicked, this, &Screen::Command39_Click);
}

void Screen::frameCloseRequested()
{
    Command39_Click();
}

void Screen::closeEvent(QCloseEvent *event)
{
    // The program never closes its own screens; a close from the window frame is a request.
    event->ignore();
    frameCloseRequested();
}

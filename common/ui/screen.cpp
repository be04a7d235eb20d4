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
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
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

void Screen::addLine(QPoint fromTwips, QPoint toTwips, int pixels)
{
    const QPoint from(twipsToPixels(fromTwips.x()), twipsToPixels(fromTwips.y()));
    const QPoint to(twipsToPixels(toTwips.x()), twipsToPixels(toTwips.y()));
    const bool horizontal = from.y() == to.y();
    m_lines.append(horizontal ? QRect(qMin(from.x(), to.x()), from.y() - pixels / 2, qAbs(to.x() - from.x()), pixels)
                              : QRect(from.x() - pixels / 2, qMin(from.y(), to.y()), pixels, qAbs(to.y() - from.y())));
}

void Screen::addEdgeLines(int pixels)
{
    // Centred on the edges, so half of each line's width lies inside the window.
    const int inside = pixels / 2;
    m_lines.append({QRect(0, 0, width(), inside), QRect(0, height() - inside, width(), inside),
                    QRect(0, 0, inside, height()), QRect(width() - inside, 0, inside, height())});
}

void Screen::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (m_lines.isEmpty())
        return;
    QPainter painter(this);
    for (const QRect &line : std::as_const(m_lines))
        painter.fillRect(line, fromBgr(lineColour));
}

QPushButton *Screen::addReturnButton(const QRect &twips, int tab)
{
    QPushButton *button = m_controls.addReturnStyledButton("Command39", u"Ana Menü", twips, tab);
    connect(button, &QPushButton::clicked, this, &Screen::Command39_Click);
    return button;
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

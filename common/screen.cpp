#include "common/screen.h"

#include "common/accessibility.h"
#include "common/boxlabel.h"
#include "common/buttonstyle.h"
#include "common/icons.h"
#include "common/messages.h"
#include "common/numbers.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr quint32 returnButtonColour = 0x00FFC0C0;
constexpr quint32 lineColour = 0x00000000;

void setColour(QWidget *widget, QPalette::ColorRole role, quint32 bgr)
{
    QPalette palette = widget->palette();
    palette.setColor(role, fromBgr(bgr));
    widget->setPalette(palette);
}

} // namespace

void ClickableLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ResultBox::focusInEvent(QFocusEvent *event)
{
    // QLineEdit selects its whole text when Tab brings the focus, and only then.
    QFocusEvent unselecting(event->type(), Qt::OtherFocusReason);
    ClickableLineEdit::focusInEvent(&unselecting);
}

double Calculation::read(QLineEdit *box, Figure figure, Parsing parsing)
{
    try {
        const double value = readFigure(box->text(), figure, parsing);
        m_read.append({box, value});
        return value;
    } catch (const CalculationError &) {
        m_faulty = box;
        throw;
    }
}

void Calculation::write(QLineEdit *box, double value)
{
    box->setText(formatNumber(value));
    m_written.append(box);
}

QLineEdit *Calculation::boxAtFault(const CalculationError &error) const
{
    if (m_faulty || m_read.isEmpty())
        return m_faulty;
    if (error.kind() != ErrorKind::Overflow)
        return m_read.last().box;
    // Only a figure far too large or far too small takes a product or a quotient
    // beyond a double: the one farthest from 1 in order of magnitude.
    const auto distanceFromOne = [](const Reading &reading) {
        return reading.value == 0 ? 0.0 : std::fabs(std::log10(std::fabs(reading.value)));
    };
    return std::max_element(m_read.cbegin(), m_read.cend(), [&](const Reading &a, const Reading &b) {
               return distanceFromOne(a) < distanceFromOne(b);
           })->box;
}

Screen::Screen(ScreenId id, Navigator &navigator, MessageService &messages)
    : QWidget(nullptr), m_id(id), m_navigator(navigator), m_messages(messages)
{
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
    setColour(this, QPalette::Window, background);

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

void Screen::place(QWidget *control, const DesignedControl &design)
{
    control->setObjectName(QString::fromLatin1(design.name));
    control->setGeometry(twipsToPixels(design.twips));
    control->setFont(makeFont(design.font));
    if (!design.accessibleName.isEmpty())
        control->setAccessibleName(design.accessibleName.toString());
    if (design.tab >= 0)
        m_tabOrder.append({design.tab, control});
}

QLabel *Screen::addLabel(const DesignedControl &design)
{
    return setUpLabel(new QLabel(design.text.toString(), this), design);
}

QLabel *Screen::setUpLabel(QLabel *label, const DesignedControl &design)
{
    place(label, design);
    const bool vertical = design.align & Qt::AlignVertical_Mask;
    label->setAlignment(vertical ? design.align : design.align | Qt::AlignTop);
    label->setWordWrap(true);
    // The designed texts are plain; a stray '<' must never turn into markup.
    label->setTextFormat(Qt::PlainText);
    // Labels are painted on the window itself, under every box and button.
    label->lower();
    if (design.foreground)
        setColour(label, QPalette::WindowText, *design.foreground);
    if (design.background) {
        label->setAutoFillBackground(true);
        setColour(label, QPalette::Window, *design.background);
    }
    return label;
}

QLabel *Screen::addBar(const DesignedControl &design)
{
    QLabel *bar = addLabel(design);
    markAsSeparator(bar);
    return bar;
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

QPushButton *Screen::addButton(const DesignedControl &design)
{
    auto *button = new QPushButton(design.text.toString(), this);
    place(button, design);
    // Enter presses the focused button, as Space does.
    button->setAutoDefault(true);
    if (design.background) {
        setColour(button, QPalette::Button, *design.background);
        KarvelaStyle::markColoured(button);
    }
    if (design.tab < 0)
        button->setFocusPolicy(Qt::ClickFocus);
    return button;
}

ClickableLineEdit *Screen::addInput(const DesignedControl &design)
{
    return setUpBox(new ClickableLineEdit(this), design);
}

QLineEdit *Screen::addResult(const DesignedControl &design)
{
    QLineEdit *result = setUpBox(new ResultBox(this), design);
    result->setReadOnly(true);
    if (design.foreground)
        setColour(result, QPalette::Text, *design.foreground);
    return result;
}

ClickableLineEdit *Screen::setUpBox(ClickableLineEdit *box, const DesignedControl &design)
{
    place(box, design);
    // Nothing limits what can be typed; Qt would otherwise cut a long paste at 32767 characters.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setAlignment(design.align);
    if (design.background)
        setColour(box, QPalette::Base, *design.background);
    return box;
}

QPlainTextEdit *Screen::addTextArea(const DesignedControl &design)
{
    auto *area = new QPlainTextEdit(design.text.toString(), this);
    place(area, design);
    area->setTabChangesFocus(true);
    if (design.background)
        setColour(area, QPalette::Base, *design.background);
    return area;
}

QPushButton *Screen::addReturnButton(const QRect &twips, int tab)
{
    QPushButton *button = addReturnStyledButton("Command39", u"Ana Menü", twips, tab);
    connect(button, &QPushButton::clicked, this, &Screen::Command39_Click);
    return button;
}

QPushButton *Screen::addReturnStyledButton(const char *name, QStringView text, const QRect &twips, int tab)
{
    return addButton({.name = name,
                      .text = text,
                      .twips = twips,
                      .font = Fonts::sansSerif(12, true),
                      .background = returnButtonColour,
                      .tab = tab});
}

QLabel *Screen::addBoxLabel(const DesignedControl &design, const QWidget *box)
{
    auto *label = new BoxLabel(design.text.toString(), box, this);
    nameBox(box, label->words());
    return setUpLabel(label, design);
}

void Screen::applyTabOrder()
{
    std::stable_sort(m_tabOrder.begin(), m_tabOrder.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QWidget *previous = nullptr;
    for (const auto &[tab, control] : std::as_const(m_tabOrder)) {
        if (control->focusPolicy() & Qt::TabFocus) {
            if (previous)
                setTabOrder(previous, control);
            else
                control->setFocus();
            previous = control;
        }
    }
}

void Screen::placeResultsAfter(QWidget *button, std::initializer_list<QLineEdit *> results)
{
    QWidget *previous = button;
    for (QLineEdit *result : results) {
        setTabOrder(previous, result);
        previous = result;
    }
}

bool Screen::calculate(std::initializer_list<QLineEdit *> results, const std::function<void(Calculation &)> &steps)
{
    Calculation calculation;
    try {
        steps(calculation);
        return true;
    } catch (const CalculationError &error) {
        for (QLineEdit *box : results) {
            if (!calculation.wasWritten(box))
                box->clear();
        }
        if (!calculation.recoveryArmed())
            report(error, calculation.boxAtFault(error));
        return false;
    }
}

void Screen::report(const CalculationError &error, QLineEdit *box)
{
    const auto named = box ? m_captions.constFind(box) : m_captions.cend();
    if (named == m_captions.cend()) {
        m_messages.show(errorReport(error.kind()));
        return;
    }
    m_messages.show(errorReport(error, *named, box->text(), box->isReadOnly()));
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
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

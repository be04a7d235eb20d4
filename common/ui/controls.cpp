#include "common/ui/controls.h"

#include "common/ui/accessibility.h"
#include "common/ui/boxlabel.h"
#include "common/ui/karvelastyle.h"
#include "common/ui/screen.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace {

constexpr quint32 returnButtonColour = 0x00FFC0C0;

} // namespace

void setDesignedColour(QWidget *widget, QPalette::ColorRole role, quint32 bgr)
{
    QPalette palette = widget->palette();
    palette.setColor(role, fromBgr(bgr));
    widget->setPalette(palette);
}

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
        setDesignedColour(label, QPalette::WindowText, *design.foreground);
    if (design.background) {
        label->setAutoFillBackground(true);
        setDesignedColour(label, QPalette::Window, *design.background);
    }
    return label;
}

QLabel *Screen::addBar(const DesignedControl &design)
{
    QLabel *bar = addLabel(design);
    markAsSeparator(bar);
    return bar;
}

QPushButton *Screen::addButton(const DesignedControl &design)
{
    auto *button = new QPushButton(design.text.toString(), this);
    place(button, design);
    // Enter presses the focused button, as Space does.
    button->setAutoDefault(true);
    if (design.background) {
        setDesignedColour(button, QPalette::Button, *design.background);
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
        setDesignedColour(result, QPalette::Text, *design.foreground);
    return result;
}

ClickableLineEdit *Screen::setUpBox(ClickableLineEdit *box, const DesignedControl &design)
{
    place(box, design);
    // Nothing limits what can be typed; Qt would otherwise cut a long paste at 32767 characters.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setAlignment(design.align);
    if (design.background)
        setDesignedColour(box, QPalette::Base, *design.background);
    return box;
}

QPlainTextEdit *Screen::addTextArea(const DesignedControl &design)
{
    auto *area = new QPlainTextEdit(design.text.toString(), this);
    place(area, design);
    area->setTabChangesFocus(true);
    if (design.background)
        setDesignedColour(area, QPalette::Base, *design.background);
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

void Screen::addControls(std::span<const TableControl> table)
{
    using Kind = TableControl::Kind;
    for (const TableControl &row : table) {
        switch (row.kind) {
        case Kind::Label:
            addLabel(row.design);
            break;
        case Kind::Bar:
            addBar(row.design);
            break;
        case Kind::Input:
            addInput(row.design);
            break;
        case Kind::Result:
            addResult(row.design);
            break;
        case Kind::Button:
            addButton(row.design);
            break;
        case Kind::BoxLabel:
            addBoxLabel(row.design, control<QWidget>(row.box));
            break;
        }
    }
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

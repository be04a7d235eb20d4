#include "common/ui/controlbuilder.h"

#include "common/ui/accessibility.h"
#include "common/ui/boxlabel.h"
#include "common/ui/karvelastyle.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace {

constexpr quint32 returnButtonColour = 0x00FFC0C0;

} // namespace

void ControlBuilder::place(QWidget *control, const DesignedControl &design)
{
    control->setObjectName(QString::fromLatin1(design.name));
    control->setGeometry(twipsToPixels(design.twips));
    control->setFont(makeFont(design.font));
    if (!design.accessibleName.isEmpty())
        control->setAccessibleName(design.accessibleName.toString());
    if (design.tab >= 0)
        m_tabOrder.append({design.tab, control});
}

QLabel *ControlBuilder::addLabel(const DesignedControl &design)
{
    return setUpLabel(new QLabel(design.text.toString(), m_window), design);
}

QLabel *ControlBuilder::setUpLabel(QLabel *label, const DesignedControl &design)
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

QLabel *ControlBuilder::addBar(const DesignedControl &design)
{
    QLabel *bar = addLabel(design);
    markAsSeparator(bar);
    return bar;
}

QPushButton *ControlBuilder::addButton(const DesignedControl &design)
{
    auto *button = new QPushButton(design.text.toString(), m_window);
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

ClickableLineEdit *ControlBuilder::addInput(const DesignedControl &design)
{
    return setUpBox(new ClickableLineEdit(m_window), design);
}

QLineEdit *ControlBuilder::addResult(const DesignedControl &design)
{
    QLineEdit *result = setUpBox(new ResultBox(m_window), design);
    result->setReadOnly(true);
    if (design.foreground)
        setDesignedColour(result, QPalette::Text, *design.foreground);
    return result;
}

ClickableLineEdit *ControlBuilder::setUpBox(ClickableLineEdit *box, const DesignedControl &design)
{
    place(box, design);
    // Nothing limits what can be typed; Qt would otherwise cut a long paste at 32767 characters.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setAlignment(design.align);
    if (design.background)
        setDesignedColour(box, QPalette::Base, *design.background);
    return box;
}

QPlainTextEdit *ControlBuilder::addTextArea(const DesignedControl &design)
{
    auto *area = new QPlainTextEdit(design.text.toString(), m_window);
    place(area, design);
    area->setTabChangesFocus(true);
    if (design.background)
        setDesignedColour(area, QPalette::Base, *design.background);
    return area;
}

QPushButton *ControlBuilder::addReturnStyledButton(const char *name, QStringView text, const QRect &twips, int tab)
{
    return addButton({.name = name,
                      .text = text,
                      .twips = twips,
                      .font = Fonts::sansSerif(12, true),
                      .background = returnButtonColour,
                      .tab = tab});
}

QLabel *ControlBuilder::addBoxLabel(const DesignedControl &design, const QWidget *box)
{
    auto *label = new BoxLabel(design.text.toString(), box, m_window);
    nameBox(box, label->words());
    return setUpLabel(label, design);
}

void ControlBuilder::applyTabOrder()
{
    std::stable_sort(m_tabOrder.begin(), m_tabOrder.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QWidget *previous = nullptr;
    for (const auto &[tab, control] : std::as_const(m_tabOrder)) {
        if (control->focusPolicy() & Qt::TabFocus) {
            if (previous)
                QWidget::setTabOrder(previous, control);
            else
                control->setFocus();
            previous = control;
        }
    }
}

void ControlBuilder::placeResultsAfter(QWidget *button, std::initializer_list<QLineEdit *> results)
{
    QWidget *previous = button;
    for (QLineEdit *result : results) {
        QWidget::setTabOrder(previous, result);
        previous = result;
    }
}

QWidget *ControlBuilder::add(ControlKind kind, const DesignedControl &design, const QWidget *box,
                             const DesignedSymbol *symbol)
{
    switch (kind) {
    case ControlKind::Label:
        return addLabel(design);
    case ControlKind::Bar:
        return addBar(design);
    case ControlKind::Input:
        return addInput(design);
    case ControlKind::Result:
        return addResult(design);
    case ControlKind::Button:
        return addButton(design);
    case ControlKind::ReturnButton:
        return addReturnStyledButton(design.name, design.text, design.twips, design.tab);
    case ControlKind::MenuReturn:
        if (m_menuReturn)
            misdesigned(design.name, "a second \"Ana Menü\"");
        m_menuReturn = addReturnStyledButton(design.name, design.text, design.twips, design.tab);
        return m_menuReturn;
    case ControlKind::TextArea:
        return addTextArea(design);
    case ControlKind::BoxLabel:
        return addBoxLabel(design, box);
    case ControlKind::Caption: {
        QLabel *caption = addLabel(design);
        nameBox(box, caption->text());
        return caption;
    }
    case ControlKind::Symbol:
        if (!symbol)
            misdesigned(design.name, "a symbol row without its symbol");
        return addSymbol(design, *symbol);
    case ControlKind::Line:
        addLine(design);
        return nullptr;
    case ControlKind::EdgeLines:
        addEdgeLines(design.pixels);
        return nullptr;
    }
    Q_UNREACHABLE();
}

QLabel *ControlBuilder::addSymbol(const DesignedControl &design, const DesignedSymbol &symbol)
{
    // The symbol's face is found at run time: its own where installed, else an arrow.
    const QString text = symbolText(symbol);
    DesignedControl drawn = design;
    drawn.text = text;
    drawn.font = symbolFont(symbol, design.font.points, design.font.bold);
    return addLabel(drawn);
}

void ControlBuilder::addLine(const DesignedControl &design)
{
    const QRect pixels = twipsToPixels(design.twips);
    const int width = design.pixels;
    const bool horizontal = design.twips.height() == 0;
    m_lines.append(horizontal ? QRect(pixels.left(), pixels.top() - width / 2, pixels.width(), width)
                              : QRect(pixels.left() - width / 2, pixels.top(), width, pixels.height()));
}

void ControlBuilder::addEdgeLines(int pixels)
{
    // Centred on the edges, so half of each line's width lies inside the window.
    const int inside = pixels / 2;
    const int width = m_window->width();
    const int height = m_window->height();
    m_lines.append({QRect(0, 0, width, inside), QRect(0, height - inside, width, inside), QRect(0, 0, inside, height),
                    QRect(width - inside, 0, inside, height)});
}

void ControlBuilder::misdesigned(const char *name, const char *why)
{
    qFatal("control %s: %s", name, why);
}

#pragma once

#include "common/ui/boxes.h"
#include "common/ui/design.h"

#include <QHash>
#include <QList>
#include <QPlainTextEdit>
#include <QPushButton>

#include <initializer_list>
#include <optional>
#include <span>
#include <variant>

class QLabel;

// One control as the design gives it: its designer name, text, rectangle in twips,
// font, colours and place in the tab order.
struct DesignedControl
{
    const char *name = "";
    QStringView text = {};
    QRect twips = {};
    DesignedFont font = {};
    std::optional<quint32> background = std::nullopt; // none: the screen's colour shows through
    std::optional<quint32> foreground = std::nullopt;
    int tab = -1;                        // -1: not in the designed tab order
    Qt::Alignment align = Qt::AlignLeft; // labels keep their text at the top, as designed
    QStringView accessibleName = {};     // what a screen reader says for a box without a caption
    int pixels = 0; // a line's width; a line runs from the rectangle's top left to its bottom right
};

enum class ControlKind {
    Label,
    Bar,
    Input,
    Result,
    Button,
    ReturnButton, // a button with the look of "Ana Menü"
    MenuReturn,   // "Ana Menü" itself, which the screen connects to its return
    TextArea,
    BoxLabel,  // a label that holds its box in its blanks, or leads to it with dots
    Caption,   // a label beside its box, whose words name the box in reports
    Symbol,    // a pointing symbol of the design, in its face where installed
    Line,      // painted on the window, under every control
    EdgeLines, // lines `pixels` wide along the window's four edges
};

// One row of a screen's table of controls: the control as designed, what kind it is,
// and the member of the screen that holds it (for a box label or a caption, the member
// holding the box it names, which the table lists before it). The compiler checks
// every member.
template<typename Owner>
struct TableControl
{
    using Member = std::variant<std::monostate, ClickableLineEdit * Owner::*, QLineEdit * Owner::*,
                                QPushButton * Owner::*, QPlainTextEdit * Owner::*>;
    using Handler = void (Owner::*)();
    ControlKind kind;
    DesignedControl design;
    Member member = {};
    const DesignedSymbol *symbol = nullptr; // a symbol row's symbol; its font gives the size
    Handler clicked = nullptr;              // a button's or a clickable box's handler
};

// The rows of a table that fill a member, each made by the function of its kind, so
// that the compiler holds the kind, the member and the handler to one another:
//     using Row = TableRows<Form6>;
//     Row::button(&Form6::Command1, {...}, &Form6::Command1_Click),
template<typename Owner>
struct TableRows
{
    using Row = TableControl<Owner>;
    using Handler = typename Row::Handler;

    static Row input(QLineEdit *Owner::*box, const DesignedControl &design)
    {
        return {ControlKind::Input, design, box};
    }
    // A box whose click the screen answers.
    static Row input(ClickableLineEdit *Owner::*box, const DesignedControl &design, Handler clicked)
    {
        return {ControlKind::Input, design, box, nullptr, clicked};
    }
    static Row result(QLineEdit *Owner::*box, const DesignedControl &design)
    {
        return {ControlKind::Result, design, box};
    }
    static Row button(QPushButton *Owner::*button, const DesignedControl &design, Handler clicked = nullptr)
    {
        return {ControlKind::Button, design, button, nullptr, clicked};
    }
    // A button with the look of "Ana Menü", connected by the screen itself.
    static Row returnStyledButton(QPushButton *Owner::*button, const DesignedControl &design)
    {
        return {ControlKind::ReturnButton, design, button};
    }
    static Row textArea(QPlainTextEdit *Owner::*area, const DesignedControl &design)
    {
        return {ControlKind::TextArea, design, area};
    }
    // The label that holds its box, or its caption: after the row of the box it names.
    template<typename Box>
    static Row boxLabel(Box *Owner::*box, const DesignedControl &design)
    {
        return {ControlKind::BoxLabel, design, box};
    }
    template<typename Box>
    static Row caption(Box *Owner::*box, const DesignedControl &design)
    {
        return {ControlKind::Caption, design, box};
    }
};

// Builds a screen's controls from their design onto its window: places them in
// pixels, gives them their faces and colours, keeps the designed tab order, and the
// captions that error reports name boxes by.
class ControlBuilder
{
public:
    explicit ControlBuilder(QWidget *window) : m_window(window) {}

    // Every control of a table, in its order, each into its member of `owner`: the one
    // way a screen's controls are made.
    template<typename Owner>
    void addControls(Owner &owner, std::span<const TableControl<Owner>> table);
    // The button of the table's MenuReturn row, "Ana Menü"; none before, or without one.
    QPushButton *menuReturn() const { return m_menuReturn; }

    // The design's lines, in pixels, for the window to paint under its controls.
    const QList<QRect> &lines() const { return m_lines; }

    // Puts the controls that have a tab index into the designed order and gives the
    // first of them the focus.
    void applyTabOrder();
    // Puts result boxes in the tab order right after the button whose click writes
    // them, so that the next Tab after a calculation meets its answer, and a screen
    // reader speaks it with its label.
    void placeResultsAfter(QWidget *button, std::initializer_list<QLineEdit *> results);

    // The caption an error report names `box` by, for a box whose label does not hold it.
    void nameBox(const QWidget *box, const QString &caption) { m_captions.insert(box, caption); }
    const QHash<const QWidget *, QString> &captions() const { return m_captions; }

private:
    // Labels wrap their text within their width, as designed labels do.
    QLabel *addLabel(const DesignedControl &design);
    // A black bar between parts of a screen; assistive technology sees a separator.
    QLabel *addBar(const DesignedControl &design);
    QPushButton *addButton(const DesignedControl &design);
    ClickableLineEdit *addInput(const DesignedControl &design);
    // A box that shows a result: read-only; placeResultsAfter puts it in the tab order.
    QLineEdit *addResult(const DesignedControl &design);
    QPlainTextEdit *addTextArea(const DesignedControl &design);
    // A button with the look of the return button "Ana Menü".
    QPushButton *addReturnStyledButton(const char *name, QStringView text, const QRect &twips, int tab);
    // A label that holds `box` in its run of blanks, or leads to it with dots. Its
    // words name the box in error reports.
    QLabel *addBoxLabel(const DesignedControl &design, const QWidget *box);

    // The control of a row; nothing for a line, which is painted.
    QWidget *add(ControlKind kind, const DesignedControl &design, const QWidget *box, const DesignedSymbol *symbol);
    QLabel *addSymbol(const DesignedControl &design, const DesignedSymbol &symbol);
    void addLine(const DesignedControl &design);
    void addEdgeLines(int pixels);
    void place(QWidget *control, const DesignedControl &design);
    QLabel *setUpLabel(QLabel *label, const DesignedControl &design);
    ClickableLineEdit *setUpBox(ClickableLineEdit *box, const DesignedControl &design);
    [[noreturn]] static void misdesigned(const char *name, const char *why);

    QWidget *m_window;
    QList<std::pair<int, QWidget *>> m_tabOrder;
    QHash<const QWidget *, QString> m_captions;
    QList<QRect> m_lines; // in pixels
    QPushButton *m_menuReturn = nullptr;
};

template<typename Owner>
void ControlBuilder::addControls(Owner &owner, std::span<const TableControl<Owner>> table)
{
    for (const TableControl<Owner> &row : table) {
        // A box label's or a caption's member is its box, which an earlier row made.
        const bool namesBox = row.kind == ControlKind::BoxLabel || row.kind == ControlKind::Caption;
        const QWidget *box = nullptr;
        if (namesBox) {
            std::visit(
                [&](auto member) {
                    if constexpr (!std::is_same_v<decltype(member), std::monostate>)
                        box = owner.*member;
                },
                row.member);
            if (!box)
                misdesigned(row.design.name, "a box label before its box");
        }
        QWidget *made = add(row.kind, row.design, box, row.symbol);
        if (namesBox || !made)
            continue;
        std::visit(
            [&](auto member) {
                if constexpr (!std::is_same_v<decltype(member), std::monostate>) {
                    using Held = std::remove_pointer_t<std::remove_reference_t<decltype(owner.*member)>>;
                    owner.*member = qobject_cast<Held *>(made);
                    if (!(owner.*member))
                        misdesigned(row.design.name, "a member of another kind of control");
                }
            },
            row.member);
        if (!row.clicked)
            continue;
        if (auto *button = qobject_cast<QPushButton *>(made))
            QObject::connect(button, &QPushButton::clicked, &owner, row.clicked);
        else if (auto *clickable = qobject_cast<ClickableLineEdit *>(made))
            QObject::connect(clickable, &ClickableLineEdit::clicked, &owner, row.clicked);
    }
}

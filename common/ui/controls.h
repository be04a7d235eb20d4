#pragma once

#include "common/ui/design.h"

#include <QLineEdit>

#include <optional>

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
    int tab = -1; // -1: not in the designed tab order
    Qt::Alignment align = Qt::AlignLeft; // labels keep their text at the top, as designed
    QStringView accessibleName = {}; // what a screen reader says for a box without a caption
};

// One row of a screen's table of controls: the control as designed, and what kind of
// control it is. A box label names the box it holds in its gap or leads to with dots,
// which the table lists before it.
struct TableControl
{
    enum class Kind { Label, Bar, Input, Result, Button, BoxLabel };
    Kind kind;
    DesignedControl design;
    const char *box = nullptr; // a box label's box
};

// A text box that reports a mouse click, as the age boxes need (Tab does not count).
class ClickableLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A box that shows a result. Reached with Tab, it keeps its text unselected, unlike
// an input box, so that a screen reader says its name and figure, not a selection.
class ResultBox : public ClickableLineEdit
{
    Q_OBJECT
public:
    using ClickableLineEdit::ClickableLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override;
};

// Sets one colour of a control's palette from a designed 0x00BBGGRR value.
void setDesignedColour(QWidget *widget, QPalette::ColorRole role, quint32 bgr);

#pragma once

#include <QLineEdit>

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

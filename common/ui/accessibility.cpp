#include "common/ui/accessibility.h"

#include "common/ui/boxes.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>

namespace {

constexpr const char *separatorProperty = "karvelaSeparator";
constexpr const char *notificationProperty = "karvelaNotification";

// A text box of a screen as assistive technology sees it: its text, with the figure
// as value, read-only for a result box. Qt's own interface for a line edit gives every
// character an attribute run of its own, empty (start = end = offset); Orca 43 joins
// those runs into one that ends a character short, and speaks "4" for 41. Here the
// whole text is one run.
class BoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface, public QAccessibleEditableTextInterface
{
public:
    explicit BoxAccessible(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface && !box()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? box()->text() : QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString text(int startOffset, int endOffset) const override
    {
        return box()->text().mid(startOffset, endOffset - startOffset);
    }

    int characterCount() const override { return int(box()->text().size()); }

    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = box()->hasSelectedText() ? box()->selectionStart() : 0;
        *endOffset = *startOffset + int(box()->selectedText().size());
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        box()->setSelection(startOffset, endOffset - startOffset);
    }

    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }

    // Where a character is drawn, on the screen: the box lays its one line out within
    // its contents by its alignment.
    QRect characterRect(int offset) const override
    {
        const QString shown = box()->text();
        if (offset < 0 || offset >= shown.size())
            return {};
        const QFontMetrics metrics(box()->font());
        const QRect line = QStyle::alignedRect(box()->layoutDirection(), box()->alignment(),
                                               QSize(metrics.horizontalAdvance(shown), metrics.height()),
                                               box()->contentsRect());
        const QRect character(line.left() + metrics.horizontalAdvance(shown.left(offset)), line.top(),
                              metrics.horizontalAdvance(shown.at(offset)), metrics.height());
        return QRect(box()->mapToGlobal(character.topLeft()), character.size());
    }

    void scrollToSubstring(int, int) override {}

    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
};

} // namespace

void installScreenAccessibility()
{
    QAccessible::installFactory([](const QString &, QObject *object) -> QAccessibleInterface * {
        // A screen's window, known by its class's name: the kit's window base builds
        // on this file, not the other way round.
        if (object && object->isWidgetType() && object->inherits("Screen"))
            return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
        if (auto *box = qobject_cast<ClickableLineEdit *>(object))
            return new BoxAccessible(box);
        if (object && object->isWidgetType() && object->property(separatorProperty).toBool())
            return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Separator);
        if (object && object->isWidgetType() && object->property(notificationProperty).toBool())
            return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
        return nullptr;
    });
}

void markAsSeparator(QWidget *bar)
{
    bar->setProperty(separatorProperty, true);
}

void markAsNotification(QWidget *announcer)
{
    announcer->setProperty(notificationProperty, true);
}

#pragma once

#include "common/ui/calculation.h"
#include "common/ui/controls.h"
#include "common/ui/navigator.h"

#include <QHash>
#include <QList>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <span>

class MessageService;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The base of every screen: a fixed-size top-level window built from its design,
// with the shared return handler and the one guard around calculation handlers.
class Screen : public QWidget
{
    Q_OBJECT
public:
    Screen(ScreenId id, Navigator &navigator, MessageService &messages);

    ScreenId id() const { return m_id; }

    // The return button "Ana Menü": hides this screen and shows the main menu.
    void Command39_Click();

protected:
    enum class WindowIcon { Application, Screen, None };
    enum class WindowButtons { CloseOnly, MinimiseAndClose };

    void setupWindow(QStringView caption, QSize clientTwips, quint32 background, WindowIcon icon,
                     WindowButtons buttons = WindowButtons::CloseOnly);

    // Labels wrap their text within their width, as designed labels do.
    QLabel *addLabel(const DesignedControl &design);
    // A black bar between parts of a screen; assistive technology sees a separator.
    QLabel *addBar(const DesignedControl &design);
    // A line of the design, `pixels` wide and centred on the line between two points
    // in twips. Lines are painted on the window itself, under every control, and are
    // not in the accessibility tree: they are only decoration.
    void addLine(QPoint fromTwips, QPoint toTwips, int pixels);
    // Lines along the four edges of the window.
    void addEdgeLines(int pixels);
    QPushButton *addButton(const DesignedControl &design);
    ClickableLineEdit *addInput(const DesignedControl &design);
    // A box that shows a result: read-only; placeResultsAfter puts it in the tab order.
    QLineEdit *addResult(const DesignedControl &design);
    QPlainTextEdit *addTextArea(const DesignedControl &design);
    // The return button with its designed look, connected to Command39_Click.
    QPushButton *addReturnButton(const QRect &twips, int tab);
    // A button with the return button's look.
    QPushButton *addReturnStyledButton(const char *name, QStringView text, const QRect &twips, int tab);
    // A label that holds `box` in its run of blanks, or leads to it with dots. Its
    // words name the box in error reports.
    QLabel *addBoxLabel(const DesignedControl &design, const QWidget *box);
    // The caption an error report names `box` by, for a box whose label does not hold it.
    void nameBox(const QWidget *box, const QString &caption) { m_captions.insert(box, caption); }
    // Every control of a table, in its order.
    void addControls(std::span<const TableControl> table);
    // A control of this screen by its designer name.
    template<typename T>
    T *control(const char *name) const
    {
        return findChild<T *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    }
    // Puts the controls that have a tab index into the designed order and gives the
    // first of them the focus.
    void applyTabOrder();
    // Puts result boxes in the tab order right after the button whose click writes
    // them, so that the next Tab after a calculation meets its answer, and a screen
    // reader speaks it with its label.
    void placeResultsAfter(QWidget *button, std::initializer_list<QLineEdit *> results);

    // Runs one calculation handler. The number helpers report errors by throwing;
    // here they end the handler: result boxes it was to write but did not are
    // emptied, so no figure from earlier input is left standing, and the error
    // report is shown unless the handler armed its recovery. The report names the
    // box at fault, which then has the focus with its text selected, ready to be
    // typed over. The program goes on.
    // True when the handler ran to its end.
    bool calculate(std::initializer_list<QLineEdit *> results, const std::function<void(Calculation &)> &steps);

    // What the window frame's close control does; by default the same as "Ana Menü".
    virtual void frameCloseRequested();

    Navigator &navigator() { return m_navigator; }
    MessageService &messages() { return m_messages; }

    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void place(QWidget *control, const DesignedControl &design);
    QLabel *setUpLabel(QLabel *label, const DesignedControl &design);
    ClickableLineEdit *setUpBox(ClickableLineEdit *box, const DesignedControl &design);
    void report(const CalculationError &error, QLineEdit *box);

    ScreenId m_id;
    Navigator &m_navigator;
    MessageService &m_messages;
    QList<std::pair<int, QWidget *>> m_tabOrder;
    QList<QRect> m_lines; // in pixels
    QHash<const QWidget *, QString> m_captions;
};

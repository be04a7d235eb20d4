#pragma once

#include "calc/figures.h"
#include "common/design.h"
#include "common/navigator.h"

#include <QLineEdit>
#include <QHash>
#include <QList>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <optional>

class CalculationError;
class MessageService;
class QLabel;
class QPlainTextEdit;
class QPushButton;

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

// One run of a calculation handler. It remembers which result boxes the run has
// written, which boxes it read and whether the resume-at-end recovery is armed.
class Calculation
{
public:
    void armRecovery() { m_recoveryArmed = true; }
    bool recoveryArmed() const { return m_recoveryArmed; }

    // The figure `box` holds, held to the figure's rule (an error names the box).
    double read(QLineEdit *box, Figure figure, Parsing parsing = Parsing::Lenient);

    // Writes a result in the locale's number format (an overflow if it is not finite).
    void write(QLineEdit *box, double value);
    bool wasWritten(const QLineEdit *box) const { return m_written.contains(box); }

    // The box an error is to be named by: the one whose figure was at fault or,
    // for an error of the arithmetic itself, the figure most likely to have caused it.
    // None when no box was read.
    QLineEdit *boxAtFault(const CalculationError &error) const;

private:
    struct Reading
    {
        QLineEdit *box;
        double value;
    };

    bool m_recoveryArmed = false;
    QList<const QLineEdit *> m_written;
    QList<Reading> m_read;
    QLineEdit *m_faulty = nullptr; // the box whose figure broke its rule
};

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

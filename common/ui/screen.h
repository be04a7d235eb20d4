#pragma once

#include "common/ui/calculationguard.h"
#include "common/ui/controlbuilder.h"
#include "common/ui/navigator.h"

#include <QList>
#include <QWidget>

class MessageService;
class QPushButton;

// The base of every screen: a fixed-size top-level window built from its design, with
// the shared return handler and the frame's close. Its controls are made by its
// ControlBuilder, and its calculation handlers run inside its CalculationGuard.
class Screen : public QWidget
{
    Q_OBJECT
public:
    Screen(ScreenId id, Navigator &navigator, MessageService &messages);

    ScreenId id() const { return m_id; }

protected:
    enum class WindowIcon {
        Application,
        Screen,
        None
    };
    enum class WindowButtons {
        CloseOnly,
        MinimiseAndClose
    };

    void setupWindow(QStringView caption, QSize clientTwips, quint32 background, WindowIcon icon,
                     WindowButtons buttons = WindowButtons::CloseOnly);

    // Every control of the screen from its table of rows, in the designed tab order;
    // the return button "Ana Menü" (Command39) connected to Command39_Click. Lines are
    // painted on the window itself, under every control, and are not in the
    // accessibility tree: they are only decoration.
    template<typename Owner>
    void buildControls(Owner &owner, std::span<const TableControl<Owner>> table)
    {
        m_controls.addControls(owner, table);
        connectReturnButton();
        m_controls.applyTabOrder();
    }

    // What builds the screen's controls, and what guards its calculation handlers.
    ControlBuilder &controls() { return m_controls; }
    CalculationGuard &guard() { return m_guard; }

    // What the window frame's close control does; by default the same as "Ana Menü".
    virtual void frameCloseRequested();

    Navigator &navigator() { return m_navigator; }
    MessageService &messages() { return m_messages; }

    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The return button "Ana Menü": hides this screen and shows the main menu.
    void Command39_Click();
    void connectReturnButton();

    ScreenId m_id;
    Navigator &m_navigator;
    MessageService &m_messages;
    ControlBuilder m_controls{this};
    CalculationGuard m_guard{m_messages, m_controls.captions()};
};

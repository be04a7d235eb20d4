#pragma once

#include <QString>

class DialogService;
class QAction;

// The eight screens, by their designer names.
enum class ScreenId {
    Form1, // how-to guidance
    Form2, // startup notice
    Form3, // zakat, sacrifice and fitr guidance
    Form4, // rights of people and animals guidance
    Form5, // main menu
    Form6, // prayer expiation
    Form7, // fasting expiation
    Form8, // Hijri age converter
};

inline constexpr int screenCount = 8;

// "Form1" to "Form8": a screen's designer name, also its window's object name. The
// ids run in the order of those names.
inline QString designerName(ScreenId id)
{
    return QStringLiteral("Form%1").arg(int(id) + 1);
}

// What a screen may ask of the application frame.
class Navigator
{
public:
    virtual ~Navigator() = default;
    // Creates the screen the first time, then shows it without blocking the others.
    virtual void showScreen(ScreenId id) = 0;
    virtual void hideScreen(ScreenId id) = 0;
    // Ends the program at once, without asking and without running any screen's close handling.
    virtual void endApplication() = 0;
    // Asks for an iskât file and opens the case it holds in place of the screens' own.
    virtual void openCaseFile() = 0;
    // The one Ctrl+O that does it, added to each window that offers it.
    virtual QAction *openCaseAction() = 0;
    // The file and print dialogs every window asks through.
    virtual DialogService &dialogs() = 0;
};

#pragma once

#include "calc/ceremonybook.h"
#include "calc/screens/progressstore.h"
#include "common/ui/navigator.h"

#include <QAction>

#include <array>
#include <functional>
#include <memory>

class DialogService;
class ExpiationScreen;
class MessageService;
class Screen;

// Holds one slot per screen. A screen is created the first time it is needed and
// then lives until the program ends, only hidden and shown, so whatever was typed
// into it is still there when the user comes back.
class ScreenRegistry : public Navigator
{
public:
    // `endProgram` is what ending the application does once every screen is hidden:
    // leaving the event loop, in the program.
    ScreenRegistry(MessageService &messages, DialogService &dialogs, std::function<void()> endProgram);
    ~ScreenRegistry() override;

    // Opens the startup notice.
    void start();

    void showScreen(ScreenId id) override;
    void hideScreen(ScreenId id) override;
    void endApplication() override;
    void openCaseFile() override;
    QAction *openCaseAction() override { return &m_openCase; }
    DialogService &dialogs() override { return m_dialogs; }

    // Opens the case in the iskât file at `path`: both expiation screens filled and
    // calculated as saved, the names, and the record over the prayer screen. A file
    // that holds no case is named in a box, and nothing changes. True when opened.
    bool openCase(const QString &path);
    // Where a ceremony was left unfinished (a crash, a power cut), asks whether to go on
    // with it; "Evet" opens its case at the next hand-over. "Hayır" asks once more
    // before the progress is forgotten. True when the ceremony was opened.
    bool resumeCeremony();

private:
    // The screen in this slot, created if the slot is empty.
    Screen *screen(ScreenId id);
    // The prayer or the fasting screen, created if need be.
    ExpiationScreen *expiationScreen(Expiation expiation);
    std::unique_ptr<Screen> create(ScreenId id);
    // Where a new screen first appears: centred, or the Hijri converter where designed.
    void place(Screen *screen);
    // The prayer and fasting screens, or the names, hold something a case would replace.
    bool holdsCase();

    MessageService &m_messages;
    DialogService &m_dialogs;
    CeremonyBook m_ceremony; // where the prayer and fasting screens stand, for the devir record
    ProgressStore m_progress{m_ceremony};
    std::array<std::unique_ptr<Screen>, screenCount> m_slots;
    std::function<void()> m_endProgram;
    QAction m_openCase;
};

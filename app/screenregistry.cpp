#include "app/screenregistry.h"

#include "app/form2.h"
#include "app/form5.h"
#include "calc/screens/devirwindow.h"
#include "calc/screens/form6.h"
#include "calc/screens/form7.h"
#include "calc/screens/form8.h"
#include "calc/words.h"
#include "common/ui/design.h"
#include "common/ui/dialogservice.h"
#include "guide/guidescreens.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>

namespace {

int slotOf(ScreenId id)
{
    return static_cast<int>(id);
}

// The Hijri converter opens where it was designed to; every other screen is centred.
constexpr QPoint hijriConverterTwips(6750, 4935);

ScreenId screenOf(Expiation expiation)
{
    return expiation == Expiation::Prayers ? ScreenId::Form6 : ScreenId::Form7;
}

} // namespace

ExpiationScreen *ScreenRegistry::expiationScreen(Expiation expiation)
{
    // Their slots hold a Form6 and a Form7, both expiation screens, as create() makes them.
    return static_cast<ExpiationScreen *>(screen(screenOf(expiation)));
}

ScreenRegistry::ScreenRegistry(MessageService &messages, DialogService &dialogs, std::function<void()> endProgram)
    : m_messages(messages), m_dialogs(dialogs), m_endProgram(std::move(endProgram))
{
    m_openCase.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QObject::connect(&m_openCase, &QAction::triggered, [this] { openCaseFile(); });
}

ScreenRegistry::~ScreenRegistry() = default;

void ScreenRegistry::start()
{
    showScreen(ScreenId::Form2);
}

std::unique_ptr<Screen> ScreenRegistry::create(ScreenId id)
{
    switch (id) {
    case ScreenId::Form2:
        return std::make_unique<Form2>(*this, m_messages);
    case ScreenId::Form5:
        return std::make_unique<Form5>(*this, m_messages);
    case ScreenId::Form6:
        return std::make_unique<Form6>(*this, m_messages, m_ceremony);
    case ScreenId::Form7:
        return std::make_unique<Form7>(*this, m_messages, m_ceremony);
    case ScreenId::Form8:
        return std::make_unique<Form8>(*this, m_messages);
    case ScreenId::Form1:
        return std::make_unique<Form1>(*this, m_messages);
    case ScreenId::Form3:
        return std::make_unique<Form3>(*this, m_messages);
    case ScreenId::Form4:
        return std::make_unique<Form4>(*this, m_messages);
    }
    Q_UNREACHABLE();
}

Screen *ScreenRegistry::screen(ScreenId id)
{
    auto &slot = m_slots[slotOf(id)];
    if (!slot) {
        slot = create(id);
        place(slot.get());
    }
    return slot.get();
}

// On the primary screen, whose desktop may start anywhere among several monitors:
// centred in its available area, or the converter at its designed place from that
// area's corner.
void ScreenRegistry::place(Screen *screen)
{
    const QScreen *display = QGuiApplication::primaryScreen();
    const QRect area = display ? display->availableGeometry() : QRect();
    if (screen->id() == ScreenId::Form8)
        screen->move(area.topLeft() +
                     QPoint(twipsToPixels(hijriConverterTwips.x()), twipsToPixels(hijriConverterTwips.y())));
    else if (display)
        screen->move(area.center() - QPoint(screen->width() / 2, screen->height() / 2));
}

void ScreenRegistry::showScreen(ScreenId id)
{
    Screen *target = screen(id);
    target->show();
    target->raise();
    target->activateWindow();
}

void ScreenRegistry::hideScreen(ScreenId id)
{
    screen(id)->hide();
}

void ScreenRegistry::endApplication()
{
    for (const auto &slot : m_slots) {
        if (slot)
            slot->hide();
    }
    m_endProgram();
}

bool ScreenRegistry::holdsCase()
{
    const auto holds = [this](Expiation id) {
        return m_slots[slotOf(screenOf(id))] && expiationScreen(id)->holdsFigures();
    };
    return holds(Expiation::Prayers) || holds(Expiation::Fasts) || m_ceremony.names() != CeremonyNames{};
}

void ScreenRegistry::openCaseFile()
{
    if (holdsCase() && m_messages.show(caseReplacesScreens()) != MessageAnswer::Yes)
        return;
    const QString path = m_dialogs.openFileName(QApplication::activeWindow(), QStringLiteral("İskât Dosyası Aç"),
                                                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                                iskatFileFilter());
    if (!path.isEmpty())
        openCase(path);
}

bool ScreenRegistry::openCase(const QString &path)
{
    const std::variant<IskatCase, QString> loaded = loadIskatFile(path, QDate::currentDate());
    if (const auto *why = std::get_if<QString>(&loaded)) {
        m_messages.show(caseNotOpened(path, *why));
        return false;
    }
    const IskatCase &saved = std::get<IskatCase>(loaded);
    m_ceremony.setCasePath(path);
    m_ceremony.setNames(saved.names);
    expiationScreen(Expiation::Fasts)->openCase(saved.fasts);
    ExpiationScreen *prayers = expiationScreen(Expiation::Prayers);
    prayers->openCase(saved.prayers);
    m_progress.adopt(saved.progress);
    m_ceremony.setProgress(saved.progress);
    // In place of the startup notice or the menu, as a menu button would open it.
    for (const ScreenId id : {ScreenId::Form2, ScreenId::Form5}) {
        if (m_slots[slotOf(id)])
            hideScreen(id);
    }
    showScreen(ScreenId::Form6);
    if (!m_ceremony.refusal(Expiation::Prayers))
        prayers->openRecord();
    return true;
}

namespace {

// "Yarım kalmış bir devir var: Ayşe, 9 Aralık 2026, 7 / 30 el değiştirme. …"
MessageBoxRequest unfinishedCeremony(const IskatCase &saved)
{
    const CeremonyProgress &progress = *saved.progress;
    const QString name = saved.names.deceased.trimmed().isEmpty() ? QStringLiteral("adı yazılmamış bir vefat eden")
                                                                  : saved.names.deceased.trimmed();
    return {.text = QStringLiteral("Yarım kalmış bir devir var: %1, %2, %3 / %4 el değiştirme. Kaldığı yerden devam "
                                   "edilsin mi?")
                        .arg(name, turkishDay(progress.began.date()), turkishCount(progress.handoversDone),
                             turkishCount(plannedHandovers(progress))),
            .buttons = MessageButtons::YesNo,
            .icon = MessageIcon::Exclamation};
}

const MessageBoxRequest forgetCeremony{
    .text = QStringLiteral("Yarım kalmış devrin kaydı unutulsun mu? Unutulursa bu devre program açılırken "
                           "kaldığı yerden devam edilemez; iskât dosyası olduğu gibi kalır."),
    .buttons = MessageButtons::YesNo,
    .icon = MessageIcon::Exclamation,
    .secondButtonDefault = true};

} // namespace

bool ScreenRegistry::resumeCeremony()
{
    const std::optional<QString> path = ProgressStore::unfinished();
    if (!path)
        return false;
    const std::variant<IskatCase, QString> loaded = loadIskatFile(*path, QDate::currentDate());
    const auto *saved = std::get_if<IskatCase>(&loaded);
    if (!saved || !saved->progress || saved->progress->ended.isValid()) {
        // Nothing there to go on with: the note alone goes; no file is touched.
        if (const auto *why = std::get_if<QString>(&loaded))
            m_messages.show(caseNotOpened(*path, *why));
        m_progress.forget();
        return false;
    }
    if (m_messages.show(unfinishedCeremony(*saved)) != MessageAnswer::Yes) {
        if (m_messages.show(forgetCeremony) == MessageAnswer::Yes)
            m_progress.forget();
        return false;
    }
    if (!openCase(*path))
        return false;
    const Expiation opener = m_ceremony.refusal(Expiation::Prayers) ? Expiation::Fasts : Expiation::Prayers;
    showScreen(screenOf(opener));
    expiationScreen(opener)->openCeremony();
    return true;
}

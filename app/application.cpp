#include "app/application.h"

#include "app/screenregistry.h"
#include "common/ui/accessibility.h"
#include "common/ui/design.h"
#include "common/ui/karvelastyle.h"
#include "common/ui/qtdialogservice.h"
#include "common/ui/qtmessageservice.h"
#include "common/ui/screen.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Qt's own texts a user can meet (a text box's context menu) are shown in Turkish,
// whatever the desktop's language: the whole program speaks Turkish.
void loadQtTurkish(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

} // namespace

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("karvela"));
    QApplication::setDesktopFileName(QStringLiteral("org.karvela.Karvela"));
    // The same look on every platform, with the design's coloured buttons in their very colours.
    QApplication::setStyle(new KarvelaStyle);
    // No application-wide window icon: each screen carries its own (the main menu the
    // application icon), and decoding the large icon before the first window is shown
    // would cost start-up time for nothing.
    // Screens are only hidden; the program ends through the main menu alone.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutes();
    installScreenAccessibility();
    loadQtTurkish(app);
}

int runKarvela(int argc, char **argv)
{
    QApplication app(argc, argv);
    setUpApplication(app);

    QtMessageService messages;
    QtDialogService dialogs;
    ScreenRegistry screens(messages, dialogs, [] { QCoreApplication::exit(0); });
    // "karvela FILE", as a double click on an iskât file starts it: the case in place of the
    // startup notice. Qt's arguments, not argv, which Windows gives in the ANSI code page.
    const QStringList arguments = QCoreApplication::arguments();
    // Otherwise a ceremony left unfinished, where the user wants to go on with it.
    const bool opened = arguments.size() >= 2 ? screens.openCase(arguments.at(1)) : screens.resumeCeremony();
    if (!opened)
        screens.start();
    return QApplication::exec();
}

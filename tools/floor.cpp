// The toolkit's floor for the start-up benchmark: one empty fixed-size window,
// built with the same flags as Karvela. With --text the window also shows one
// line of text, which is what it costs any program to bring up its fonts.

#include "tools/startupprobe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    installStartupProbe();
    QWidget window;
    window.setFixedSize(382, 158);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        new QLabel(QStringLiteral("Yemin ve oruç kefaretleri"), &window);
    window.show();
    return QApplication::exec();
}

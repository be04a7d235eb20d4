// The toolkit's floor for the start-up benchmark: one empty fixed-size window,
// built with the same flags as Karvela.

#include "app/startupprobe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    installStartupProbe();
    QWidget window;
    window.setFixedSize(382, 158);
    window.show();
    return QApplication::exec();
}

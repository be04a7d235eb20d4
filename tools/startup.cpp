// Karvela itself, ending once its first window is painted: what the start-up benchmark
// times (scripts/benchmark.sh).

#include "app/application.h"
#include "tools/startupprobe.h"

#include <QCoreApplication>

// As soon as the application object exists, before the first window is made.
Q_COREAPP_STARTUP_FUNCTION(installStartupProbe)

int main(int argc, char **argv)
{
    return runKarvela(argc, argv);
}

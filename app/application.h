#pragma once

class QApplication;

// Everything the program sets up before its first screen: style, fonts, icon and
// Qt's own texts in Turkish.
void setUpApplication(QApplication &app);

// Runs Karvela: the startup notice first, until "X" on the main menu ends it.
int runKarvela(int argc, char **argv);

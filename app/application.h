#pragma once

class QApplication;

// Everything the program sets up before its first screen: style, fonts, what assistive
// technology sees, and Qt's own texts in Turkish. Each screen carries its own icon.
void setUpApplication(QApplication &app);

// Runs Karvela: the startup notice first, or the case of the iskât file named on the
// command line, until "X" on the main menu ends it.
int runKarvela(int argc, char **argv);

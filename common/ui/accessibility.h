#pragma once

class QWidget;

// Screens appear to assistive technology as windows (a plain widget would be a
// "filler"), the black bars between their parts as separators, and their text boxes
// as text that a screen reader reads whole.
void installScreenAccessibility();

// Marks a bar that only separates parts of a screen.
void markAsSeparator(QWidget *bar);

// Marks a widget whose name a screen reader says each time it is shown again: Qt 6.4's
// bridge sends a changed name as an object rather than its text, which Orca cannot say.
void markAsNotification(QWidget *announcer);

#pragma once

class QWidget;

// Screens appear to assistive technology as windows (a plain widget would be a
// "filler"), the black bars between their parts as separators, and their text boxes
// as text that a screen reader reads whole.
void installScreenAccessibility();

// Marks a bar that only separates parts of a screen.
void markAsSeparator(QWidget *bar);

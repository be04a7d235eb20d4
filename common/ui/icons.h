#pragma once

#include <QIcon>
#include <QImage>

// The program's own icons, drawn here rather than loaded, so that nothing comes
// from elsewhere.

// The application icon: 594 × 590 pixels, 8-bit colour. It marks the program and
// its main menu.
QImage applicationIconImage();
QIcon applicationIcon();

// The small icon of the other screens: 32 × 32 pixels, 16 colours.
QImage screenIconImage();
QIcon screenIcon();

// An icon that shows nothing, for the one screen designed without an icon.
QIcon noIcon();

#pragma once

#include "app/screenregistry.h"
#include "common/ui/screen.h"

#include <QApplication>

// A screen shown through the registry, found by its designer name among the top-level
// windows, as a user finds it on the desktop.
inline Screen *showScreen(ScreenRegistry &screens, ScreenId id)
{
    screens.showScreen(id);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == designerName(id))
            return qobject_cast<Screen *>(window);
    }
    return nullptr;
}

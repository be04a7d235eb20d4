#pragma once

#include "common/ui/screen.h"

// The startup notice about oath and fasting atonements. Its "Ana Menü" leads to
// the main menu, and nothing leads back to it.
class Form2 : public Screen
{
    Q_OBJECT
public:
    Form2(Navigator &navigator, MessageService &messages);

private:
    static std::span<const TableControl<Form2>> controlTable();
};

#include "app/form2.h"

std::span<const TableControl<Form2>> Form2::controlTable()
{
    // One control to a row, as the design lists them.
    // clang-format off
    static const TableControl<Form2> table[] = {
        {ControlKind::MenuReturn, {.name = "Command39", .text = u"Ana Menü", .twips = {4200, 120, 1455, 375}, .tab = 0}},
        {ControlKind::Label,
         {.name = "Label1",
          .text = u"     Yemin ve oruç kefaretleri için devir yapılmaz.Mutlaka fakirlere ayrı ayrı "
                  u"olmak üzere, yemin için 10 fakire ve oruç için de 60 fakire birer fıtra verilir.",
          .twips = {360, 600, 4935, 1215},
          .font = Fonts::arial(12),
          .align = Qt::AlignHCenter}},
    };
    // clang-format on
    return table;
}

Form2::Form2(Navigator &navigator, MessageService &messages) : Screen(ScreenId::Form2, navigator, messages)
{
    setupWindow(u" Yemin ve Oruç Kefareti İçin İskat Yapılır mı?", {5730, 2370}, 0x00C1A47B, WindowIcon::Screen);
    buildControls(*this, controlTable());
}

#include "app/form2.h"

Form2::Form2(Navigator &navigator, MessageService &messages) : Screen(ScreenId::Form2, navigator, messages)
{
    setupWindow(u" Yemin ve Oruç Kefareti İçin İskat Yapılır mı?", {5730, 2370}, 0x00C1A47B, WindowIcon::Screen);

    addReturnButton({4200, 120, 1455, 375}, 0);
    controls().addLabel({.name = "Label1",
              .text = u"     Yemin ve oruç kefaretleri için devir yapılmaz.Mutlaka fakirlere ayrı ayrı "
                      u"olmak üzere, yemin için 10 fakire ve oruç için de 60 fakire birer fıtra verilir.",
              .twips = {360, 600, 4935, 1215},
              .font = Fonts::arial(12),
              .align = Qt::AlignHCenter});
    controls().applyTabOrder();
}

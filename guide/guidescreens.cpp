#include "guide/guidescreens.h"

#include "guide/guidetexts.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

using Kind = ControlKind;

constexpr quint32 guidanceBackground = 0x00C1A47B;

} // namespace

std::span<const TableControl<Form1>> Form1::controlTable()
{
    // One control to a row, as the design lists them.
    // clang-format off
    using Row = TableRows<Form1>;
    static const TableControl<Form1> table[] = {
        Row::textArea(&Form1::Text1, {.name = "Text1", .twips = {120, 120, 9375, 7335}, .font = Fonts::sansSerif(12),
                                      .background = 0x00FFE7AC, .tab = 0, .accessibleName = u"Karvela Nasıl Yapılır?"}),
        {Kind::MenuReturn, {.name = "Command39", .text = u"Ana Menü", .twips = {8040, 7680, 1455, 495}, .tab = 1}},
    };
    // clang-format on
    return table;
}

Form1::Form1(Navigator &navigator, MessageService &messages) : Screen(ScreenId::Form1, navigator, messages)
{
    setupWindow(u"Karvela Nasıl Yapılır?", {9570, 8220}, 0x0066EEEE, WindowIcon::Screen);
    buildControls(*this, controlTable());
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setPlainText(asBoxText(howToText()));
}

std::span<const TableControl<Form3>> Form3::controlTable()
{
    // One control to a row, as the design lists them.
    // clang-format off
    using Row = TableRows<Form3>;
    static const TableControl<Form3> table[] = {
        {Kind::Label, {.name = "Label6", .text = u"Zekât, Kurban ve Sadaka-ı Fıtr İskatı", .twips = {0, 120, 5535, 375},
                       .font = Fonts::sansSerif(12, true), .tab = 0, .align = Qt::AlignHCenter}},
        Row::textArea(&Form3::Text1, {.name = "Text1", .twips = {240, 600, 5055, 1695},
                                      .font = Fonts::sansSerif(13.5), .background = guidanceBackground, .tab = 1,
                                      .accessibleName = u"Zekât, Kurban ve Sadaka-ı Fıtr İskatı"}),
        {Kind::MenuReturn, {.name = "Command39", .text = u"Ana Menü", .twips = {4080, 2520, 1455, 495}, .tab = 2}},
    };
    // clang-format on
    return table;
}

Form3::Form3(Navigator &navigator, MessageService &messages) : Screen(ScreenId::Form3, navigator, messages)
{
    setupWindow(u"Zekât, Kurban ve Sadaka-ı Fıtr İskatı", {5535, 3075}, guidanceBackground, WindowIcon::Screen);
    buildControls(*this, controlTable());
    Text1->setPlainText(asBoxText(zakatText()));
}

std::span<const TableControl<Form4>> Form4::controlTable()
{
    // One control to a row, as the design lists them.
    // clang-format off
    using Row = TableRows<Form4>;
    static const TableControl<Form4> table[] = {
        {Kind::MenuReturn, {.name = "Command39", .text = u"Ana Menü", .twips = {3960, 120, 1455, 375}, .tab = 2}},
        {Kind::Label, {.name = "Label1", .text = u"KUL VE HAYVAN HAKLARI İSKATI", .twips = {120, 480, 5175, 495},
                       .font = Fonts::sansSerif(13.5), .tab = 1, .align = Qt::AlignHCenter}},
        Row::textArea(&Form4::Text1, {.name = "Text1", .twips = {240, 960, 4815, 1215},
                                      .font = Fonts::sansSerif(13.5), .background = guidanceBackground, .tab = 0,
                                      .accessibleName = u"KUL VE HAYVAN HAKLARI İSKATI"}),
    };
    // clang-format on
    return table;
}

Form4::Form4(Navigator &navigator, MessageService &messages) : Screen(ScreenId::Form4, navigator, messages)
{
    setupWindow(u"KUL VE HAYVAN HAKLARI", {5400, 2865}, guidanceBackground, WindowIcon::Screen);
    buildControls(*this, controlTable());
    Text1->setPlainText(asBoxText(rightsText()));
}

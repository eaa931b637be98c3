#include "widgets/DarkStyle.h"

#include "look/DisplayScale.h"
#include "widgets/SkinPicture.h"
#include "widgets/WidgetFont.h"

namespace widgets {

namespace {

QString rgb(const QColor& color)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

QString url(const char* skinPicture)
{
    return QStringLiteral("url(\"%1\")").arg(skinPath(QString::fromLatin1(skinPicture)));
}

} // namespace

QString scrollBarStyleSheet()
{
    const int iBar = qMax(6, look::scaled(9));
    return QStringLiteral(
               "QScrollBar:vertical { background: rgb(30,30,32); width: %1px; margin: 0; border: none; }"
               " QScrollBar:horizontal { background: rgb(30,30,32); height: %1px; margin: 0; border: none; }"
               " QScrollBar::handle { background: rgb(90,90,96); border-radius: %2px; }"
               " QScrollBar::handle:vertical { min-height: %3px; }"
               " QScrollBar::handle:horizontal { min-width: %3px; }"
               " QScrollBar::handle:hover, QScrollBar::handle:pressed { background: %4; }"
               " QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; background: none; }"
               " QScrollBar::add-page, QScrollBar::sub-page { background: none; }"
               " QAbstractScrollArea::corner { background: rgb(30,30,32); border: none; }")
        .arg(iBar)
        .arg(iBar / 2)
        .arg(look::scaled(24))
        .arg(rgb(themeColor()));
}

QString checkBoxStyleSheet()
{
    return QStringLiteral("QCheckBox { color: rgb(225,225,225); spacing: %1px; background: transparent; }"
                          " QCheckBox::indicator { width: %2px; height: %2px; image: %3; }"
                          " QCheckBox::indicator:checked { image: %4; }"
                          " QCheckBox:disabled { color: rgb(120,120,120); }")
        .arg(look::scaled(6))
        .arg(look::scaled(14))
        .arg(url("/skin/checkbox2-1.png"), url("/skin/checkbox2-2.png"));
}

QString spinBoxStyleSheet()
{
    const int iArrowBox = look::scaled(16);
    return QStringLiteral(
               "QSpinBox { background-color: rgb(30,30,30); color: rgb(225,225,225); border: 1px solid rgb(80,80,84);"
               " border-radius: 3px; padding-right: %1px; selection-background-color: rgb(80,80,80); }"
               " QSpinBox::up-button, QSpinBox::down-button { subcontrol-origin: border; width: %1px;"
               " background: rgb(45,45,48); border-left: 1px solid rgb(80,80,84); }"
               " QSpinBox::up-button { subcontrol-position: top right; border-top-right-radius: 3px; }"
               " QSpinBox::down-button { subcontrol-position: bottom right; border-bottom-right-radius: 3px; }"
               " QSpinBox::up-button:hover, QSpinBox::down-button:hover { background: rgb(70,70,74); }"
               " QSpinBox::up-arrow { image: %2; width: %3px; height: %4px; }"
               " QSpinBox::down-arrow { image: %5; width: %3px; height: %4px; }"
               " QSpinBox:disabled { color: rgb(120,120,120); }")
        .arg(iArrowBox)
        .arg(url("/skin/spin_up.png"))
        .arg(look::scaled(10))
        .arg(look::scaled(6))
        .arg(url("/skin/spin_down.png"));
}

QString darkStyleSheet()
{
    return scrollBarStyleSheet() + QLatin1Char(' ') + checkBoxStyleSheet() + QLatin1Char(' ') + spinBoxStyleSheet() +
           QStringLiteral(" QTableCornerButton::section { background-color: rgb(15,15,15); border: none; }"
                          " QHeaderView { background-color: rgb(15,15,15); border: none; }"
                          " QHeaderView::section { background-color: rgb(15,15,15); color: rgb(235,235,235);"
                          " border: none; padding: 0 %1px; }"
                          " QToolTip { background-color: rgb(30,30,32); color: rgb(235,235,235);"
                          " border: 1px solid %2; padding: 3px; }")
               .arg(look::scaled(6))
               .arg(rgb(themeColor()));
}

QPalette darkPalette()
{
    QPalette palette;
    const QColor text(225, 225, 225);
    const QColor disabled(120, 120, 120);
    palette.setColor(QPalette::Window, QColor(28, 28, 30));
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(22, 22, 24));
    palette.setColor(QPalette::AlternateBase, QColor(32, 32, 35));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(40, 40, 44));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(70, 70, 74));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(30, 30, 32));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabled);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    return palette;
}

} // namespace widgets

#include "IconFile.h"
#include "PaintBackgrounds.h"
#include "PaintControls.h"
#include "PaintMouse.h"
#include "PaintShellButtons.h"
#include "SkinSheet.h"
#include "look/DisplayScale.h"
#include "look/LookSettings.h"

#include <QGuiApplication>
#include <QTextStream>

using namespace skingen;

// osken_skingen <skin folder>: paints every picture the program loads from skin/.
int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: osken_skingen <skin folder>\n";
        return 2;
    }
    SkinSheet sheet(args.at(1));

    sheet.save(QStringLiteral("cfgMainback.png"), paintMainBackground(1.0));
    // One picture per scale level, painted at that level's window size, for a sharp window at every scale.
    for (int iLevel = 0; iLevel < look::kScaleLevelCount; ++iLevel)
        sheet.save(QStringLiteral("cfgMainback_%1.png").arg(iLevel), paintMainBackground(look::scaleForLevel(iLevel)));
    sheet.save(QStringLiteral("dlg.png"), paintDialog(QSize(400, 258)));
    sheet.save(QStringLiteral("dlg_gun.png"), paintDialog(QSize(400, 619)));
    sheet.save(QStringLiteral("process.png"), paintProcess());

    // Tab and callout buttons, listed by the program as normal, lit, pressed = -1, -3, -2.
    sheet.save(QStringLiteral("tabbutton-1.png"), paintTabButton(ButtonState::Normal));
    sheet.save(QStringLiteral("tabbutton-3.png"), paintTabButton(ButtonState::Lit));
    sheet.save(QStringLiteral("tabbutton-2.png"), paintTabButton(ButtonState::Pressed));
    // Side buttons: 2 and 1 (normal, lit) for this mouse, 4 and 3 for the rounder family.
    for (bool bUp : {true, false}) {
        const QString stem = bUp ? QStringLiteral("btn_up%1.png") : QStringLiteral("btn_down%1.png");
        sheet.save(stem.arg(1), paintSideButton(bUp, true, false));
        sheet.save(stem.arg(2), paintSideButton(bUp, false, false));
        sheet.save(stem.arg(3), paintSideButton(bUp, true, true));
        sheet.save(stem.arg(4), paintSideButton(bUp, false, true));
    }
    // The main window's text, icon and callout buttons: -1 normal, -2 hover, -3 pressed, -4 disabled.
    const ShellState kStates[] = {ShellState::Normal, ShellState::Hover, ShellState::Pressed, ShellState::Disabled};
    for (int i = 0; i < 4; ++i) {
        sheet.save(QStringLiteral("button-%1.png").arg(i + 1), paintTextButton(kStates[i]));
        if (i < 3)
            sheet.save(QStringLiteral("callout-%1.png").arg(i + 1), paintCallout(kStates[i]));
        for (const char* glyph : {"close", "minimise", "drop", "reset", "add", "delete", "copy", "export", "import"})
            sheet.save(QStringLiteral("%1-%2.png").arg(QLatin1String(glyph)).arg(i + 1),
                       paintIconButton(QLatin1String(glyph), kStates[i]));
    }
    sheet.save(QStringLiteral("rate.png"), paintRateHandle());
    sheet.save(QStringLiteral("DPI-OFF.png"), paintStageSwitch(false));
    sheet.save(QStringLiteral("DPI-ON.png"), paintStageSwitch(true));
    sheet.save(QStringLiteral("checkbox2-1.png"), paintCheckBox(false));
    sheet.save(QStringLiteral("checkbox2-2.png"), paintCheckBox(true));
    sheet.save(QStringLiteral("profilesel.png"), paintDropDown());
    sheet.save(QStringLiteral("spin_up.png"), paintSpinArrow(true));
    sheet.save(QStringLiteral("spin_down.png"), paintSpinArrow(false));
    sheet.save(QStringLiteral("gunset_slider.png"), paintGunSlider());
    sheet.save(QStringLiteral("gunset_bullet.png"), paintBullet(false));
    sheet.save(QStringLiteral("bulletsel.png"), paintBullet(true));
    sheet.save(QStringLiteral("bat1.png"), paintBattery());
    sheet.save(QStringLiteral("lightning.png"), paintLightning());
    sheet.save(QStringLiteral("warn.png"), paintWarning());

    const QString product = look::mouseSkinName(QStringLiteral("OSKEN R5"));
    sheet.save(QStringLiteral("mouse/%1/Mouse.png").arg(product), paintMouseTop(0));
    sheet.save(QStringLiteral("mouse/%1/Mouse_glow.png").arg(product), paintMouseGlow());
    for (int iButton = 1; iButton <= kMouseButtonCount; ++iButton)
        sheet.save(QStringLiteral("mouse/%1/mouse_%2.png").arg(product).arg(iButton), paintMouseTop(iButton));
    sheet.save(QStringLiteral("mouse/%1_Side.png").arg(product), paintMouseSide());
    sheet.save(QStringLiteral("mouse/%1_Side_glow.png").arg(product), paintMouseSideGlow());

    sheet.saveBytes(QStringLiteral("icon.ico"), icoFile({paintIcon(16), paintIcon(32), paintIcon(48), paintIcon(256)}));
    sheet.save(QStringLiteral("icon.png"), paintIcon(256));
    // The desktop's icon theme, installed apart from the skin.
    for (int iSize : {16, 32, 48, 64, 128, 256})
        sheet.save(QStringLiteral("hicolor/%1x%1/apps/osken-config.png").arg(iSize), paintIcon(iSize));

    if (!sheet.failures().isEmpty()) {
        QTextStream(stderr) << "skin pictures not written: " << sheet.failures().join(QStringLiteral(", ")) << '\n';
        return 1;
    }
    QTextStream(stdout) << sheet.written() << " skin pictures in " << args.at(1) << '\n';
    return 0;
}

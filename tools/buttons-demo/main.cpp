#include "buttons/core/ButtonFunction.h"
#include "buttons/ui/OrnBtnWindow.h"
#include "buttons/ui/OrnComboKeyWindow.h"
#include "buttons/ui/OrnFireKeyWindow.h"
#include "buttons/ui/OrnMacroSelect.h"
#include "buttons/ui/OrnSingleKeyWindow.h"
#include "buttons/ui/OrnSniperWindow.h"
#include "look/DisplayScale.h"
#include "look/Language.h"
#include "macro/core/MacroFiles.h"
#include "platform/keyhook/KeyboardHook.h"
#include "store/AppSettings.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnPushButton.h"

#include "DemoSession.h"

#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

namespace F = ButtonFunction;

ProfileData sampleRecord()
{
    ProfileData profile;
    const int codes[] = {F::Left, F::Right, F::Middle, F::Forward, F::Back, F::DpiSwitch, F::FireKey, F::Code60};
    for (int i = 0; i < 8; ++i)
        profile.buttons[static_cast<size_t>(i)].Fun = codes[i];
    for (int i = 20; i < 40; ++i)
        profile.buttons[static_cast<size_t>(i)].Fun = F::Cut + (i - 20);
    profile.buttons[23].Fun = F::Macro;
    profile.buttons[23].macroname = QStringLiteral("Reload");
    profile.buttons[40].Fun = F::ScrollUp;
    profile.buttons[41].Fun = F::ScrollDown;
    profile.buttons[6].Res1 = 0x82;
    profile.buttons[6].LoopNumber = 5;
    profile.buttons[6].KeyNumber = 30;
    return profile;
}

platform::RawKeyEvent key(quint32 scanCode, quint32 flags)
{
    return platform::RawKeyEvent{scanCode, flags, 0, (flags & 0x80) == 0, false};
}

int usage()
{
    QTextStream(stderr) << "usage: osken-buttons-demo window|side|menu|extra|single|combo|fire|sniper|macro "
                           "[--quit-after ms]\n"
                           "  OSKEN_SCALE sets the display scale, OSKEN_LANG the language id (0, 1, 2)\n";
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const DemoSession session;
    if (!session.isValid())
        return 1;
    const QStringList args = app.arguments();
    const QStringList modes = {"window", "side", "menu", "extra", "single", "combo", "fire", "sniper", "macro"};
    if (args.size() < 2 || !modes.contains(args.at(1)))
        return usage();
    const QString mode = args.at(1);

    {
        QSettings settings(session.home() + QStringLiteral("/OSKEN R5/Config.ini"), QSettings::IniFormat);
        settings.setValue(QStringLiteral("MouseSenSor/OSKEN R5"), 3325);
    }
    for (const char* name : {"Reload", "Burst", "Greeting"}) {
        saveMacro(QString::fromLatin1(name), MacroFile{});
        addMacroName(QString::fromLatin1(name));
    }
    const double s = look::displayScale();

    QWidget frame;
    frame.setObjectName(QStringLiteral("frame"));
    frame.setStyleSheet(QStringLiteral("QWidget#frame { background-color: rgb(24,26,26); }"));
    frame.setFixedSize(look::scaled(640), look::scaled(520));
    ProfileData profile = sampleRecord();
    // As the main window hosts it: a scroll area of 572 x 440 in the "CUSTOMIZE" tab.
    auto* scroll = new QScrollArea(&frame);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setGeometry(look::scaled(20), look::scaled(20), look::scaled(572), look::scaled(440));
    auto* window = new OrnBtnWindow(profile, nullptr, s);
    window->resize(look::scaled(572), look::scaled(440));
    scroll->setWidget(window);
    window->layoutForProduct();
    if (mode == QLatin1String("side"))
        window->setView(OrnBtnWindow::kPageSide, 0);
    frame.move(0, 0);
    frame.show();

    QDialog* dialog = nullptr;
    if (mode == QLatin1String("single")) {
        auto* single = new OrnSingleKeyWindow(&frame);
        single->preset(0xE6);
        dialog = single;
    } else if (mode == QLatin1String("combo")) {
        auto* combo = new OrnComboKeyWindow(&frame);
        for (const auto& event : {key(0x1D, 0), key(0x2A, 0), key(0x1E, 0)})
            combo->handleRawKey(event);
        dialog = combo;
    } else if (mode == QLatin1String("fire")) {
        auto* fire = new OrnFireKeyWindow(&frame);
        fire->preset(profile.buttons[6]);
        dialog = fire;
    } else if (mode == QLatin1String("sniper")) {
        auto* sniper = new OrnSniperWindow(readSensorModel(), &frame);
        sniper->preset(4);
        dialog = sniper;
    } else if (mode == QLatin1String("macro")) {
        auto* select = new OrnMacroSelect("MACRO SELECT", QStringLiteral("Reload"), 3, 0, &frame);
        dialog = select;
    }
    if (dialog) {
        dialog->move(look::scaled(120), look::scaled(120));
        dialog->show();
        if (auto* select = qobject_cast<OrnMacroSelect*>(dialog)) {
            QTimer::singleShot(300, select, [select]() {
                select->findChild<OrnPushButton*>(QStringLiteral("macroSelectDrop"))->showMenu();
            });
        }
    } else if (mode == QLatin1String("menu") || mode == QLatin1String("extra")) {
        const int iRecord = mode == QLatin1String("menu") ? 1 : 40;
        QTimer::singleShot(300, window, [window, iRecord]() {
            OrnPushButton* button = window->label(iRecord);
            window->slotMouseEnter(button);
            QMenu* menu = iRecord == 1 ? window->mainMenu() : window->extraMenu();
            menu->popup(button->mapToGlobal(QPoint(0, button->height())));
            if (iRecord == 1) {
                // Open "Advance" as hovering would.
                for (QAction* action : menu->actions()) {
                    if (action->menu() && action == menu->actions().at(7)) {
                        menu->setActiveAction(action);
                        QTimer::singleShot(100, menu, [menu, action]() {
                            action->menu()->popup(menu->geometry().topRight() +
                                                  QPoint(0, menu->actionGeometry(action).top()));
                        });
                    }
                }
            }
        });
    }
    const int iQuit = args.indexOf(QStringLiteral("--quit-after"));
    if (iQuit > 0 && iQuit + 1 < args.size()) {
        QTimer::singleShot(args.at(iQuit + 1).toInt(), &app, []() {
            for (QWidget* widget : QApplication::topLevelWidgets())
                widget->close();
            QApplication::exit(0);
        });
    }
    return app.exec();
}

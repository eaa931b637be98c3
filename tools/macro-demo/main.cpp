#include "look/DisplayScale.h"
#include "look/Language.h"
#include "macro/core/MacroFiles.h"
#include "macro/ui/MacroDialog.h"
#include "macro/ui/MacroRowEdit.h"
#include "macro/ui/OrnGunsetDialog.h"
#include "store/AppSettings.h"

#include "DemoSession.h"

#include <QApplication>

#include <QListWidget>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Plays a short typed sequence into the editor once the recorder installs it: Shift down, A, B, Shift up.
class ReplayHook : public platform::KeyboardHook
{
public:
    bool install(platform::KeyHookCallback cb) override
    {
        m_Callback = std::move(cb);
        const struct
        {
            quint32 scan;
            bool bPressed;
        } kKeys[] = {{42, true}, {30, true}, {30, false}, {48, true}, {48, false}, {42, false}, {57, true}};
        int iAt = 150;
        for (const auto& key : kKeys) {
            QTimer::singleShot(iAt, [this, key]() {
                if (!m_Callback)
                    return;
                platform::RawKeyEvent event;
                event.scanCode = key.scan;
                event.bPressed = key.bPressed;
                event.flags = key.bPressed ? 0 : platform::RawKeyFlag::Released;
                m_Callback(event);
            });
            iAt += 120;
        }
        return true;
    }
    void uninstall() override { m_Callback = nullptr; }

private:
    platform::KeyHookCallback m_Callback;
};

void writeSamples()
{
    MacroFile combo;
    combo.DelayType = 1;
    combo.events = {keyEvent(0xE0, true),    macroedit::delayRow(50),
                    keyEvent(0x06, true),    macroedit::delayRow(30),
                    keyEvent(0x06, false),   macroedit::delayRow(20),
                    keyEvent(0xE0, false),   mouseButtonEvent(MacroMouseButton::Left, true),
                    macroedit::delayRow(10), mouseButtonEvent(MacroMouseButton::Left, false)};
    combo.events.push_back(MacroEvent{MacroEventType::Movement, 0, 251});
    saveMacro(QStringLiteral("copy_combo"), combo);
    addMacroName(QStringLiteral("copy_combo"));
    saveMacro(QStringLiteral("name_1"), MacroFile{});
    addMacroName(QStringLiteral("name_1"));
}

int usage()
{
    QTextStream(stderr) << "usage: osken-macro-demo editor|gunset [--record] [--mouse] [--quit-after ms]\n"
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
    if (args.size() < 2 || (args.at(1) != QLatin1String("editor") && args.at(1) != QLatin1String("gunset")))
        return usage();

    writeSamples();

    QWidget frame;
    frame.setWindowTitle(QStringLiteral("osken-macro-demo"));
    frame.setObjectName(QStringLiteral("frame"));
    frame.setStyleSheet(QStringLiteral("QWidget#frame { background-color: rgb(24,26,26); }"));
    const bool bRecord = args.contains(QStringLiteral("--record"));
    std::unique_ptr<platform::KeyboardHook> hook;
    if (bRecord)
        hook = std::make_unique<ReplayHook>();
    auto* editor = new MacroDialog(&frame, std::move(hook));
    frame.setFixedSize(editor->size() + QSize(look::scaled(20), look::scaled(20)));
    editor->move(look::scaled(10), look::scaled(10));
    frame.move(0, 0);
    frame.show();

    if (args.at(1) == QLatin1String("gunset")) {
        QTimer::singleShot(200, editor, [editor]() { editor->runCommand(MacroCommand::GunSet); });
    } else {
        editor->macroList()->setCurrentRow(0);
        if (args.contains(QStringLiteral("--mouse"))) {
            editor->runCommand(MacroCommand::MouseAction);
            editor->mouseTree()->topLevelItem(2)->setExpanded(true);
        }
        if (bRecord) {
            QTimer::singleShot(100, editor, [editor]() { editor->runCommand(MacroCommand::Start); });
        }
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

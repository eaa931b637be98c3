#include "GalleryWindow.h"
#include "log/Log.h"
#include "look/DisplayScale.h"
#include "look/Language.h"
#include "look/UiText.h"
#include "store/AppSettings.h"
#include "widgets/OrnMessageBox.h"
#include "widgets/OrnPopBox.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

// osken-gallery [--lang N] [--theme N] [--msgbox KIND] [--popbox] [--menu] [--bubble]
// Shows the widget kit at the display scale (OSKEN_SCALE overrides the screen's).
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption langOption(QStringLiteral("lang"), QStringLiteral("Language id 0, 1 or 2."),
                                        QStringLiteral("id"));
    const QCommandLineOption themeOption(QStringLiteral("theme"), QStringLiteral("Stores Config/GColorID."),
                                         QStringLiteral("id"));
    const QCommandLineOption boxOption(QStringLiteral("msgbox"), QStringLiteral("Also shows a message box."),
                                       QStringLiteral("kind"));
    const QCommandLineOption popOption(QStringLiteral("popbox"), QStringLiteral("Also shows the name-entry box."));
    const QCommandLineOption menuOption(QStringLiteral("menu"), QStringLiteral("Opens the rate menu."));
    const QCommandLineOption bubbleOption(QStringLiteral("bubble"), QStringLiteral("Shows the slider bubble."));
    parser.addOptions({langOption, themeOption, boxOption, popOption, menuOption, bubbleOption});
    parser.process(app);

    mergeDefaultProgramConfig();
    // The main window stores theme 1 at every start; the gallery does the same unless told otherwise.
    writeGColorId(parser.isSet(themeOption) ? parser.value(themeOption).toInt() : 1);
    const int iLang = parser.isSet(langOption) ? parser.value(langOption).toInt() : readLangId();
    look::setLanguageId(iLang);
    QTranslator translator;
    if (translator.load(look::translationFile(iLang)))
        QCoreApplication::installTranslator(&translator);
    else if (iLang != 0)
        qCWarning(lcApp, "translation for language %d not loaded", iLang);

    const double dRatio = look::ratioWithOverride(app.primaryScreen()->logicalDotsPerInch() / 96.0);
    look::setDisplayScale(look::scaleForLevel(look::scaleLevelForRatio(dRatio)));

    GalleryWindow window;
    window.move(0, 0);
    window.show();

    QScopedPointer<QDialog> box;
    if (parser.isSet(boxOption)) {
        const int iKind = parser.value(boxOption).toInt();
        if (iKind == OrnMessageBox::kKindQuestion)
            box.reset(new OrnMessageBox(iKind, uiText("Are you sure you want delete this profile?"), uiText("Warning"),
                                        QString(), &window));
        else
            box.reset(new OrnMessageBox(iKind, uiText("NO MOUSE DETECTED!"), uiText("Warning"),
                                        uiText("Mouse is sleeping or not connected."), &window, true,
                                        Qt::FramelessWindowHint, [] { return false; }));
    } else if (parser.isSet(popOption)) {
        box.reset(new OrnPopBox(uiText("Please input file name."), &window));
    }
    if (box) {
        box->move(window.geometry().center() - box->rect().center());
        box->show();
    }
    if (parser.isSet(menuOption))
        QTimer::singleShot(200, &window, [&window] { window.popUpMenu(); });
    if (parser.isSet(bubbleOption))
        QTimer::singleShot(200, &window, [&window] { window.pressSlider(); });
    return app.exec();
}

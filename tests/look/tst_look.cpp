#include "TestDataHome.h"
#include "TestMain.h"
#include "look/DisplayScale.h"
#include "look/Language.h"
#include "look/ScaledBackground.h"
#include "look/ThemeColor.h"
#include "look/UiText.h"
#include "look/UiTextCatalogue.h"
#include "store/AppSettings.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString translation;
    bool bFinished = false;
};

QString sourceDir()
{
    return qEnvironmentVariable("OSKEN_SOURCE_DIR");
}

QString skinDir()
{
    return qEnvironmentVariable("OSKEN_RUNTIME_DIR") + "/skin";
}

// Messages of the "Osken" context of one .ts file, by source text.
QHash<QString, Message> readTs(const QString& path)
{
    QHash<QString, Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && context == QLatin1String("Osken")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            Message message;
            message.translation = xml.readElementText();
            message.bFinished = type.isEmpty() && !message.translation.isEmpty();
            messages.insert(source, message);
        }
    }
    return messages;
}

// The text inside the bracket that opens at `open`, or an empty text when it does not close.
QString bracketed(const QString& content, int open)
{
    const QChar opening = content.at(open);
    const QChar closing = opening == '(' ? ')' : '}';
    int depth = 0;
    for (int i = open; i < content.size(); ++i) {
        if (content.at(i) == opening)
            ++depth;
        else if (content.at(i) == closing && --depth == 0)
            return content.mid(open + 1, i - open - 1);
    }
    return QString();
}

const QString kLiteral = QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\"");

// The first capture of each match of `pattern` in `text`, unescaped.
void addLiterals(QSet<QString>& texts, const QString& text, const QString& pattern = kLiteral)
{
    auto matches = QRegularExpression(pattern).globalMatch(text);
    while (matches.hasNext()) {
        QString literal = matches.next().captured(1);
        texts.insert(literal.replace("\\n", "\n").replace("\\\"", "\"").replace("\\\\", "\\"));
    }
}

// Every literal text of the "Osken" context in the program's sources, whoever wrote them: written into
// uiText(), marked with QT_TRANSLATE_NOOP, or reaching uiText() through a helper's const char* parameter, a
// table or a function's return value.
QSet<QString> uiTextLiterals()
{
    QStringList contents;
    for (const char* folder : {"/src", "/tools"}) {
        QDirIterator it(sourceDir() + QLatin1String(folder), {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (file.open(QIODevice::ReadOnly))
                contents << QString::fromUtf8(file.readAll());
        }
    }
    // A function's or constructor's definition, up to the brace that opens its body.
    const QString definition = QStringLiteral("\\b%1\\s*\\(([^()]*)\\)[^;{}()]*(?:\\([^()]*\\)[^;{}()]*)*\\{");
    QSet<QString> texts;
    QSet<QString> helpers; // functions that translate a const char* parameter
    QSet<QString> tables;
    QSet<QString> textFunctions;
    for (const QString& content : contents) {
        addLiterals(texts, content,
                    "\\b(?:uiText\\(|QT_TRANSLATE_NOOP\\(\\s*\"Osken\"\\s*,)\\s*" + kLiteral + "\\s*\\)");
        auto names = QRegularExpression(QStringLiteral("\\buiText\\(\\s*(\\w+)\\s*([\\[(])")).globalMatch(content);
        while (names.hasNext()) {
            const QRegularExpressionMatch match = names.next();
            (match.captured(2) == QLatin1String("[") ? tables : textFunctions).insert(match.captured(1));
        }
        auto definitions = QRegularExpression(definition.arg("(\\w+)")).globalMatch(content);
        while (definitions.hasNext()) {
            const QRegularExpressionMatch match = definitions.next();
            auto parameters =
                QRegularExpression(QStringLiteral("const\\s+char\\s*\\*\\s*(\\w+)")).globalMatch(match.captured(2));
            const QString body = parameters.hasNext() ? bracketed(content, match.capturedEnd() - 1) : QString();
            while (parameters.hasNext()) {
                if (body.contains(QRegularExpression("\\buiText\\(\\s*" + parameters.next().captured(1) + "\\s*\\)")))
                    helpers.insert(match.captured(1));
            }
        }
    }
    for (const QString& content : contents) {
        // The literal arguments of a helper's calls and constructions ("Type name("); a table's every literal.
        for (const QString& name : helpers + tables) {
            const QString pattern = tables.contains(name) ? kLiteral : "(?:^|,)\\s*" + kLiteral + "\\s*(?=,|$)";
            auto uses = QRegularExpression(
                            QStringLiteral("\\b%1\\s*(?:\\w+\\s*\\(|\\(|(?:\\[[^\\]]*\\])?\\s*=\\s*\\{)").arg(name))
                            .globalMatch(content);
            while (uses.hasNext())
                addLiterals(texts, bracketed(content, uses.next().capturedEnd() - 1), pattern);
        }
        for (const QString& function : textFunctions) {
            auto definitions = QRegularExpression(definition.arg(function)).globalMatch(content);
            while (definitions.hasNext())
                addLiterals(texts, bracketed(content, definitions.next().capturedEnd() - 1),
                            "\\breturn\\s+" + kLiteral);
        }
    }
    texts.remove(QStringLiteral("Osken")); // the context of QT_TRANSLATE_NOOP entries in a table
    texts.remove(QString());               // `return "";` of a function that has no text for a value
    return texts;
}

// Placeholders and accelerators that the code fills in or the toolkit reads.
QStringList markers(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%[0-9a-z]|&[A-Za-z]"));
    QStringList found;
    auto matches = marker.globalMatch(text);
    while (matches.hasNext())
        found << matches.next().captured(0);
    found.sort();
    return found;
}

} // namespace

class LookTranslationsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(sourceDir() + "/src/look/UiText.h"), "OSKEN_SOURCE_DIR must name the sources");
        QVERIFY(uiTextCatalogue().contains("NO MOUSE DETECTED!"));
    }

    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addRow("en") << "en.ts";
        QTest::addRow("simplified") << "sc.ts";
        QTest::addRow("traditional") << "tc.ts";
    }
    void everyTextIsTranslated()
    {
        QFETCH(QString, file);
        const QHash<QString, Message> messages = readTs(sourceDir() + "/lang/" + file);
        QVERIFY(!messages.isEmpty());
        QStringList missing;
        QStringList wrongMarkers;
        QSet<QString> required = uiTextLiterals();
        for (const QString& text : uiTextCatalogue())
            required.insert(text);
        for (const QString& text : required) {
            const Message message = messages.value(text);
            if (!message.bFinished)
                missing << text;
            else if (markers(message.translation) != markers(text))
                wrongMarkers << text;
        }
        QVERIFY2(missing.isEmpty(),
                 qPrintable("no finished translation (run the osken_lang_update target, then translate): " +
                            missing.join(" | ")));
        QVERIFY2(wrongMarkers.isEmpty(), qPrintable("placeholders differ: " + wrongMarkers.join(" | ")));
    }

    void scriptsAreNotMixed()
    {
        // Characters that differ between the two scripts and occur in this program's vocabulary.
        const QString simplifiedOnly = QString::fromUtf8("键设标删载动认级择灯报录数据为这发连单击开关闭");
        const QString traditionalOnly = QString::fromUtf8("鍵設標刪載動認級擇燈報錄數據為這發連單擊開關閉");
        const QHash<QString, Message> sc = readTs(sourceDir() + "/lang/sc.ts");
        const QHash<QString, Message> tc = readTs(sourceDir() + "/lang/tc.ts");
        for (auto it = sc.cbegin(); it != sc.cend(); ++it) {
            // The language names are written in their own script.
            if (it.key() == QString::fromUtf8("简体中文") || it.key() == QString::fromUtf8("繁體中文"))
                continue;
            for (const QChar c : it->translation)
                QVERIFY2(!traditionalOnly.contains(c),
                         qPrintable("traditional character in sc.ts: " + it->translation));
            for (const QChar c : tc.value(it.key()).translation)
                QVERIFY2(!simplifiedOnly.contains(c),
                         qPrintable("simplified character in tc.ts: " + tc.value(it.key()).translation));
        }
    }

    // The built files, switched to, stored and read back at the next start.
    void switchStoresIdAndRetranslates()
    {
        TestDataHome home;
        look::OrnLanguage language;
        QVERIFY(language.switchLanguage(1));
        QCOMPARE(readLangId(), 1);
        QCOMPARE(uiText("Apply"), QString::fromUtf8("应用"));
        QVERIFY(language.switchLanguage(2));
        QCOMPARE(uiText("Apply"), QString::fromUtf8("套用"));
        QCOMPARE(uiText("&Quit"), QString::fromUtf8("結束(&Q)")); // the accelerator kept
        QVERIFY(language.switchLanguage(0));
        QCOMPARE(uiText("Apply"), QStringLiteral("Apply"));
        QCOMPARE(uiText("LOAD1"), QStringLiteral("LOAD")); // the English words of kept keys
        QCOMPARE(readLangId(), 0);

        // A restart reads the stored id back.
        QVERIFY(language.switchLanguage(2));
        look::OrnLanguage restarted;
        look::setLanguageId(0);
        QVERIFY(restarted.loadStartupLanguage());
        QCOMPARE(look::languageId(), 2);
    }
};

class LookSkinTest : public QObject
{
    Q_OBJECT
private slots:
    // Pictures named through a pattern or outside the sources, which the scan below cannot follow.
    void namedPictureExists_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addRow("front view") << "mouse/OSKEN_R5/Mouse.png";
        QTest::addRow("side view") << "mouse/OSKEN_R5_Side.png";
        QTest::addRow("icon") << "icon.png";
        for (int i = 1; i <= 7; ++i)
            QTest::addRow("mouse_%d", i) << QString("mouse/OSKEN_R5/mouse_%1.png").arg(i);
    }
    void namedPictureExists()
    {
        QFETCH(QString, path);
        QImageReader reader(skinDir() + "/" + path);
        QVERIFY2(!reader.read().isNull(), qPrintable(path + ": " + reader.errorString()));
    }

    // A picture that a window names but the generator does not paint would show as an empty widget.
    void everyPathInTheSourcesIsPainted()
    {
        static const QRegularExpression literal(QStringLiteral("\"\\.?/skin/([^\"%]+\\.(?:png|ico))\""));
        QStringList missing;
        int iFound = 0;
        QDirIterator it(sourceDir() + "/src", {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            auto matches = literal.globalMatch(QString::fromUtf8(file.readAll()));
            while (matches.hasNext()) {
                const QString name = matches.next().captured(1);
                ++iFound;
                if (!QFile::exists(skinDir() + "/" + name))
                    missing << name + " (" + it.fileName() + ")";
            }
        }
        QVERIFY(iFound > 0);
        QVERIFY2(missing.isEmpty(), qPrintable("not painted: " + missing.join(", ")));
    }

    void levelBackgroundsHaveTheWindowSize()
    {
        for (int iLevel = 0; iLevel < look::kScaleLevelCount; ++iLevel) {
            const QString path = skinDir() + QString("/cfgMainback_%1.png").arg(iLevel);
            QCOMPARE(QImageReader(path).size(), look::scaledWindowSize(look::scaleForLevel(iLevel)));
        }
        // The window's mask comes from the picture: cut corners, solid inside.
        const QImage level4(skinDir() + "/cfgMainback_4.png");
        QCOMPARE(qAlpha(level4.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(level4.pixel(level4.width() - 1, level4.height() - 1)), 0);
        QCOMPARE(qAlpha(level4.pixel(level4.width() / 2, level4.height() / 2)), 255);
    }

    void scaledBackgroundPrefersPaintedLevel()
    {
        QTemporaryDir dir;
        QImage painted(look::scaledWindowSize(1.5), QImage::Format_RGB32);
        painted.fill(Qt::blue);
        QVERIFY(painted.save(dir.path() + "/bg_2.png"));
        QImage wrongSize(100, 100, QImage::Format_RGB32);
        wrongSize.fill(Qt::green);
        QVERIFY(wrongSize.save(dir.path() + "/bg_1.png"));

        QPixmap source(QSize(999, 640));
        source.fill(Qt::red);
        look::ScaledBackground background(source);
        background.setLevelPictures(dir.path() + "/bg_%1.png");
        QVERIFY(!background.has(2));

        const QImage level2 = background.forLevel(2).toImage();
        QCOMPARE(level2.size(), QSize(1498, 960));
        QCOMPARE(QColor(level2.pixel(10, 10)), QColor(Qt::blue));
        QVERIFY(background.has(2));
        // A picture of another size, or none, falls back to scaling the source.
        const QImage level1 = background.forLevel(1).toImage();
        QCOMPARE(level1.size(), QSize(1248, 800));
        QCOMPARE(QColor(level1.pixel(10, 10)), QColor(Qt::red));
        QCOMPARE(background.forLevel(-5).size(), QSize(999, 640));
    }
};

class LookScaleTest : public QObject
{
    Q_OBJECT
private slots:
    void levelForRatio_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("level");
        QTest::addRow("1.1") << 1.1 << 1;
        QTest::addRow("1.35 stays at 1.25") << 1.35 << 1;
        QTest::addRow("1.4") << 1.4 << 2;
        QTest::addRow("4.79") << 4.79 << 15;
        QTest::addRow("9.0") << 9.0 << 16;
        QTest::addRow("negative") << -2.0 << 0;
    }
    void levelForRatio()
    {
        QFETCH(double, ratio);
        QFETCH(int, level);
        QCOMPARE(look::scaleLevelForRatio(ratio), level);
    }
    void resizeMatchesWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("level");
        QTest::addRow("1489 within 9 of 1498") << 1489 << 2;
        QTest::addRow("1488 outside") << 1488 << 0;
        QTest::addRow("1757") << 1757 << 3;
    }
    void resizeMatchesWidth()
    {
        QFETCH(int, width);
        QFETCH(int, level);
        // Same level as last time, size unchanged: the width decides; no match keeps the ratio's level 0.
        QCOMPARE(look::resolveResize(1.0, 0, true, width).iLevel, level);
        QCOMPARE(look::resolveResize(1.0, 0, false, width).iLevel, 0);
    }
    // A stored theme id out of range falls back to the first colour.
    void themeIdOutOfRange()
    {
        QCOMPARE(look::themeColor(7), look::themeColor(0));
        QCOMPARE(look::themeColor(-1), look::themeColor(0));
        QVERIFY(look::themeColor(6) != look::themeColor(0));
    }
    void switchStoresLangIdWithoutFile()
    {
        TestDataHome home;
        QTemporaryDir dir;
        qputenv("OSKEN_RUNTIME_DIR", dir.path().toLocal8Bit());
        look::OrnLanguage language;
        // No .qm files here: the id is still stored, nothing is installed.
        QVERIFY(!language.switchLanguage(1));
        QCOMPARE(look::languageId(), 1);
        QCOMPARE(readLangId(), 1);
        QVERIFY(!language.switchLanguage(7));
        QCOMPARE(look::languageId(), 1);
    }
};

int main(int argc, char** argv)
{
    return runTestClasses<QGuiApplication, LookTranslationsTest, LookSkinTest, LookScaleTest>(argc, argv);
}

#include "tst_look.moc"

// The store writes and reads its profile and configuration files without QSettings: these cases hold it to
// what QSettings (with QColor for the colours) writes and reads for the same keys and values.
#include "store/IniFile.h"
#include "store/IniScanner.h"
#include "store/SettingsValue.h"

#include "TestDataHome.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QSettings>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

RgbColor rgbOf(const QColor& color)
{
    if (!color.isValid())
        return {};
    const QColor rgb = color.toRgb();
    return RgbColor::fromRgb(quint8(rgb.red()), quint8(rgb.green()), quint8(rgb.blue()));
}

QString describe(const RgbColor& c)
{
    return c.valid ? QStringLiteral("rgb(%1,%2,%3)").arg(c.red).arg(c.green).arg(c.blue) : QStringLiteral("invalid");
}

} // namespace

using Values = QList<QPair<QString, QVariant>>;
Q_DECLARE_METATYPE(Values)

class TestIniFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesWhatQSettingsWrites_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<Values>("values");
        const QString escaped =
            QString::fromUtf8("m, 1 = \"x\"; \xC3\xA4 \xE4\xB8\xAD\t\\") + QChar(0x1) + QStringLiteral("f");
        QTest::addRow("numbers, sections and key order") << QByteArray() << Values{{"PROFILE/b", 2},
                                                                                   {"PROFILE/a", -2147483647 - 1},
                                                                                   {"PROFILE_1/x", 4294967295u},
                                                                                   {"A-B/k", 1},
                                                                                   {"A/k", 0},
                                                                                   {"top", 7},
                                                                                   {"general/k", 3},
                                                                                   {"PROFILE/LedMode/x", 9}};
        QTest::addRow("texts") << QByteArray()
                               << Values{{"S/empty", QString()},
                                         {"S/escaped", escaped},
                                         {"S/at", "@at"},
                                         {"S/spaces", " lead trail "},
                                         {"S/nul", QString(QChar::Null) + "0a"},
                                         {"S/key with %/U\xE4", "x"}};
        QVariantList colours;
        for (int c : {0x3B, 0x22, 0x5C, 0x3D, 0x2C, 0x20, 0x00, 0x0A, 0x7F, 0x80, 0xFF, 0x30, 0x41, 0x61})
            colours.append(QColor(c, 0xFF - c, c ^ 0x55));
        Values colourValues{{"L/invalid", QColor()}};
        for (int i = 0; i < colours.size(); ++i)
            colourValues.append({QStringLiteral("L/c%1").arg(i), colours[i]});
        QTest::addRow("colours") << QByteArray() << colourValues;
        QTest::addRow("rewrite of a hand-written file")
            << QByteArray("; comment\n[PROFILE]\nb = 1 \nlist=a, \"b,c\" ,@@d\nq=\"x\" "
                          "y\nv=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
                          "c=@Variant(\\0\\0\\0\\x43\\x2\\xff\\xffN \\x80\\x80MM\\0\\0)\nr=@Rect(1 2 3)\nu=@unknown\n"
                          "s=@String(in)\n[General]\nPROFILE\\a=2\n[%General]\nk=1\n")
            << Values{{"PROFILE/new", 5}, {"PROFILE/b", 6}};
    }

    void writesWhatQSettingsWrites()
    {
        QFETCH(QByteArray, existing);
        QFETCH(Values, values);
        TestDataHome home;
        const QString byQt = home.writeFile(QStringLiteral("qt.ini"), existing);
        const QString byStore = home.writeFile(QStringLiteral("store.ini"), existing);
        {
            QSettings settings(byQt, QSettings::IniFormat);
            for (const auto& value : values)
                settings.setValue(value.first, value.second);
            QVERIFY(syncSettings(settings));
        }
        IniFile file = IniFile::read(byStore);
        for (const auto& value : values) {
            const QVariant& v = value.second;
            if (v.userType() == QMetaType::QColor)
                file.setColour(value.first, rgbOf(v.value<QColor>()));
            else if (v.userType() == QMetaType::QString)
                file.setText(value.first, v.toString());
            else
                file.setNumber(value.first, v.toLongLong());
        }
        QVERIFY(file.save(byStore));
        QCOMPARE(fileBytes(byStore), fileBytes(byQt));
    }

    void readsWhatQSettingsReads_data()
    {
        QTest::addColumn<QByteArray>("value");
        for (const char* value : {"300",
                                  "-1",
                                  "4294967301",
                                  "99999999999999999999",
                                  " 7 ",
                                  "fast",
                                  "1, 2",
                                  "@Invalid()",
                                  "@ByteArray(33)",
                                  "@String(8)",
                                  "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)",
                                  "@Variant(\\0\\0\\0\\x6@\\x14\\0\\0\\0\\0\\0\\0)",
                                  "@Rect(1 2 3 4)",
                                  "@unknown",
                                  "a, @@b",
                                  "  \"spaced \"  tail  ",
                                  "x\\x41\\x4e2d\\101\\q",
                                  "\"multi\nline\"",
                                  "ends\\",
                                  "red",
                                  "#0a14ff",
                                  "Light Blue",
                                  "#80ff0000",
                                  "#12345g",
                                  "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff)",
                                  "@Variant(\\0\\0\\0\\n\\0\\0\\0\\x6\\0r\\0\\x65\\0\\x64)"})
            QTest::addRow("%s", value) << QByteArray(value);
    }

    void readsWhatQSettingsReads()
    {
        QFETCH(QByteArray, value);
        TestDataHome home;
        const QString path = home.writeFile(QStringLiteral("r.ini"), "[S]\nk=" + value + "\n");
        const QSettings settings(path, QSettings::IniFormat);
        const IniFile file = IniFile::read(path);
        const QString key = QStringLiteral("S/k");
        QCOMPARE(file.number(key), readNumber<qint64>(settings, key));
        QCOMPARE(file.text(key), readText(settings, key));
        // What the program read before: the colour itself, or a text converted like a variant.
        const QVariant stored = settings.value(key);
        QCOMPARE(describe(file.colour(key)),
                 describe(rgbOf(stored.canConvert<QColor>() ? stored.value<QColor>() : QColor())));
    }

    void colourNamesAndModels()
    {
        QStringList names = QColor::colorNames();
        names << " light  blue "
              << "#abc"
              << "#aaabbbccc"
              << "#abcd"
              << "red\xE4";
        TestDataHome home;
        QSettings settings(home.path() + QStringLiteral("/c.ini"), QSettings::IniFormat);
        for (int i = 0; i < names.size(); ++i)
            settings.setValue(QStringLiteral("N/%1").arg(i), names[i]);
        // Colours in every model a Qt colour can be stored in, also at the edges of their ranges.
        QList<QColor> models;
        for (int step = 0; step <= 8; ++step) {
            const int h = step * 45 % 360;
            const int s = step * 32 > 255 ? 255 : step * 32;
            models << QColor::fromHsv(h, s, 255 - s) << QColor::fromHsl(h, 255 - s, s) << QColor::fromHsl(h, 255, s)
                   << QColor::fromCmyk(s, 255 - s, s / 2, step * 7) << QColor::fromRgbF(step / 8.0, 1.2, -0.1)
                   << QColor::fromHsvF(step / 8.0 * 0.999, 0.77777, 0.33333);
        }
        for (int i = 0; i < models.size(); ++i)
            settings.setValue(QStringLiteral("M/%1").arg(i), models[i]);
        QVERIFY(syncSettings(settings));

        const IniFile file = IniFile::read(settings.fileName());
        for (int i = 0; i < names.size(); ++i)
            QVERIFY2(describe(file.colour(QStringLiteral("N/%1").arg(i))) == describe(rgbOf(QColor(names[i]))),
                     qPrintable(names[i]));
        for (int i = 0; i < models.size(); ++i)
            QCOMPARE(describe(file.colour(QStringLiteral("M/%1").arg(i))), describe(rgbOf(models[i])));

        // A colour model Qt does not know reads as black, as settings read through Qt gave it; Qt itself is not
        // asked here, its reader builds a QColor with an invalid model from these bytes.
        const QString bad =
            home.writeFile(QStringLiteral("bad.ini"),
                           "[S]\nk=@Variant(\\0\\0\\0\\x43\\x9\\xff\\xff\\xff\\xff\\0\\0\\xff\\xff\\0\\0)\n");
        QCOMPARE(describe(IniFile::read(bad).colour(QStringLiteral("S/k"))), QStringLiteral("rgb(0,0,0)"));
    }

    void piecesReadAsTheWholeText()
    {
        // A large import is read in pieces that cut lines anywhere: the byte order mark's line, a value quoted
        // over two lines, a continued line, CR LF ends, a comment, a section left open.
        const QByteArray text = "\xEF\xBB\xBF k1=a\r\n[S]\nk2=\"two\nlines\"\n; note\nk3=x\\\r\ny\r\n[T\nk4 = 4";
        const auto lines = [](ini::Scanner& scanner) {
            QList<QByteArray> seen;
            while (scanner.next())
                seen << scanner.sectionPrefix().toLatin1() +
                            QByteArray(scanner.keyBegin(), int(scanner.keyEnd() - scanner.keyBegin())) + '=' +
                            QByteArray(scanner.valueBegin(), int(scanner.valueEnd() - scanner.valueBegin()));
            return seen << QByteArray::number(scanner.hadFormatError());
        };
        ini::Scanner whole(text);
        const QList<QByteArray> expected = lines(whole);
        QCOMPARE(expected.size(), 5);
        for (int piece = 1; piece <= text.size(); ++piece) {
            QBuffer source;
            source.setData(text);
            QVERIFY(source.open(QIODevice::ReadOnly));
            ini::Scanner pieces(source, piece);
            QCOMPARE(lines(pieces), expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"

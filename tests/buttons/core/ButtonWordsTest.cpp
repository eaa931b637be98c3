#include "buttons/core/ButtonWords.h"
#include "buttons/core/ButtonFunction.h"

#include <QTest>

Q_DECLARE_METATYPE(ButtonGroup)

class ButtonWordsTest : public QObject
{
    Q_OBJECT

private slots:
    // A word gives the bytes the mouse receives, and show prints the record back as the word.
    void wordsReachTheMouseAndReadBack_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<ButtonGroup>("group");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("entry");
        const auto front = ButtonGroup::Front;
        QTest::addRow("fixed, any case") << "Media:Next" << front << "media:next"
                                         << "8e01b500";
        QTest::addRow("dpi up") << "dpi:+" << front << "dpi:+"
                                << "8a000000";
        QTest::addRow("off") << "off" << front << "off"
                             << "00000000";
        QTest::addRow("key with a space") << "key:page-up" << front << "key:Page-Up"
                                          << "90004b00";
        QTest::addRow("chord in any order") << "chord:a+shift+ctrl" << front << "chord:ctrl+shift+A"
                                            << "8f030400";
        QTest::addRow("chord of a key named with +") << "chord:alt+num-+" << front << "chord:alt+Num-+"
                                                     << "8f045700";
        QTest::addRow("right-hand modifier") << "chord:RCtr+c" << front << "chord:ctrl+C"
                                             << "8f010600";
        QTest::addRow("fire on the right button") << "fire:right:5:30" << front << "fire:right:5:30"
                                                  << "99820503";
        QTest::addRow("fire from a key") << "fire:key:F8:2:100" << front << "fire:key:F8:2:100"
                                         << "9941020a";
        QTest::addRow("fire defaults") << "fire:middle" << front << "fire:middle:3:10"
                                       << "99840301";
        QTest::addRow("sniper by DPI") << "sniper:400" << front << "sniper:400"
                                       << "9a010808";
        QTest::addRow("macro held") << "macro:a:b:while-held" << front << "macro:a:b:while-held"
                                    << "9180ffff";
        QTest::addRow("macro times") << "macro:Burst:5" << front << "macro:Burst:5"
                                     << "91000500";
        QTest::addRow("wheel volume") << "media:volume-up" << ButtonGroup::Wheel << "media:volume-up"
                                      << "8e01e900";
    }
    void wordsReachTheMouseAndReadBack()
    {
        QFETCH(QString, word);
        QFETCH(ButtonGroup, group);
        QString error;
        const auto assignment = parseButtonWord(word, group, 3325, error);
        QVERIFY2(assignment, qPrintable(error));
        ButtonInfo record;
        assignButton(record, *assignment);
        QTEST(buttonWord(record, 3325), "printed");
        MacroSlotMap macroSlots;
        const DeviceEntry bytes = encodeButtonEntry(record, 3325, macroSlots);
        QTEST(QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes.data()), 4).toHex()), "entry");
    }

    void refusedWords_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<ButtonGroup>("group");
        QTest::addColumn<int>("sensor");
        const auto front = ButtonGroup::Front;
        QTest::addRow("unknown") << "jump" << front << 3325;
        QTest::addRow("menu does not offer it") << "profile:+" << front << 3325;
        QTest::addRow("wheel only") << "scroll:up" << front << 3325;
        QTest::addRow("not on the wheel") << "copy" << ButtonGroup::Wheel << 3325;
        QTest::addRow("mouse button as key") << "key:Left-Button" << front << 3325;
        QTest::addRow("two chord keys") << "chord:ctrl+a+b" << front << 3325;
        QTest::addRow("modifier twice") << "chord:ctrl+LCtr+a" << front << 3325;
        QTest::addRow("no shots") << "fire:left:0:50" << front << 3325;
        QTest::addRow("pause too short") << "fire:left:3:5" << front << 3325;
        QTest::addRow("not a sniper step") << "sniper:450" << front << 3325;
        QTest::addRow("sniper of an unknown sensor") << "sniper:400" << front << 0;
        QTest::addRow("macro without name") << "macro::3" << front << 3325;
    }
    void refusedWords()
    {
        QFETCH(QString, word);
        QFETCH(ButtonGroup, group);
        QFETCH(int, sensor);
        QString error;
        QVERIFY(!parseButtonWord(word, group, sensor, error));
        QVERIFY(!error.isEmpty() && !error.contains('\n'));
    }

    // Every fixed word is taken by the group it is listed for, and names a code that exists.
    void listedWordsParse()
    {
        for (ButtonGroup group : {ButtonGroup::Front, ButtonGroup::Wheel}) {
            for (const FunctionWordRow& row : fixedFunctionWords(group)) {
                QString error;
                const auto assignment = parseButtonWord(row.word, group, 3325, error);
                QVERIFY2(assignment && assignment->code == row.code && buttonFunctionRow(row.code),
                         qPrintable(row.word));
            }
        }
    }
};

QTEST_GUILESS_MAIN(ButtonWordsTest)
#include "ButtonWordsTest.moc"

#include "CtlArguments.h"

#include <QTest>

Q_DECLARE_METATYPE(CtlCommand)

class CtlArgumentsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
};

void CtlArgumentsTest::accepted_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<CtlCommand>("command");
    QTest::addColumn<QString>("product"); // "" = not given
    QTest::addColumn<int>("sensor");      // -1 = not given
    QTest::addColumn<uint>("sections");
    QTest::addColumn<QString>("file");
    QTest::addRow("frames defaults") << QStringList{"frames", "a.conf"} << CtlCommand::Frames << "" << -1 << 15u
                                     << "a.conf";
    QTest::addRow("frames all options") << QStringList{"frames",     "--product", "Wireless Mouse", "--sensor", "3360",
                                                       "--sections", "8",         "b.conf"}
                                        << CtlCommand::Frames << "Wireless Mouse" << 3360 << 8u << "b.conf";
    QTest::addRow("hex mask, file first")
        << QStringList{"frames", "c.conf", "--sections", "0x0C"} << CtlCommand::Frames << "" << -1 << 12u << "c.conf";
    QTest::addRow("mask 0") << QStringList{"frames", "--sections", "0", "c.conf"} << CtlCommand::Frames << "" << -1
                            << 0u << "c.conf";
    QTest::addRow("apply prof") << QStringList{"apply", "x.prof"} << CtlCommand::Apply << "" << -1 << 15u << "x.prof";
    QTest::addRow("defaults") << QStringList{"defaults", "--product", "7138", "d.prof"} << CtlCommand::Defaults
                              << "7138" << -1 << 15u << "d.prof";
    QTest::addRow("status") << QStringList{"status"} << CtlCommand::Status << "" << -1 << 15u << "";
    QTest::addRow("list") << QStringList{"list"} << CtlCommand::List << "" << -1 << 15u << "";
    QTest::addRow("help") << QStringList{"--help"} << CtlCommand::Help << "" << -1 << 15u << "";
    QTest::addRow("command help") << QStringList{"frames", "--help"} << CtlCommand::Help << "" << -1 << 15u << "";
}

void CtlArgumentsTest::accepted()
{
    QFETCH(QStringList, args);
    QFETCH(CtlCommand, command);
    QFETCH(QString, product);
    QFETCH(int, sensor);
    QFETCH(uint, sections);
    QFETCH(QString, file);
    CtlRequest request;
    QString error;
    QVERIFY2(parseCtlArguments(args, request, error), qPrintable(error));
    QCOMPARE(request.command, command);
    QCOMPARE(request.product.value_or(QString()), product);
    QCOMPARE(request.sensor.value_or(-1), sensor);
    QCOMPARE(request.sections, sections);
    QCOMPARE(request.file, file);
}

void CtlArgumentsTest::refused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addRow("nothing") << QStringList{};
    QTest::addRow("unknown command") << QStringList{"flash", "a.conf"};
    QTest::addRow("no file") << QStringList{"frames"};
    QTest::addRow("two files") << QStringList{"frames", "a.conf", "b.conf"};
    QTest::addRow("wrong suffix") << QStringList{"frames", "a.ini"};
    QTest::addRow("defaults needs .prof") << QStringList{"defaults", "a.conf"};
    QTest::addRow("mask too big") << QStringList{"frames", "--sections", "16", "a.conf"};
    QTest::addRow("mask not a number") << QStringList{"frames", "--sections", "all", "a.conf"};
    QTest::addRow("negative mask") << QStringList{"frames", "--sections", "-1", "a.conf"};
    QTest::addRow("bad hex") << QStringList{"frames", "--sections", "0x", "a.conf"};
    QTest::addRow("sensor not a number") << QStringList{"frames", "--sensor", "33x5", "a.conf"};
    QTest::addRow("option without value") << QStringList{"frames", "a.conf", "--product"};
    QTest::addRow("empty product") << QStringList{"frames", "--product", "", "a.conf"};
    QTest::addRow("unknown option") << QStringList{"frames", "--force", "a.conf"};
    QTest::addRow("apply takes no product") << QStringList{"apply", "--product", "X", "a.conf"};
    QTest::addRow("defaults takes no sensor") << QStringList{"defaults", "--sensor", "1", "a.prof"};
    QTest::addRow("status takes no file") << QStringList{"status", "a.conf"};
    QTest::addRow("dpi takes two words") << QStringList{"dpi", "2"};
    QTest::addRow("slot out of range") << QStringList{"show", "--slot", "6"};
    QTest::addRow("json of a change") << QStringList{"rate", "500", "--json"};
    QTest::addRow("speed of nothing") << QStringList{"speed", "--slot", "2"};
    QTest::addRow("y not a number") << QStringList{"dpi", "2", "800", "--y", "x"};
}

void CtlArgumentsTest::refused()
{
    QFETCH(QStringList, args);
    CtlRequest request;
    QString error;
    QVERIFY(!parseCtlArguments(args, request, error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!error.contains(QLatin1Char('\n')));
}

QTEST_GUILESS_MAIN(CtlArgumentsTest)
#include "tst_ctl_arguments.moc"

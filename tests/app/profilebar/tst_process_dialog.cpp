#include "CommandRig.h"

#include "app/profilebar/OrnProcessDialog.h"
#include "app/profilebar/OrnProcessThread.h"
#include "look/UiText.h"
#include "store/DataPaths.h"

#include <QDir>
#include <QProgressBar>
#include <QTest>

class TestProcessDialog : public QObject
{
    Q_OBJECT
private slots:
    void barFollowsTheWrite();
    void outcomeIsReported_data();
    void outcomeIsReported();
    void dialogShape();
};

void TestProcessDialog::barFollowsTheWrite()
{
    CommandRig rig;
    const auto run = [&rig] {
        OrnProcessDialog dialog(rig.session);
        QList<int> steps;
        QObject::connect(dialog.progressBar(), &QProgressBar::valueChanged, [&steps](int v) { steps << v; });
        OrnProcessThread thread;
        QObject::connect(&thread, &OrnProcessThread::DoProcessDlg, &dialog, &OrnProcessDialog::slotProcessDlg,
                         Qt::QueuedConnection);
        thread.start();
        const int iAccepted = dialog.exec();
        thread.wait();
        return iAccepted == QDialog::Accepted ? steps : QList<int>{-1};
    };
    QCOMPARE(run(), (QList<int>{15, 25, 80, 100}));
    QVERIFY(rig.mouse.frames.empty());
    writeDiff(1);
    QCOMPARE(run(), (QList<int>{15, 25, 50, 80, 100}));
    QVERIFY(!rig.mouse.frames.empty());
}

void TestProcessDialog::outcomeIsReported_data()
{
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("message");
    QTest::addRow("landed") << 0 << QString();
    QTest::addRow("write failed") << int(DeviceResult::WriteFailed) << "Send data failed, please try again.";
    QTest::addRow("gave up") << int(DeviceResult::GaveUp) << "Send data failed, please try again.";
    QTest::addRow("asleep") << int(DeviceResult::Asleep) << "Mouse is sleeping or not connected.";
    // The mouse took it, the files did not: a message of its own, not a device failure.
    QTest::addRow("not saved") << -1 << "The settings could not be saved.";
}

void TestProcessDialog::outcomeIsReported()
{
    QFETCH(int, failure);
    QFETCH(QString, message);
    CommandRig rig;
    rig.working().slot(1).pollrate = 8;
    if (failure == DeviceResult::Asleep) {
        rig.asleep = true;
    } else if (failure > 0) {
        rig.mouse.failAt = 3;
        rig.mouse.failure = quint8(failure);
    } else if (failure < 0) {
        QDir(profileDirectory()).removeRecursively();
        QFile blocker(profileDirectory());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    QCOMPARE(int(rig.commands->writeOut()), qMax(failure, 0));
    QCOMPARE(rig.answers.messages, message.isEmpty() ? QStringList() : QStringList{uiText(message.toUtf8())});
    // Statements, not questions: a single OK.
    QVERIFY(!rig.answers.kinds.contains(ProfileBarMessage::Confirm));
    // Only a write that landed is confirmed.
    QCOMPARE(rig.window.landed, QList<bool>{message.isEmpty()});
}

void TestProcessDialog::dialogShape()
{
    CommandRig rig;
    OrnProcessDialog dialog(rig.session);
    // Only the end of the write-out closes it.
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.close();
    QVERIFY(dialog.isVisible());
    // Theme 1 of the seven: green.
    writeGColorId(1);
    OrnProcessDialog themed(rig.session);
    QVERIFY(themed.progressBar()->styleSheet().contains("QProgressBar::chunk {                "
                                                        "background-color:rgb(0,255,0);"));
}

QTEST_MAIN(TestProcessDialog)
#include "tst_process_dialog.moc"

#include "ProfileBarFakes.h"
#include "TestDataHome.h"

#include "app/profilebar/OrnProcessDialog.h"
#include "app/profilebar/OrnProcessThread.h"
#include "app/profilebar/ProfileCommands.h"
#include "device/protocol/WriteProfileSet.h"
#include "look/UiText.h"
#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/ProfileFiles.h"
#include "store/RecordEquality.h"

#include <QProgressBar>
#include <QTest>

namespace {

// One program state over a fresh data folder, with a mouse that records what it is sent.
struct WriteRig
{
    TestDataHome home;
    AppState state;
    RecordingSender mouse;
    WriteProfileContext context;
    QList<int> statusCalls; // frames sent when the status thread was stopped (-1 - n when started)

    WriteRig()
    {
        writeCurrentProductName("OSKEN R5");
        writeDiff(0);
        loadConfig(state.savedConfig);
        state.workingConfig = state.savedConfig;
        context.send = mouse.sender();
        context.stopStatusThread = [this] { statusCalls << int(mouse.frames.size()); };
        context.startStatusThread = [this] { statusCalls << -1 - int(mouse.frames.size()); };
    }

    // The write-out as the main window runs it; returns the bar values in the order they were set.
    QList<int> run(quint8& iResult)
    {
        OrnProcessDialog dialog(context, state.workingConfig, state.savedConfig, state.mouseAsleep);
        QList<int> steps;
        QObject::connect(dialog.progressBar(), &QProgressBar::valueChanged, [&steps](int v) { steps << v; });
        OrnProcessThread thread;
        QObject::connect(&thread, &OrnProcessThread::DoProcessDlg, &dialog, &OrnProcessDialog::slotProcessDlg,
                         Qt::QueuedConnection);
        thread.start();
        const int iAccepted = dialog.exec();
        thread.wait();
        iResult = dialog.resultByte();
        return iAccepted == QDialog::Accepted ? steps : QList<int>{-1};
    }
};

quint8 reloadMask(const Frame& frame)
{
    return frame[FrameLayout::AddressHigh];
}

} // namespace

class TestProcessDialog : public QObject
{
    Q_OBJECT
private slots:
    void nothingChangedSendsNothing();
    void pendingFullWriteSendsEverySection();
    void lightingChangeSendsLightingAndReloads();
    void failedWriteIsReported_data();
    void failedWriteIsReported();
    void sleepingMouseStoresFilesOnly();
    void dialogShape();
};

void TestProcessDialog::nothingChangedSendsNothing()
{
    WriteRig rig;
    quint8 iResult = 99;
    QCOMPARE(rig.run(iResult), (QList<int>{15, 25, 80, 100}));
    QCOMPARE(iResult, quint8(0));
    QVERIFY(rig.mouse.frames.empty());
    QVERIFY(rig.statusCalls.isEmpty());
    // The files are stored even so.
    QVERIFY(QFile::exists(profileFilePath("Profile 1")));
    QCOMPARE(readDiff(), 0);
}

void TestProcessDialog::pendingFullWriteSendsEverySection()
{
    WriteRig rig;
    writeDiff(1);
    quint8 iResult = 99;
    QCOMPARE(rig.run(iResult), (QList<int>{15, 25, 30, 50, 80, 100}));
    QCOMPARE(iResult, quint8(0));
    // Session, settings, buttons, DPI stages, lighting, reloads, session end.
    QCOMPARE(rig.mouse.commandRuns(), (QList<int>{0x46, 0x01, 0x03, 0x02, 0x04, 0x40, 0x46}));
    QCOMPARE(rig.mouse.frames.front()[FrameLayout::AddressLow], quint8(0));
    QCOMPARE(rig.mouse.frames.back()[FrameLayout::AddressLow], quint8(1));
    QCOMPARE(readDiff(), 0);
    // Stopped before the first frame, started again after the last.
    QCOMPARE(rig.statusCalls, (QList<int>{0, -1 - int(rig.mouse.frames.size())}));
    QVERIFY(rig.state.savedConfig == rig.state.workingConfig);
}

void TestProcessDialog::lightingChangeSendsLightingAndReloads()
{
    WriteRig rig;
    ProfileData& first = rig.state.workingConfig.slot(0);
    first.modes[first.LedMode].RGB = RgbColor::fromRgb(1, 2, 3);
    quint8 iResult = 99;
    rig.run(iResult);
    QCOMPARE(iResult, quint8(0));
    QCOMPARE(rig.mouse.commandRuns(), (QList<int>{0x46, 0x04, 0x40, 0x46}));
    QList<int> masks;
    for (const Frame& f : rig.mouse.frames) {
        if (f[FrameLayout::Command] == 0x40)
            masks << reloadMask(f);
    }
    QCOMPARE(masks, (QList<int>{0x04, 0x01, 0x02, 0x08, 0x10}));
    QVERIFY(rig.state.savedConfig == rig.state.workingConfig);
}

void TestProcessDialog::failedWriteIsReported_data()
{
    QTest::addColumn<int>("failure");
    QTest::addRow("write failed") << int(DeviceResult::WriteFailed);
    QTest::addRow("gave up") << int(DeviceResult::GaveUp);
    QTest::addRow("no device") << int(DeviceResult::NoDevice);
}

void TestProcessDialog::failedWriteIsReported()
{
    QFETCH(int, failure);
    WriteRig rig;
    rig.state.workingConfig.slot(1).pollrate = 8;
    rig.mouse.failAt = 3;
    rig.mouse.failure = quint8(failure);
    FakeProfileBarWindow window;
    DialogAnswers answers;
    QStringList list{"Profile 1"};
    ProfileCommands commands(rig.state, rig.context, list, window, answers.dialogs());

    QCOMPARE(int(commands.writeOut()), failure);
    QCOMPARE(answers.messages, QStringList{uiText("Send data failed, please try again.")});
    QCOMPARE(answers.kinds, QList<int>{ProfileBarMessage::Confirm});
    QCOMPARE(rig.mouse.frames.size(), size_t(3));
    // The status thread comes back after the failed frame; the next write sends everything.
    QCOMPARE(rig.statusCalls, (QList<int>{0, -1 - 3}));
    QCOMPARE(readDiff(), 1);
    QVERIFY(rig.state.savedConfig == rig.state.workingConfig);
}

void TestProcessDialog::sleepingMouseStoresFilesOnly()
{
    WriteRig rig;
    rig.state.mouseAsleep = true;
    rig.state.workingConfig.slot(0).scrollspeed = 7;
    const ConfigData before = rig.state.savedConfig;
    FakeProfileBarWindow window;
    DialogAnswers answers;
    QStringList list{"Profile 1"};
    ProfileCommands commands(rig.state, rig.context, list, window, answers.dialogs());

    QCOMPARE(commands.writeOut(), DeviceResult::Asleep);
    QCOMPARE(answers.messages, QStringList{uiText("Mouse is sleeping or not connected.")});
    QVERIFY(rig.mouse.frames.empty());
    QVERIFY(rig.state.savedConfig == before);
    QCOMPARE(readDiff(), 0);
    ProfileData stored;
    loadProfile(stored, profileFilePath("Profile 1"), profileGroup());
    QCOMPARE(int(stored.scrollspeed), 7);
}

void TestProcessDialog::dialogShape()
{
    WriteRig rig;
    OrnProcessDialog dialog(rig.context, rig.state.workingConfig, rig.state.savedConfig, rig.state.mouseAsleep);
    // Only the end of the write-out closes it.
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.close();
    QVERIFY(dialog.isVisible());
    // Theme 1 of the seven: green.
    writeGColorId(1);
    OrnProcessDialog themed(rig.context, rig.state.workingConfig, rig.state.savedConfig, rig.state.mouseAsleep);
    QVERIFY(themed.progressBar()->styleSheet().contains("QProgressBar::chunk {                "
                                                        "background-color:rgb(0,255,0);"));
}

QTEST_MAIN(TestProcessDialog)
#include "tst_process_dialog.moc"

#include "CommandRig.h"

#include "buttons/core/ButtonFunction.h"
#include "device/protocol/InputReports.h"
#include "macro/core/MacroBindings.h"
#include "macro/core/MacroFiles.h"
#include "macro/core/MacroImage.h"
#include "macro/ui/GunFile.h"
#include "store/DataPaths.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>

// Random runs of user commands and mouse events against the virtual mouse. After every step either the
// program vouches for the mouse (Config/Diff 0) and the mouse holds what the stored files encode to, or it
// has said otherwise and the next write-out sends everything. OSKEN_MODEL_SEEDS and OSKEN_MODEL_STEPS set
// the size of the run; a failure names its seed and the steps before it.

namespace {

int fromEnvironment(const char* name, int iDefault)
{
    bool ok = false;
    const int iValue = qEnvironmentVariableIntValue(name, &ok);
    return ok && iValue > 0 ? iValue : iDefault;
}

// The committed tables, then the bytes of each macro the record's buttons run. The button write clears its
// slot map and numbers the macros afresh from the record at every write, so their slots follow from the
// record alone and no copy of the session's write context is needed; the rest of the macro memory keeps
// what earlier writes left and says nothing about the settings. Macros in `unsent` were saved after they
// were last sent and are left out.
std::vector<QByteArray> memoryOf(const VirtualFirmware& mouse, ProfileData record, const QStringList& unsent)
{
    std::vector<QByteArray> memory;
    for (auto table :
         {VirtualFirmware::Settings, VirtualFirmware::DpiStages, VirtualFirmware::Buttons, VirtualFirmware::Lighting})
        memory.push_back(mouse.table(table));
    ButtonTable table;
    MacroSlotMap macroSlots;
    fillButtonTable(record, readCurrentProductName(), readSensorModel(), table, macroSlots);
    const QByteArray macros = mouse.table(VirtualFirmware::Macros);
    for (const auto& entry : macroSlots) {
        if (!unsent.contains(entry.second))
            memory.push_back(macros.mid(entry.first * kMacroSlotBytes, kMacroSlotBytes));
    }
    return memory;
}

// What the stored settings encode to: written whole to a new mouse by a context of its own.
VirtualFirmware encodeStored(const ConfigData& stored)
{
    VirtualFirmware mouse;
    WriteProfileContext context;
    context.send = [&mouse](const Frame& frame) {
        Frame sent = frame;
        fillChecksum(sent);
        mouse.receive(sent);
        return DeviceResult::Done;
    };
    context.productName = readCurrentProductName();
    context.sensorModel = readSensorModel();
    if (WriteProfileSet(context, stored, ChangeBits::All) != DeviceResult::Done)
        qFatal("the stored settings do not encode");
    return mouse;
}

struct ModelRig : VirtualRig
{
    QRandomGenerator random;
    QStringList log;
    std::vector<StatusReport> relayed;
    int iNames = 0;
    QString exported;
    bool bUnheard = false; // the mouse changed by itself and the status thread has not polled since

    explicit ModelRig(quint32 iSeed) : random(iSeed)
    {
        window.session = &session;
        // Queued in the window: taken at the next poll, after the write that met them.
        QObject::connect(&link.statusRelay(), &StatusReportRelay::RefreshStatus,
                         [this](quint8 iProfile, quint8 iStage, quint8 iRate, quint8) {
                             relayed.push_back({iProfile, iStage, iRate, 0});
                         });
        for (const QString name : {"Alpha", "Beta"}) {
            MacroFile macro;
            macro.events = {{0x84, 0, quint8(name.size())}, {0x04, 0, quint8(name.size())}};
            saveMacro(name, macro);
            addMacroName(name);
        }
        writeGunFile("Gun", gunEvents({GunBullet{}}));
        addMacroName("Gun");
        writeDiff(1);
        exported = exchangePath("none");
    }

    int pick(int iCount) { return int(random.bounded(quint32(iCount))); }
    QString pickMacro()
    {
        const QStringList names = listMacroNames();
        return names[pick(names.size())];
    }
    // The status thread: what the relay handed over during writes, then what waits on the line.
    void poll()
    {
        // With the receiver out, nothing the mouse did can be heard.
        if (receiver->isPlugged())
            bUnheard = false;
        for (const StatusReport& report : relayed) {
            session.noteRelayedReportTaken();
            (void)session.takeMouseStatus(report.profile, report.dpiStage, report.rate);
        }
        relayed.clear();
        Frame report{};
        while (link.readReport(report.data(), kFrameSize, 0) > 0) {
            if (const auto status = decodeStatusReport(report.data(), kFrameSize))
                (void)session.takeMouseStatus(status->profile, status->dpiStage, status->rate);
        }
    }
    void editSetting(ProfileData& p, int iWhat)
    {
        static const int kFunctions[] = {ButtonFunction::Left,   ButtonFunction::Right,     ButtonFunction::ButtonOff,
                                         ButtonFunction::DpiUp,  ButtonFunction::PlayPause, ButtonFunction::Macro,
                                         ButtonFunction::GunFile};
        DpiInfo& stage = p.stages[pick(kDpiStageCount)];
        ButtonInfo& button = p.buttons[pick(kButtonSlotCount)];
        switch (iWhat) {
        case 0:
            p.pollrate = quint8(1 << pick(4));
            break;
        case 1:
            p.scrollspeed = quint8(1 + pick(10));
            break;
        case 2:
            stage.used = quint8(pick(2));
            stage.x = stage.y = stage.xy = quint32(1 + pick(75));
            break;
        case 3:
            p.dpi = quint8(pick(kDpiStageCount));
            break;
        case 4:
            p.LedMode = quint8(pick(kLedModeCount));
            p.modes[p.LedMode].RGB = RgbColor::fromRgb(quint8(pick(256)), 0, quint8(pick(256)));
            p.modes[p.LedMode].bright = quint32(pick(5));
            break;
        default:
            button.Fun = kFunctions[pick(int(std::size(kFunctions)))];
            button.macroname = bindsMacro(button) ? pickMacro() : QString();
        }
    }

    QString disagreement();
};

struct Step
{
    int iWeight;
    QString (*run)(ModelRig&);
};

const Step kSteps[] = {
    {30,
     [](ModelRig& r) {
         const int iSlot = r.pick(kSlotCount);
         const int iWhat = r.pick(6);
         r.editSetting(r.working().slot(iSlot), iWhat);
         return QString("edit slot %1 setting %2").arg(iSlot).arg(iWhat);
     }},
    {8,
     [](ModelRig& r) {
         const int iSlot = r.pick(kSlotCount);
         r.commands->switchSlot(iSlot);
         return QString("switch to slot %1").arg(iSlot);
     }},
    {10, [](ModelRig& r) { return r.commands->apply(), QString("apply"); }},
    {4, [](ModelRig& r) { return r.commands->ok(), QString("ok"); }},
    {5, [](ModelRig& r) { return r.commands->cancel(), QString("cancel"); }},
    {3,
     [](ModelRig& r) {
         r.answers.savePath = r.exported = r.exchangePath(QString("Imported %1.prof").arg(++r.iNames));
         r.commands->exportProfile();
         return "export " + r.exported;
     }},
    {4,
     [](ModelRig& r) {
         // Now and then a file holding only the mouse's name.
         r.answers.openPath =
             r.pick(3) ? r.exported : r.home.writeFile("exchange/Damaged.prof", "[MouseName]\nName=OSKEN R5\n");
         r.commands->importProfile();
         return "import " + r.answers.openPath;
     }},
    {4,
     [](ModelRig& r) {
         r.answers.savePath = r.answers.openPath = r.exchangePath("All.conf");
         if (r.pick(2))
             return r.commands->saveConfiguration(), QString("save configuration");
         return r.commands->loadConfiguration(), QString("load configuration");
     }},
    {3,
     [](ModelRig& r) {
         // The macro editor's CHANGE NAME and the window's part in it.
         const QString old = r.pickMacro();
         const QString name = renameMacro(old, QString("M%1").arg(++r.iNames));
         if (!renameMacroBindings(old, name, {}))
             return QString("rename %1 failed").arg(old);
         r.session.renameMacro(old, name);
         return QString("rename %1 to %2").arg(old, name);
     }},
    {4,
     [](ModelRig& r) {
         // GUN SET, or the macro editor saving, over a file a button may run.
         const QString name = r.pickMacro();
         std::vector<GunBullet> bullets(size_t(1 + r.pick(3)));
         bullets[0].iMoveY = 1 + r.pick(50);
         return QString(writeGunFile(name, gunEvents(bullets)) ? "gun set %1" : "gun set %1 failed").arg(name);
     }},
    {6,
     [](ModelRig& r) {
         const bool bAsleep = r.pick(2);
         r.receiver->setAsleep(bAsleep);
         return QString(bAsleep ? "sleep" : "wake");
     }},
    {2,
     [](ModelRig& r) {
         if (r.pick(2) == 0)
             r.receiver->unplug();
         else
             r.iUnplugAt = r.iSent + 1 + r.pick(40);
         return QString("unplug (at frame %1)").arg(r.iUnplugAt);
     }},
    {3,
     [](ModelRig& r) {
         if (r.receiver->isPlugged())
             return QString("plug: was plugged");
         // What the hot-plug handler has the window do when the receiver comes back.
         r.receiver->plug();
         r.link.CloseDevice();
         r.link.EnumerateDevices();
         r.link.OpenDevice("OSKEN R5");
         r.session.requestFullWrite();
         return QString("plug");
     }},
    {6,
     [](ModelRig& r) {
         const int iWhat = r.pick(3);
         if (iWhat == 0)
             r.receiver->mouseSelectsProfile(r.pick(kSlotCount));
         else if (iWhat == 1)
             r.receiver->mouseSelectsDpiStage(r.pick(kDpiStageCount));
         else
             r.receiver->mouseSelectsRate(quint8(1 << r.pick(4)));
         r.bUnheard = true;
         return QString("pressed on the mouse: %1").arg(iWhat);
     }},
    {8, [](ModelRig& r) { return r.poll(), QString("poll"); }},
    {5,
     [](ModelRig& r) {
         static const VirtualFault kFaults[] = {VirtualFault::MismatchedEcho, VirtualFault::MismatchedData,
                                                VirtualFault::ZeroReply, VirtualFault::WriteError,
                                                VirtualFault::Timeout};
         const int iFault = r.pick(5);
         const int iCount = 1 + r.pick(iFault == 0 ? 30 : 8);
         r.receiver->injectFault(kFaults[iFault], iCount);
         return QString("fault %1 x%2").arg(iFault).arg(iCount);
     }},
    {2,
     [](ModelRig& r) {
         // The profile folder is replaced by a file for one Apply, then comes back as it was.
         const QString folder = profileDirectory();
         QDir().rename(folder, folder + ".aside");
         QFile blocker(folder);
         blocker.open(QIODevice::WriteOnly);
         blocker.close();
         r.commands->apply();
         QFile::remove(folder);
         QDir().rename(folder + ".aside", folder);
         return QString("apply, save failing");
     }},
};

QString ModelRig::disagreement()
{
    // A full write-out is owed: the next one sends everything.
    if (readDiff() != 0 || bUnheard)
        return {};
    ConfigData stored;
    (void)loadConfig(stored);
    const ProfileData& record = stored.activeSlot();
    QStringList unsent;
    for (const ButtonInfo& button : record.buttons) {
        if (bindsMacro(button) &&
            QSettings(macroFilePath(button.macroname), QSettings::IniFormat).value("Setting/WriteSign").toInt() == 1)
            unsent << button.macroname;
    }
    if (!unsent.isEmpty() && !(session.pendingSections() & ChangeBits::Buttons))
        return "saved macros not pending: " + unsent.join(", ");
    const auto expected = memoryOf(encodeStored(stored), record, unsent);
    const auto actual = memoryOf(receiver->firmware(), record, unsent);
    for (size_t i = 0; i < expected.size(); ++i) {
        if (expected[i] != actual[i])
            return QString("table %1: mouse %2, files %3").arg(i).arg(QString(actual[i].toHex()), expected[i].toHex());
    }
    return {};
}

} // namespace

class TestWriteModel : public QObject
{
    Q_OBJECT
private slots:
    void randomRuns_data()
    {
        QTest::addColumn<quint32>("seed");
        const int iSeeds = fromEnvironment("OSKEN_MODEL_SEEDS", 3);
        for (int i = 1; i <= iSeeds; ++i)
            QTest::addRow("seed %d", i) << quint32(i);
        // A rate pressed on the mouse, met during a write-out of another rate and taken after it.
        for (quint32 iFound : {14u, 21u})
            if (int(iFound) > iSeeds)
                QTest::addRow("seed %u", iFound) << iFound;
    }

    void randomRuns()
    {
        QFETCH(quint32, seed);
        ModelRig rig(seed);
        rig.commands->apply();
        QVERIFY(rig.window.landed.value(0));

        int iTotal = 0;
        for (const Step& step : kSteps)
            iTotal += step.iWeight;
        const int iSteps = fromEnvironment("OSKEN_MODEL_STEPS", 200);
        for (int n = 0; n < iSteps; ++n) {
            int iRoll = rig.pick(iTotal);
            const Step* step = kSteps;
            while (iRoll >= step->iWeight)
                iRoll -= (step++)->iWeight;
            const int iMessages = rig.answers.messages.size();
            const int iOutcomes = rig.window.landed.size();
            rig.log << step->run(rig) + QString(" (diff %1, slot %2)").arg(readDiff()).arg(rig.session.activeSlot());

            QString fault;
            if (rig.window.landed.size() > iOutcomes && !rig.window.landed.last() &&
                rig.answers.messages.size() == iMessages)
                fault = "a write-out did not land and nothing was said";
            else
                fault = rig.disagreement();
            if (!fault.isEmpty()) {
                const QString steps = rig.log.mid(qMax(0, rig.log.size() - 12)).join("\n  ");
                QFAIL(qPrintable(QString("seed %1, step %2: %3\n  ...\n  %4").arg(seed).arg(n).arg(fault, steps)));
            }
        }
    }
};

QTEST_MAIN(TestWriteModel)
#include "tst_write_model.moc"

#pragma once

#include <QByteArray>

#include <array>
#include <vector>

// The emulated mouse behind the virtual receiver: decodes every frame the host writes, keeps the tables it
// commits and answers like the mouse. No threads and no clock here; VirtualReceiver adds those.
class VirtualFirmware
{
public:
    static constexpr int kReportSize = 33;
    using Report = std::array<quint8, kReportSize>;

    enum Table
    {
        Settings,
        DpiStages,
        Buttons,
        Lighting,
        Macros,
        TableCount
    };
    // Bytes of device memory behind each table command (0x01 to 0x05).
    static int tableSize(Table table);

    VirtualFirmware();

    // One frame from the host; returns what the mouse sends back: nothing (a frame it cannot read), the
    // echo, the battery reply, or, while asleep, an all-zero report.
    std::vector<Report> receive(const Report& frame);
    Report statusReport() const;

    // Committed memory; a table being written shows here only after its commit frame.
    QByteArray table(Table table) const;
    bool isTableOpen(Table table) const { return m_open[table]; }

    int activeProfile() const { return m_activeProfile; }
    int dpiStage() const { return m_dpiStage; }
    quint8 reportRate(int iSlot) const;
    quint8 lightingEffect() const { return m_lightingEffect; }

    // Changes made with the mouse's own buttons; they also wake it. Like a profile switch from the host, they
    // show in the committed settings block, which holds what the mouse uses now.
    void selectProfile(int iProfile);
    void selectDpiStage(int iStage);
    void selectRate(quint8 rate);

    void setBattery(quint16 reading, quint8 charging);
    void setWriteStatus(quint8 status) { m_writeStatus = status; }
    void setAsleep(bool bAsleep) { m_asleep = bAsleep; }
    bool isAsleep() const { return m_asleep; }

    // Frames that were dropped or not understood (bad id, magic, checksum, address, phase, parameter).
    int rejectedFrames() const { return m_rejected; }
    int sessionBegins() const { return m_sessionBegins; }
    int sessionEnds() const { return m_sessionEnds; }
    bool isSessionOpen() const { return m_sessionOpen; }
    const std::vector<quint8>& reloadMasks() const { return m_reloadMasks; }
    int profileSwitches() const { return m_profileSwitches; }

private:
    bool applyTableFrame(const Report& frame);
    bool applySimpleCommand(const Report& frame);
    void applySettings();
    void keepInSettings();
    Report batteryReply() const;

    std::array<std::vector<quint8>, TableCount> m_committed;
    std::array<std::vector<quint8>, TableCount> m_staging;
    std::array<bool, TableCount> m_open{};

    int m_activeProfile = 0;
    int m_dpiStage = 0;
    std::array<quint8, 5> m_rates{{1, 1, 1, 1, 1}};
    quint8 m_lightingEffect = 0;

    quint16 m_batteryReading = 0x03E8; // about 4.1 V
    quint8 m_charging = 0;
    quint8 m_writeStatus = 1;
    bool m_asleep = false;

    int m_rejected = 0;
    int m_sessionBegins = 0;
    int m_sessionEnds = 0;
    bool m_sessionOpen = false;
    std::vector<quint8> m_reloadMasks;
    int m_profileSwitches = 0;
};

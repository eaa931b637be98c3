#include "macro/ui/MacroRowEdit.h"

#include <QtGlobal>

#include <algorithm>

namespace macroedit {

namespace {

constexpr int kMsPerUnit = 10;
constexpr int kMaxUnits = 0xFFFF;

bool inRange(const Rows& rows, int i)
{
    return i >= 0 && i < static_cast<int>(rows.size());
}

quint8 modByte(int v)
{
    return static_cast<quint8>(((v % 256) + 256) % 256);
}

void appendDelay(Rows& rows, int iDelayType, int iDefaultDelayMs)
{
    if (iDelayType == 1)
        rows.push_back(delayRow(10));
    else if (iDelayType == 2)
        rows.push_back(delayRow(iDefaultDelayMs));
}

} // namespace

int maxRows(int iDelayType)
{
    return iDelayType == 0 ? kRecordLimitWithoutDelays : kMaxRows;
}

bool recordLimitReached(int iRowCount, int iDelayType)
{
    return iRowCount >= kRecordLimit || (iDelayType == 0 && iRowCount >= kRecordLimitWithoutDelays);
}

MacroEvent delayRow(int iMilliseconds)
{
    const int iUnits = qBound(1, iMilliseconds / kMsPerUnit, kMaxUnits);
    return MacroEvent{MacroEventType::Delay, static_cast<quint8>(iUnits >> 8), static_cast<quint8>(iUnits & 0xFF)};
}

int insertAfter(Rows& rows, int iCurrent, const Rows& inserted, int iDelayType)
{
    if (inserted.empty() || static_cast<int>(rows.size() + inserted.size()) > maxRows(iDelayType))
        return -1;
    const int iAt = inRange(rows, iCurrent) ? iCurrent + 1 : 0;
    rows.insert(rows.begin() + iAt, inserted.begin(), inserted.end());
    return iAt + static_cast<int>(inserted.size()) - 1;
}

int moveUp(Rows& rows, int iCurrent)
{
    if (!inRange(rows, iCurrent))
        return -1;
    if (iCurrent == 0)
        return 0;
    std::swap(rows[static_cast<size_t>(iCurrent)], rows[static_cast<size_t>(iCurrent - 1)]);
    return iCurrent - 1;
}

int moveDown(Rows& rows, int iCurrent)
{
    if (!inRange(rows, iCurrent))
        return -1;
    if (iCurrent == static_cast<int>(rows.size()) - 1)
        return iCurrent;
    std::swap(rows[static_cast<size_t>(iCurrent)], rows[static_cast<size_t>(iCurrent + 1)]);
    return iCurrent + 1;
}

int moveTop(Rows& rows, int iCurrent)
{
    if (!inRange(rows, iCurrent))
        return -1;
    std::rotate(rows.begin(), rows.begin() + iCurrent, rows.begin() + iCurrent + 1);
    return 0;
}

int moveBottom(Rows& rows, int iCurrent)
{
    if (!inRange(rows, iCurrent))
        return -1;
    std::rotate(rows.begin() + iCurrent, rows.begin() + iCurrent + 1, rows.end());
    return static_cast<int>(rows.size()) - 1;
}

int removeRow(Rows& rows, int iCurrent)
{
    return cutRows(rows, iCurrent, iCurrent);
}

Rows copyRows(const Rows& rows, int iFirst, int iLast)
{
    if (!inRange(rows, iFirst) || !inRange(rows, iLast) || iFirst > iLast)
        return {};
    return Rows(rows.begin() + iFirst, rows.begin() + iLast + 1);
}

int cutRows(Rows& rows, int iFirst, int iLast)
{
    if (!inRange(rows, iFirst) || !inRange(rows, iLast) || iFirst > iLast)
        return -1;
    rows.erase(rows.begin() + iFirst, rows.begin() + iLast + 1);
    if (rows.empty())
        return -1;
    return std::min(iFirst, static_cast<int>(rows.size()) - 1);
}

quint8 mouseButtonBit(int iButton)
{
    static const quint8 kBits[kMouseButtonCount] = {MacroMouseButton::Left, MacroMouseButton::Middle,
                                                    MacroMouseButton::Right, MacroMouseButton::Forward,
                                                    MacroMouseButton::Backward};
    return iButton >= 0 && iButton < kMouseButtonCount ? kBits[iButton] : 0;
}

const char* mouseButtonItemText(int iButton)
{
    static const char* const kTexts[kMouseButtonCount] = {
        QT_TRANSLATE_NOOP("Osken", "LEFT CLICK"), QT_TRANSLATE_NOOP("Osken", "MIDDLE CLICK"),
        QT_TRANSLATE_NOOP("Osken", "RIGHT CLICK"), QT_TRANSLATE_NOOP("Osken", "FORWARD"),
        QT_TRANSLATE_NOOP("Osken", "BACKWARD")};
    return iButton >= 0 && iButton < kMouseButtonCount ? kTexts[iButton] : "";
}

Rows mouseClickRows(int iButton, ClickPart part, int iDelayType, int iDefaultDelayMs)
{
    const quint8 bit = mouseButtonBit(iButton);
    Rows rows;
    if (bit == 0)
        return rows;
    if (part != ClickPart::BounceUp) {
        rows.push_back(mouseButtonEvent(bit, true));
        appendDelay(rows, iDelayType, iDefaultDelayMs);
    }
    if (part != ClickPart::PressDown) {
        rows.push_back(mouseButtonEvent(bit, false));
        appendDelay(rows, iDelayType, iDefaultDelayMs);
    }
    return rows;
}

const char* moveItemText(MoveItem item)
{
    switch (item) {
    case MoveItem::Left:
        return QT_TRANSLATE_NOOP("Osken", "MOVE LEFT");
    case MoveItem::Right:
        return QT_TRANSLATE_NOOP("Osken", "MOVE RIGHT");
    case MoveItem::Up:
        return QT_TRANSLATE_NOOP("Osken", "MOVE UP");
    case MoveItem::Down:
        return QT_TRANSLATE_NOOP("Osken", "MOVE DOWN");
    }
    return "";
}

void setMovementDistance(MacroEvent& row, MoveItem item, int iDistance)
{
    row.Map = MacroEventType::Movement;
    row.DataH = 0;
    row.DataL = 0;
    switch (item) {
    case MoveItem::Left:
        row.DataL = modByte(256 - iDistance);
        break;
    case MoveItem::Right:
        row.DataL = modByte(iDistance);
        break;
    case MoveItem::Up:
        row.DataH = modByte(256 - iDistance);
        break;
    case MoveItem::Down:
        row.DataH = modByte(iDistance);
        break;
    }
}

Rows movementRows(MoveItem item, int iDistance, int iDelayType, int iDefaultDelayMs)
{
    Rows rows(1);
    setMovementDistance(rows[0], item, iDistance);
    appendDelay(rows, iDelayType, iDefaultDelayMs);
    return rows;
}

bool releaseCheckPasses(const Rows& rows)
{
    Rows presses;
    Rows releases;
    for (const MacroEvent& row : rows) {
        const quint8 type = row.Map & MacroEventType::TypeMask;
        if (type != MacroEventType::Key && type != MacroEventType::MouseButton)
            continue;
        if (row.Map & MacroEventType::PressFlag)
            presses.push_back(row);
        else
            releases.push_back(row);
    }
    if (releases.size() > presses.size())
        return false;
    for (const MacroEvent& release : releases) {
        const auto match = std::find_if(presses.begin(), presses.end(), [&](const MacroEvent& press) {
            return (press.Map & MacroEventType::TypeMask) == (release.Map & MacroEventType::TypeMask) &&
                   press.DataL == release.DataL;
        });
        if (match != presses.end())
            presses.erase(match);
    }
    return presses.empty();
}

} // namespace macroedit

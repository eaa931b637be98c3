#include "macro/ui/OrnItemModel.h"

#include "look/UiText.h"

namespace {

quint8 cellByte(const QStandardItem* item)
{
    if (!item)
        return 0;
    bool bOk = false;
    const int iValue = item->text().toInt(&bOk);
    return bOk ? static_cast<quint8>(iValue & 0xFF) : 0;
}

QStandardItem* cellItem(quint8 iValue)
{
    auto* item = new QStandardItem(QString::number(iValue));
    item->setEditable(false);
    return item;
}

} // namespace

OrnItemModel::OrnItemModel(QObject* parent) : QStandardItemModel(0, kColumnCount, parent)
{
    setHeaderTexts();
}

QVariant OrnItemModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignHCenter | Qt::AlignVCenter); // 132
    return QStandardItemModel::data(index, role);
}

void OrnItemModel::setHeaderTexts()
{
    setHorizontalHeaderLabels({uiText("KEY"), uiText("ACTION"), uiText("DELAY(ms)")});
}

void OrnItemModel::setRows(const macroedit::Rows& rows)
{
    removeRows(0, rowCount());
    for (size_t i = 0; i < rows.size(); ++i)
        appendRow({cellItem(rows[i].Map), cellItem(rows[i].DataH), cellItem(rows[i].DataL)});
}

macroedit::Rows OrnItemModel::rows() const
{
    macroedit::Rows result;
    result.reserve(static_cast<size_t>(rowCount()));
    for (int i = 0; i < rowCount(); ++i)
        result.push_back(rowEvent(i));
    return result;
}

MacroEvent OrnItemModel::rowEvent(int iRow) const
{
    return MacroEvent{cellByte(item(iRow, kKeyColumn)), cellByte(item(iRow, kActionColumn)),
                      cellByte(item(iRow, kDelayColumn))};
}

void OrnItemModel::setRowEvent(int iRow, const MacroEvent& event)
{
    if (iRow < 0 || iRow >= rowCount())
        return;
    setItem(iRow, kKeyColumn, cellItem(event.Map));
    setItem(iRow, kActionColumn, cellItem(event.DataH));
    setItem(iRow, kDelayColumn, cellItem(event.DataL));
}

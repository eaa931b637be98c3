#pragma once

#include "macro/ui/MacroRowEdit.h"

#include <QStandardItemModel>

// The event table: one row per macro event, three cells with the decimal text of Map, DataH and DataL.
// Every cell is centred.
class OrnItemModel : public QStandardItemModel
{
    Q_OBJECT
public:
    enum Column
    {
        kKeyColumn = 0, // Map
        kActionColumn,  // DataH
        kDelayColumn,   // DataL
        kColumnCount
    };

    explicit OrnItemModel(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void setHeaderTexts();
    void setRows(const macroedit::Rows& rows);
    macroedit::Rows rows() const;
    MacroEvent rowEvent(int iRow) const;
    void setRowEvent(int iRow, const MacroEvent& event);
};

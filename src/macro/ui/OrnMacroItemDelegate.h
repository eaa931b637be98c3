#pragma once

#include "macro/core/MacroEvent.h"
#include "macro/ui/MacroPictures.h"

#include <QStyledItemDelegate>

// Paints the event table's rows from the three stored bytes: a picture and a text per column.
class OrnMacroItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    struct CellLook
    {
        bool bHasPicture = false;
        macropictures::Picture picture = macropictures::Picture::Delay;
        QString strText;
    };
    // What a cell of a row shows; column 0 "KEY", 1 "ACTION", 2 "DELAY(ms)".
    static CellLook cellLook(const MacroEvent& event, int iColumn);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

#include "macro/ui/OrnMacroItemDelegate.h"

#include "look/DisplayScale.h"
#include "look/UiText.h"
#include "macro/core/MacroRow.h"
#include "macro/ui/MacroRowEdit.h"
#include "macro/ui/OrnItemModel.h"
#include "store/keys/KeyCodes.h"
#include "widgets/WidgetFont.h"

#include <QPainter>

using macropictures::Picture;

namespace {

macroedit::MoveItem moveItemFor(MoveDirection direction)
{
    switch (direction) {
    case MoveDirection::Left:
        return macroedit::MoveItem::Left;
    case MoveDirection::Right:
        return macroedit::MoveItem::Right;
    case MoveDirection::Up:
        return macroedit::MoveItem::Up;
    case MoveDirection::Down:
        return macroedit::MoveItem::Down;
    }
    return macroedit::MoveItem::Right;
}

} // namespace

OrnMacroItemDelegate::CellLook OrnMacroItemDelegate::cellLook(const MacroEvent& event, int iColumn)
{
    // Rows in the table are already filtered by the delay mode when loaded, so delay rows always show.
    const MacroRow row = macroRowFor(event, 1);
    CellLook look;
    if (row.kind == MacroRowKind::Hidden)
        return look;
    const bool bPressRow = row.kind == MacroRowKind::Key || row.kind == MacroRowKind::MouseButton;
    switch (iColumn) {
    case OrnItemModel::kKeyColumn:
        look.bHasPicture = true;
        switch (row.kind) {
        case MacroRowKind::Delay:
            look.picture = Picture::Delay;
            break;
        case MacroRowKind::Key: {
            look.picture = Picture::Keyboard;
            int iKeyCode = 0;
            if (hidToScan(row.value, iKeyCode))
                look.strText = keyName(iKeyCode);
            break;
        }
        case MacroRowKind::Movement:
            look.picture = Picture::Movement;
            look.strText = uiText(macroedit::moveItemText(moveItemFor(row.direction)));
            break;
        case MacroRowKind::MouseButton:
            look.picture = Picture::Mouse;
            look.strText = uiText(macroButtonText(row.value));
            break;
        case MacroRowKind::Hidden:
            break;
        }
        break;
    case OrnItemModel::kActionColumn:
        if (bPressRow) {
            look.bHasPicture = true;
            look.picture = row.press ? Picture::KeyDown : Picture::KeyUp;
            look.strText = row.press ? uiText("Press") : uiText("Release");
        }
        break;
    case OrnItemModel::kDelayColumn:
        if (row.kind == MacroRowKind::Delay)
            look.strText = QString::asprintf("%d", row.delayMs);
        break;
    default:
        break;
    }
    return look;
}

void OrnMacroItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto* model = qobject_cast<const OrnItemModel*>(index.model());
    if (!model) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->save();
    const QRect rect = option.rect;
    if (option.state & QStyle::State_Selected) {
        QColor selected = widgets::themeColor();
        selected.setAlpha(90);
        painter->fillRect(rect, QColor(30, 30, 30));
        painter->fillRect(rect, selected);
    } else
        painter->fillRect(rect, index.row() % 2 ? QColor(40, 40, 40) : QColor(30, 30, 30));

    const CellLook look = cellLook(model->rowEvent(index.row()), index.column());
    const int iPicture = qMax(8, rect.height() - look::scaled(6));
    const int iGap = look::scaled(6);
    const QFont font = widgets::scaledLanguageFont();
    const int iTextWidth = QFontMetrics(font).horizontalAdvance(look.strText);
    const int iWidth = (look.bHasPicture ? iPicture : 0) + (look.bHasPicture && iTextWidth ? iGap : 0) + iTextWidth;
    int x = rect.left() + qMax(0, (rect.width() - iWidth) / 2);
    if (look.bHasPicture) {
        painter->drawPixmap(x, rect.top() + (rect.height() - iPicture) / 2,
                            macropictures::picture(look.picture, iPicture));
        x += iPicture + iGap;
    }
    if (!look.strText.isEmpty()) {
        painter->setFont(font);
        painter->setPen(Qt::white);
        painter->drawText(QRect(x, rect.top(), rect.right() - x, rect.height()), Qt::AlignLeft | Qt::AlignVCenter,
                          look.strText);
    }
    painter->restore();
}

QSize OrnMacroItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(qMax(size.height(), look::scaled(24)));
    return size;
}

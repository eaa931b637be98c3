#include "GalleryWindow.h"

#include "look/DisplayScale.h"
#include "look/UiText.h"
#include "widgets/OrnAction.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/OrnListItem.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnNotice.h"
#include "widgets/OrnProfileMenuItem.h"
#include "widgets/OrnPushButton.h"
#include "widgets/OrnSlider.h"
#include "widgets/OrnTranslucentDialog.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

using look::scaled;

namespace {
QRect box(int x, int y, int w, int h)
{
    return QRect(scaled(x), scaled(y), scaled(w), scaled(h));
}

OrnLabel* caption(QWidget* parent, const QString& text, const QRect& rect, bool bDark = false)
{
    auto* label = new OrnLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setDarkBackground(bDark);
    label->setGeometry(rect);
    return label;
}

const QStringList kTabImages = {QStringLiteral("/skin/tabbutton-1.png"), QStringLiteral("/skin/tabbutton-3.png"),
                                QStringLiteral("/skin/tabbutton-2.png")};
} // namespace

GalleryWindow::GalleryWindow(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("osken-gallery"));
    setFixedSize(scaled(880), scaled(560));
    addButtons();
    addSliders();
    addFields();
}

void GalleryWindow::paintEvent(QPaintEvent*)
{
    // A plain backdrop, so each widget is judged on its own pictures.
    QPainter painter(this);
    painter.fillRect(rect(), QColor(24, 26, 30));
}

void GalleryWindow::addButtons()
{
    // Tab buttons: normal, checked, hover look, disabled.
    const char* const kTabs[] = {"LIGHTING", "CUSTOMIZE", "DPI", "MACRO"};
    for (int i = 0; i < 4; ++i) {
        auto* tab = new OrnPushButton(kTabImages, this);
        tab->setText(uiText(kTabs[i]));
        tab->setGeometry(box(30 + i * 150, 30, 140, 40));
        if (i == 1) {
            tab->setCheckable(true);
            tab->setChecked(true);
        } else if (i == 3) {
            tab->setEnabled(false);
        }
    }

    // Picture buttons with badges: number, up and down arrow.
    const QStringList stage = {QStringLiteral("/skin/DPI-OFF.png"), QStringLiteral("/skin/DPI-ON.png")};
    const quint8 kBadges[] = {3, OrnPushButton::kBadgeUp, OrnPushButton::kBadgeDown};
    for (int i = 0; i < 3; ++i) {
        auto* button = new OrnPushButton(kTabImages, this);
        button->setBadge(kBadges[i]);
        button->setText(uiText("DPI"));
        button->setGeometry(box(30 + i * 120, 90, 110, 32));
    }
    for (int i = 0; i < 2; ++i) {
        auto* sw = new OrnPushButton(stage, this);
        sw->setCheckable(true);
        sw->setChecked(i == 1);
        sw->setGeometry(box(400 + i * 40, 94, 24, 24));
    }

    // Drop-down button with its menu.
    caption(this, uiText("REPORT RATE"), box(500, 84, 140, 20));
    m_pRateButton = new OrnPushButton({QStringLiteral("/skin/profilesel.png")}, this);
    m_pRateButton->setText(uiText("1000 HZ"));
    m_pRateButton->setGeometry(box(500, 104, 150, 26));
    m_pRateMenu = new OrnMenu(this);
    m_pRateMenu->setFixedWidth(scaled(150));
    for (const char* rate : {"125 HZ", "250 HZ", "500 HZ", "1000 HZ"})
        m_pRateMenu->addAction(new OrnAction(uiText(rate), m_pRateMenu));
    connect(m_pRateButton, &OrnPushButton::EnterSignal, this, [this] { popUpMenu(); });

    // Dialog-style text buttons.
    const char* const kBar[] = {"Reset All", "OK", "Cancel", "Apply"};
    OrnPushButton* apply = nullptr;
    for (int i = 0; i < 4; ++i) {
        auto* button = new OrnPushButton(kTabImages, this);
        button->setText(uiText(kBar[i]));
        button->setGeometry(box(30 + i * 110, 500, 100, 32));
        apply = button;
    }
    // Edits not applied yet, and the notice after a write-out.
    apply->setMarked(true);
    auto* notice = new OrnNotice(this);
    QTimer::singleShot(0, notice,
                       [notice, apply] { notice->popUp(uiText("Saved to mouse"), apply->geometry(), 60 * 60 * 1000); });
}

void GalleryWindow::addSliders()
{
    caption(this, uiText("BRIGHTNESS"), box(30, 150, 140, 24));
    auto* brightness = new OrnSlider(Qt::Horizontal, this);
    brightness->setRange(1, 3);
    brightness->setValue(2);
    brightness->setGeometry(box(180, 150, 220, 24));

    caption(this, uiText("SPEED"), box(30, 190, 140, 24));
    auto* speed = new OrnSlider(Qt::Horizontal, this);
    speed->setRange(1, 5);
    speed->setValue(4);
    speed->setGeometry(box(180, 190, 220, 24));

    caption(this, uiText("POINTER SPEED"), box(30, 250, 140, 24), true);
    m_pPointerSlider = new OrnSlider(Qt::Horizontal, this);
    m_pPointerSlider->setRange(1, 20);
    m_pPointerSlider->setValue(10);
    m_pPointerSlider->setBubbleEnabled(true);
    m_pPointerSlider->setGeometry(box(180, 250, 220, 24));
}

void GalleryWindow::addFields()
{
    caption(this, uiText("NAME"), box(30, 300, 60, 26));
    auto* name = new OrnLineEdit(this);
    name->setText(QStringLiteral("DefaultProfile"));
    name->setToolTip(uiText("Press Enter To Apply"));
    name->setStyleSheet(QStringLiteral("QLineEdit { background-color: rgb(20,20,20); color: white;"
                                       " border: 1px solid rgb(80,80,80); }"));
    name->setGeometry(box(100, 300, 300, 26));

    auto* list = new QListWidget(this);
    list->setGeometry(box(30, 340, 370, 140));
    struct Row
    {
        quint8 iType;
        quint8 iHigh;
        quint8 iLow;
        const char* text;
    };
    const Row kRows[] = {{4, 0x04, 0x80, "PRESS DOWN"},
                         {6, 0, 5, "DELAY(ms)"},
                         {4, 0x04, 0x00, "BOUNCE UP"},
                         {2, 0, 246, "MOVE LEFT"},
                         {6, 0, 30, "DELAY(ms)"}};
    for (const Row& row : kRows) {
        auto* item = new QListWidgetItem(list);
        auto* widget = new OrnListItem(row.iType, row.iHigh, row.iLow, uiText(row.text));
        item->setSizeHint(QSize(0, scaled(26)));
        list->setItemWidget(item, widget);
    }

    auto* profile = new OrnProfileMenuItem(uiText("Profile"), this);
    for (const char* entry : {"Profile +", "Profile -", "Profile Switch"})
        profile->addMenuAction(uiText(entry));
    profile->setCheckedIndex(2);
    profile->setNumber(3);
    profile->setGeometry(box(440, 300, 400, 28));

    caption(this, uiText("EFFECT"), box(440, 150, 120, 24), true);
    caption(this, uiText("COLOR"), box(580, 150, 120, 24), true);

    auto* host = new QWidget(this);
    host->setGeometry(box(440, 340, 400, 140));
    new OrnTranslucentDialog(host);
}

void GalleryWindow::popUpMenu()
{
    m_pRateMenu->popup(m_pRateButton->mapToGlobal(QPoint(0, m_pRateButton->height())));
    // Shows the selected-entry look without a pointer over the menu.
    m_pRateMenu->setActiveAction(m_pRateMenu->actions().last());
}

void GalleryWindow::pressSlider()
{
    const QPoint handle(m_pPointerSlider->bubbleCentreX(m_pPointerSlider->value()), m_pPointerSlider->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, handle, m_pPointerSlider->mapToGlobal(handle), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_pPointerSlider, &press);
}

#include "macro/ui/OrnGunsetDialog.h"

#include "look/UiText.h"
#include "store/NameSafety.h"
#include "widgets/DialogStyle.h"
#include "widgets/OrnMessageBox.h"
#include "widgets/SkinPicture.h"
#include "widgets/WidgetFont.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>

namespace {

const QString kSpinStyle = QStringLiteral("QSpinBox{color: rgb(225,225,225);background:rgb(82,82,82)}"
                                          "QToolTip{background-color:black}");
const QString kNameStyle = QStringLiteral("QLineEdit{border-width:2px;background-color:rgb(30,30,30);color:white}"
                                          "QToolTip{background-color:black}");
constexpr int kRowTop = 176;
constexpr int kRowPitch = 72;

} // namespace

OrnGunsetDialog::OrnGunsetDialog(QWidget* parent, double dScale)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog), m_dScale(dScale > 0 ? dScale : 1.0)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(uiText("Gun Set"));
    const QFont font = widgets::scaledLanguageFont();
    auto label = [&](const QString& strText) {
        auto* l = new QLabel(strText, this);
        l->setFont(font);
        l->setStyleSheet(QStringLiteral("color:white;background:transparent"));
        return l;
    };
    m_pTitle = label(uiText("GUN SET"));
    m_pNameLabel = label(uiText("GUNFILE NAME"));
    m_pBulletsLabel = label(uiText("BULLETS"));
    m_ColumnLabels = {label(uiText("DELAY(MS)")), label(uiText("X")), label(uiText("Y"))};
    for (QLabel* l : m_ColumnLabels)
        l->setAlignment(Qt::AlignCenter);
    m_pNameEdit = new QLineEdit(this);
    m_pNameEdit->setMaxLength(kMaxNameLength);
    m_pNameEdit->setStyleSheet(kNameStyle);
    m_pNameEdit->setFont(font);
    for (BulletRow& row : m_Rows) {
        auto spin = [&](int iMin, int iMax, int iValue) {
            auto* box = new QSpinBox(this);
            box->setRange(iMin, iMax);
            box->setValue(iValue);
            box->setStyleSheet(kSpinStyle);
            box->setFont(font);
            box->setAlignment(Qt::AlignCenter);
            return box;
        };
        row.pDelay = spin(1, 999, 100);
        row.pMoveX = spin(-100, 100, 0);
        row.pMoveY = spin(-100, 100, 0);
        row.pDelay->setToolTip(uiText("DELAY(MS)"));
    }
    m_pOk = widgets::makeDialogButton(this, QStringLiteral("gunOkBtn"), uiText("OK"), QStringLiteral(":/yes_Btn"));
    m_pCancel =
        widgets::makeDialogButton(this, QStringLiteral("gunCancelBtn"), uiText("Cancel"), QStringLiteral(":/no_Btn"));
    connect(m_pOk, &QToolButton::released, this, &OrnGunsetDialog::OnYesClick);
    connect(m_pCancel, &QToolButton::released, this, &QDialog::reject);
    m_Warn = [this](const QString& strText, const QString& strTitle) {
        OrnMessageBox box(2, strText, strTitle, QString(), this);
        box.exec();
    };
    setFixedSize(s(kBaseWidth), s(kBaseHeight));
    layoutChildren();
}

int OrnGunsetDialog::s(int iPixels) const
{
    return static_cast<int>(iPixels * m_dScale);
}

void OrnGunsetDialog::layoutChildren()
{
    m_pTitle->setGeometry(s(20), s(8), s(360), s(30));
    m_pNameLabel->setGeometry(s(30), s(54), s(340), s(24));
    m_pNameEdit->setGeometry(s(30), s(80), s(340), s(30));
    m_pBulletsLabel->setGeometry(s(30), s(128), s(80), s(24));
    const int kColumnX[3] = {s(120), s(210), s(300)};
    for (size_t i = 0; i < m_ColumnLabels.size(); ++i)
        m_ColumnLabels[i]->setGeometry(kColumnX[i], s(128), s(76), s(24));
    for (size_t i = 0; i < m_Rows.size(); ++i) {
        const int y = s(kRowTop + static_cast<int>(i) * kRowPitch);
        m_Rows[i].pDelay->setGeometry(kColumnX[0], y, s(76), s(28));
        m_Rows[i].pMoveX->setGeometry(kColumnX[1], y, s(76), s(28));
        m_Rows[i].pMoveY->setGeometry(kColumnX[2], y, s(76), s(28));
    }
    widgets::placeDialogButton(m_pOk, QRect(s(80), s(560), s(100), s(32)));
    widgets::placeDialogButton(m_pCancel, QRect(s(220), s(560), s(100), s(32)));
}

QString OrnGunsetDialog::typedName() const
{
    return m_pNameEdit->text().trimmed();
}

void OrnGunsetDialog::OnYesClick()
{
    const QString strName = typedName();
    // The name becomes a file name in the macro folder: a path or "." / ".." must not reach the disk.
    if (!isSafeFileName(strName)) {
        if (m_Warn)
            m_Warn(uiText("Please input file name."), uiText("Warning"));
        return;
    }
    std::vector<GunBullet> bullets;
    for (const BulletRow& row : m_Rows)
        bullets.push_back(GunBullet{row.pDelay->value(), row.pMoveX->value(), row.pMoveY->value()});
    m_Events = gunEvents(bullets);
    m_strName = strName;
    accept();
}

bool OrnGunsetDialog::writeGunFile(const QString& strName) const
{
    return ::writeGunFile(strName, m_Events);
}

void OrnGunsetDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap background = widgets::loadSkinPicture(QStringLiteral("/skin/dlg_gun.png"));
    if (background.isNull())
        widgets::paintFallbackPanel(painter, rect(), s(6));
    else
        painter.drawPixmap(rect(), background);
    const QPixmap bullet = widgets::loadSkinPicture(QStringLiteral("/skin/gunset_bullet.png"));
    for (size_t i = 0; i < m_Rows.size(); ++i) {
        const QRect at(s(40), s(kRowTop + static_cast<int>(i) * kRowPitch) - s(14), s(56), s(56));
        if (!bullet.isNull())
            painter.drawPixmap(at, bullet.scaled(at.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    painter.setPen(QPen(widgets::themeColor(), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

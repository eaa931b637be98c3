#include "app/profilebar/OrnProcessDialog.h"

#include "log/Log.h"
#include "look/DisplayScale.h"
#include "look/ThemeColor.h"
#include "widgets/SkinPicture.h"

#include <QBitmap>
#include <QPainter>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <QtDebug>

namespace {
constexpr int kWidth = 200;
constexpr int kHeight = 50;
} // namespace

QString processBarStyleSheet(int iRed, int iGreen, int iBlue)
{
    return QString::asprintf(
        "                QProgressBar {                border:none;                background-color: "
        "#FFFFFF;                border-radius:2px;                }                "
        "QProgressBar::chunk {                background-color:rgb(%d,%d,%d);                "
        "border-radius:2px;                }                QProgressBar {                "
        "text-align: center;                color: rgb(0, 0, 0);                }          "
        "      ",
        iRed, iGreen, iBlue);
}

OrnProcessDialog::OrnProcessDialog(SettingsSession& session, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint), m_Session(session)
{
    setAttribute(Qt::WA_TranslucentBackground);
    const QSize size(look::scaled(kWidth), look::scaled(kHeight));
    setFixedSize(size);
    const QPixmap picture = widgets::loadSkinPicture(QStringLiteral("/skin/process.png"));
    if (!picture.isNull()) {
        m_Picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QBitmap outline = m_Picture.mask();
        if (!outline.isNull())
            setMask(outline);
    }

    m_pBar = new QProgressBar(this);
    m_pBar->setOrientation(Qt::Horizontal);
    m_pBar->setRange(0, 100);
    m_pBar->setValue(0);
    m_pBar->setTextVisible(true);
    m_pBar->setGeometry(0, 0, size.width(), size.height());
    const QColor theme = look::currentThemeColor();
    m_pBar->setStyleSheet(processBarStyleSheet(theme.red(), theme.green(), theme.blue()));
}

void OrnProcessDialog::slotProcessDlg()
{
    setProgress(15);
    QTimer::singleShot(0, this, &OrnProcessDialog::updateProgress);
}

void OrnProcessDialog::updateProgress()
{
    m_Outcome = m_Session.writeOut([this](int iPercent) { setProgress(iPercent); });
    if (!m_Outcome.filesStored)
        qCWarning(lcApp, "The settings files could not all be stored.");
    QThread::msleep(10);
    setProgress(100);
    QThread::msleep(10);
    accept();
}

void OrnProcessDialog::setProgress(int iValue)
{
    m_pBar->setValue(iValue);
    // The GUI thread handles no events until the write ends: paint each step now.
    m_pBar->repaint();
}

void OrnProcessDialog::paintEvent(QPaintEvent*)
{
    if (m_Picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_Picture);
}

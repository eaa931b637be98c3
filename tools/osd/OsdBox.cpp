#include "OsdBox.h"

#include "platform/OsdLink.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>

namespace {

constexpr int kFadeMs = 400;
// Messages come from any local program: keep what they ask for within sensible bounds.
constexpr int kMinHoldMs = 100;
constexpr int kMaxHoldMs = 10000;
constexpr int kMinPixelSize = 8;
constexpr int kMaxPixelSize = 160;
constexpr int kPaddingX = 36;
constexpr int kPaddingY = 18;
constexpr int kBorder = 2;
constexpr int kRadius = 14;
const QColor kPanel(24, 24, 28, 215);

QColor colorFromRef(quint32 color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

} // namespace

OsdBox::OsdBox(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool | Qt::WindowDoesNotAcceptFocus),
      m_fade(new QPropertyAnimation(this, "fadeLevel", this))
{
    setWindowTitle(platform::osdWindowTitle());
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_hold.setSingleShot(true);
    connect(&m_hold, &QTimer::timeout, this, &OsdBox::startFade);
    m_fade->setDuration(kFadeMs);
    m_fade->setStartValue(1.0);
    m_fade->setEndValue(0.0);
    connect(m_fade, &QPropertyAnimation::finished, this, &QWidget::hide);
}

void OsdBox::showMessage(const platform::OsdMessage& message)
{
    m_fade->stop();
    m_text = message.text;
    m_color = colorFromRef(message.color);

    QFont font(message.fontName.isEmpty() ? QStringLiteral("Arial") : message.fontName);
    font.setPixelSize(qBound<int>(kMinPixelSize, int(qMin<quint32>(message.fontSize, kMaxPixelSize)), kMaxPixelSize));
    font.setBold(true);
    setFont(font);

    const QFontMetrics metrics(font);
    QSize size(metrics.horizontalAdvance(m_text) + 2 * kPaddingX, metrics.height() + 2 * kPaddingY);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        size = size.boundedTo(area.size());
        // Low in the middle of the screen, where such messages usually appear.
        move(area.center().x() - size.width() / 2, area.top() + area.height() * 3 / 4 - size.height() / 2);
    }
    resize(size);

    m_level = 1.0;
    show();
    raise();
    update();
    m_hold.start(int(qBound<quint32>(kMinHoldMs, message.durationMs, kMaxHoldMs)));
}

void OsdBox::startFade()
{
    m_fade->start();
}

void OsdBox::setFadeLevel(qreal level)
{
    m_level = qBound<qreal>(0.0, level, 1.0);
    update();
}

void OsdBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(m_level);

    const QRectF panel = QRectF(rect()).adjusted(kBorder / 2.0, kBorder / 2.0, -kBorder / 2.0, -kBorder / 2.0);
    painter.setPen(QPen(m_color, kBorder));
    painter.setBrush(kPanel);
    painter.drawRoundedRect(panel, kRadius, kRadius);

    painter.setPen(m_color);
    painter.drawText(rect(), Qt::AlignCenter, shownText());
}

QString OsdBox::shownText() const
{
    // The padding absorbs the rounding of the measured width.
    return fontMetrics().elidedText(m_text, Qt::ElideRight, width() - kPaddingX);
}

// The baseline of the window benchmarks: a bare Qt Widgets program showing one frameless 900x600 window with a
// pixmap background (the program's own main background picture), and nothing else.
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace {

class BareWindow : public QWidget
{
public:
    explicit BareWindow(const QString& picture) : m_background(picture)
    {
        setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
        resize(900, 600);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_background);
    }

private:
    QPixmap m_background;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    BareWindow window(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    window.show();
    return application.exec();
}

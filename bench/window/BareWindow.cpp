// The baseline of the window benchmarks: a bare Qt Widgets program showing one frameless 900x600 window with a
// pixmap background (the program's own main background picture), and nothing else.
// With --wait-every MS, one more thread waits MS at a time until the program ends: the floor of a thread
// that wakes that often, in a process of a Qt window's size (on some virtual machines a wake-up costs more,
// the more memory the process has mapped).
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <memory>
#include <thread>

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

// Wakes every `period` and does nothing else, until destroyed.
class WakingThread
{
public:
    explicit WakingThread(std::chrono::milliseconds period)
        : m_thread([this, period] {
              std::unique_lock<std::mutex> lock(m_mutex);
              while (!m_bStop)
                  m_stopped.wait_for(lock, period, [this] { return m_bStop; });
          })
    {
    }
    ~WakingThread()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bStop = true;
        }
        m_stopped.notify_all();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_bStop = false;
    std::thread m_thread;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    std::unique_ptr<WakingThread> waking;
    if (const int at = arguments.indexOf(QStringLiteral("--wait-every")); at >= 0 && at + 1 < arguments.size()) {
        waking = std::make_unique<WakingThread>(std::chrono::milliseconds(arguments.at(at + 1).toInt()));
        arguments.erase(arguments.begin() + at, arguments.begin() + at + 2);
    }
    BareWindow window(arguments.value(0));
    window.show();
    return application.exec();
}

#pragma once

#include <QThread>

// Lives only to start the write-out: its one signal is queued to the progress dialog, so the work begins
// once the dialog's own event loop runs.
class OrnProcessThread : public QThread
{
    Q_OBJECT

public:
    explicit OrnProcessThread(QObject* parent = nullptr);

signals:
    void DoProcessDlg();

protected:
    void run() override;
};

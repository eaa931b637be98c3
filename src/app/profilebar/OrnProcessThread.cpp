#include "app/profilebar/OrnProcessThread.h"
#include "log/Log.h"

OrnProcessThread::OrnProcessThread(QObject* parent) : QThread(parent) {}

void OrnProcessThread::run()
{
    emit DoProcessDlg();
}

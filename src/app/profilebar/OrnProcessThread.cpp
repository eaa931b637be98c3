#include "app/profilebar/OrnProcessThread.h"

OrnProcessThread::OrnProcessThread(QObject* parent) : QThread(parent) {}

void OrnProcessThread::run()
{
    emit DoProcessDlg();
}

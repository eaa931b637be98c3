#include "app/profilebar/OrnProcessThread.h"

#include <QtDebug>

OrnProcessThread::OrnProcessThread(QObject* parent) : QThread(parent) {}

void OrnProcessThread::run()
{
    if (m_bStop) {
        qDebug("isStop.\n");
        return;
    }
    emit DoProcessDlg();
}

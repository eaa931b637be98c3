#include "app/profilebar/OrnProcessThread.h"
#include "log/Log.h"

#include <QtDebug>

OrnProcessThread::OrnProcessThread(QObject* parent) : QThread(parent) {}

void OrnProcessThread::run()
{
    if (m_bStop) {
        qCDebug(lcApp, "isStop.\n");
        return;
    }
    emit DoProcessDlg();
}

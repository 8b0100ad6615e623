#include "hostkit/appinfolistfilter.h"

AppInfoListFilter::AppInfoListFilter(QObject *parent)
    : QObject(parent)
{
}

void AppInfoListFilter::setLocal(bool local)
{
    if (local == m_local)
        return;
    m_local = local;
    Q_EMIT localChanged();
}

#ifndef HOSTKIT_APPINFOLISTFILTER_H
#define HOSTKIT_APPINFOLISTFILTER_H

#include <QObject>

// Which apps of an app list its filtered list keeps (the list's `filter` group).
class AppInfoListFilter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool local READ local WRITE setLocal NOTIFY localChanged)

public:
    explicit AppInfoListFilter(QObject *parent = nullptr);

    // Only apps with a local folder.
    bool local() const { return m_local; }
    void setLocal(bool local);

Q_SIGNALS:
    void localChanged();

private:
    bool m_local = false;
};

#endif

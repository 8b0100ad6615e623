#ifndef LOOMWRIGHT_SHAREDDATA_H
#define LOOMWRIGHT_SHAREDDATA_H

#include "shared/segmentlock.h"

#include <QObject>
#include <QSharedMemory>
#include <QString>
#include <QTimer>
#include <QVariantMap>

// One JSON object mirrored between all processes of the suite through a named
// shared-memory segment. Writers bump a change counter in the segment; every
// process polls the counter and reports a change as dataChanged().
//
// Segment layout, native byte order: change counter (int32) at 0, payload
// length in bytes (int32) at 4, the payload (compact UTF-8 JSON) from 8 on.
class SharedData : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantMap object READ object WRITE setObject NOTIFY dataChanged)

public:
    SharedData(const QString &key, int size, int interval, QObject *parent = nullptr);
    ~SharedData() override;

    QVariantMap object() const;
    void setObject(const QVariantMap &object);

    QString stringData() const;
    void setStringData(const QString &text);

Q_SIGNALS:
    void dataChanged();

private Q_SLOTS:
    void onUpdateTimer();

private:
    void attachOrCreate(const QString &key, int size);
    bool hasSegment() const;
    int capacity() const;

    mutable QSharedMemory m_memory;
    mutable SegmentLock m_lock;
    QTimer m_updateTimer;
    qint32 m_lastSeenCounter = 0;
};

#endif

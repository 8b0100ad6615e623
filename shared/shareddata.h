#ifndef LOOMWRIGHT_SHAREDDATA_H
#define LOOMWRIGHT_SHAREDDATA_H

#include <QObject>
#include <QString>
#include <QVariantMap>

// One JSON object mirrored between all processes of the suite.
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

private:
    QString m_key;
    int m_size;
    int m_interval;
};

#endif

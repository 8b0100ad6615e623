#ifndef HOSTKIT_SETTINGS_H
#define HOSTKIT_SETTINGS_H

#include <QObject>
#include <QSettings>
#include <QVariant>

// The application's settings store for QML: QSettings in the place that the
// application object's organisation and application names select.
class Settings : public QObject
{
    Q_OBJECT

public:
    explicit Settings(QObject *parent = nullptr);

    Q_INVOKABLE QVariant value(const QString &key) const;
    Q_INVOKABLE QVariant value(const QString &key, const QVariant &defaultValue) const;
    Q_INVOKABLE bool boolValue(const QString &key, bool defaultValue = false) const;
    Q_INVOKABLE void setValue(const QString &key, const QVariant &value);
    Q_INVOKABLE void setValue(const QString &key, const QVariant &value, const QVariant &defaultValue);
    Q_INVOKABLE void remove(const QString &key);

private:
    QSettings m_settings;
};

#endif

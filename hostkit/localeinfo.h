#ifndef HOSTKIT_LOCALEINFO_H
#define HOSTKIT_LOCALEINFO_H

#include <QLocale>
#include <QObject>

// A locale by name, with the language code the portal understands.
class LocaleInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QString tavikName READ tavikName NOTIFY nameChanged)

public:
    explicit LocaleInfo(QObject *parent = nullptr);

    QString name() const { return m_locale.name(); }
    void setName(const QString &name);

    QString tavikName() const;

Q_SIGNALS:
    void nameChanged();

private:
    QLocale m_locale;
};

#endif

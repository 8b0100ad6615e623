#ifndef HOSTKIT_HOSTKIT_H
#define HOSTKIT_HOSTKIT_H

#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QVariantMap>

class FileFolder;
class FileInfo;
class LocaleInfo;
class Network;
class Settings;

// The host SDK's entry point for QML: one per engine.
class Hostkit : public QObject
{
    Q_OBJECT
    Q_PROPERTY(qreal displayScaleFactor READ displayScaleFactor NOTIFY displayScaleFactorChanged)
    Q_PROPERTY(Settings *settings READ settings CONSTANT)
    Q_PROPERTY(Network *network READ network CONSTANT)
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(QString qtVersion READ qtVersion CONSTANT)
    Q_PROPERTY(QVariantMap systemInformation READ systemInformation CONSTANT)

public:
    enum UuidFormat { UuidWithBraces = 0, UuidWithoutBraces = 1, UuidHexDigits = 2 };

    explicit Hostkit(QObject *parent = nullptr);

    qreal displayScaleFactor() const { return m_displayScaleFactor; }
    Settings *settings();
    Network *network();
    QString version() const;
    QString qtVersion() const;
    QVariantMap systemInformation() const;

    Q_INVOKABLE LocaleInfo *localeInfo(const QString &name = QString()) const;
    Q_INVOKABLE QString uuid(int format = UuidWithBraces) const;
    Q_INVOKABLE FileInfo *fileInfo(const QVariant &path) const;
    Q_INVOKABLE FileFolder *fileFolder(const QVariant &path) const;
    Q_INVOKABLE QString typeOf(const QJSValue &value) const;

Q_SIGNALS:
    void displayScaleFactorChanged();

private:
    void followPrimaryScreen(QScreen *screen);
    void updateDisplayScaleFactor();

    qreal m_displayScaleFactor = 1.0;
    QPointer<QScreen> m_screen;
    Settings *m_settings = nullptr;
    Network *m_network = nullptr;
};

#endif

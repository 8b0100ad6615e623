#ifndef LOOMWRIGHT_EXAMPLES_DEMOSERVICES_H
#define LOOMWRIGHT_EXAMPLES_DEMOSERVICES_H

#include "portal/localportal.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

// The demo mode's world on this machine: the local portal (portal/
// localportal.py with its demo users and apps) that also serves a
// documentation site whose version list names a newer version than the
// running one, and settings of the demo's own that point the window there.
// Everything lives in a temporary folder and ends with this object; the
// portal also ends by itself when the tool goes.
class DemoServices : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool running READ isRunning NOTIFY changed)
    Q_PROPERTY(QString portalUrl READ portalUrl NOTIFY changed)
    Q_PROPERTY(QString siteUrl READ siteUrl NOTIFY changed)
    Q_PROPERTY(QString updateVersion READ updateVersion NOTIFY changed)

public:
    explicit DemoServices(QObject *parent = nullptr);
    ~DemoServices() override;

    // Starts the portal and the site, and moves this process's settings into
    // the demo's folder with the portal's URL and an apps folder in them;
    // call it before the QML engine reads any setting. False with
    // errorString() when the portal does not start.
    bool start(const QString &productVersion);
    void stop();

    bool isRunning() const;
    QString portalUrl() const { return m_portalUrl; }
    QString siteUrl() const { return m_portalUrl; }
    // The version that the site publishes: one minor version above the
    // running one.
    QString updateVersion() const { return m_updateVersion; }
    QString errorString() const { return m_error; }

    static QString newerVersion(const QString &productVersion);

Q_SIGNALS:
    void changed();

private:
    bool writeSite(const QString &folder);

    std::unique_ptr<QTemporaryDir> m_folder;
    LocalPortal m_portal;
    QString m_portalUrl;
    QString m_updateVersion;
    QString m_error;
};

#endif

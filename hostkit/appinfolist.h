#ifndef HOSTKIT_APPINFOLIST_H
#define HOSTKIT_APPINFOLIST_H

#include "hostkit/appinfo.h"

#include <QJSValue>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlListProperty>
#include <QQmlParserStatus>
#include <QVariantList>

class AppInfoListFilter;
class NetworkRequest;
class QFileSystemWatcher;
class QTimer;

// The apps of the apps folder and, while the portal is signed in, the apps
// that the portal's search finds for the search query; one entry per app,
// a local app and its portal item joined by the item id.
class AppInfoList : public QObject, public QQmlParserStatus
{
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(QObject *portal READ portal WRITE setPortal NOTIFY portalChanged)
    Q_PROPERTY(QString searchQuery READ searchQuery WRITE setSearchQuery NOTIFY searchQueryChanged)
    Q_PROPERTY(bool autoRefresh READ autoRefresh WRITE setAutoRefresh NOTIFY autoRefreshChanged)
    Q_PROPERTY(AppInfoListFilter *filter READ filter CONSTANT)
    Q_PROPERTY(QString appsFolder READ appsFolder NOTIFY appsFolderChanged)
    Q_PROPERTY(bool refreshing READ refreshing NOTIFY refreshingChanged)
    Q_PROPERTY(QQmlListProperty<AppInfo> apps READ apps NOTIFY appsChanged)
    Q_PROPERTY(QQmlListProperty<AppInfo> filteredApps READ filteredApps NOTIFY filteredAppsChanged)
    Q_PROPERTY(bool isSorted READ isSorted NOTIFY isSortedChanged)

public:
    // Portal apps beyond this many are left out (and logged), so that a
    // refresh always ends.
    static constexpr int maximumPortalApps = 1000;

    explicit AppInfoList(QObject *parent = nullptr);
    ~AppInfoList() override;

    QObject *portal() const { return m_portal; }
    void setPortal(QObject *portal);
    QString searchQuery() const { return m_searchQuery; }
    void setSearchQuery(const QString &searchQuery);
    bool autoRefresh() const { return m_autoRefresh; }
    void setAutoRefresh(bool autoRefresh);
    AppInfoListFilter *filter() const { return m_filter; }
    QString appsFolder() const { return m_appsFolder; }
    bool refreshing() const { return m_refreshing; }
    QQmlListProperty<AppInfo> apps();
    QQmlListProperty<AppInfo> filteredApps();
    bool isSorted() const { return !m_sortField.isEmpty(); }

    QList<AppInfo *> appList() const { return m_apps; }
    QList<AppInfo *> filteredAppList() const { return m_filteredApps; }

    // Reads the apps folder again and, when signed in with a query, asks the
    // portal; a refresh under way starts over.
    Q_INVOKABLE void refresh();
    // Orders the filtered apps by a member ("title", "modified", "owner",
    // or any descriptor member) until clearSort(); order is Qt.AscendingOrder
    // or Qt.DescendingOrder.
    Q_INVOKABLE void sort(const QString &field, int order = Qt::AscendingOrder);
    Q_INVOKABLE void clearSort();

    void classBegin() override;
    void componentComplete() override;

Q_SIGNALS:
    void portalChanged();
    void searchQueryChanged();
    void autoRefreshChanged();
    void appsFolderChanged();
    void refreshingChanged();
    void appsChanged();
    void filteredAppsChanged();
    void isSortedChanged();
    void sorted();
    void sortCleared();

private Q_SLOTS:
    void scheduleRefresh();

private:
    void searchPage(int start);
    void searchAnswered();
    void finishRefresh();
    void publish(const QList<AppInfo *> &apps);
    QList<AppInfo *> filterAndSort() const;
    bool updateFiltered();
    void watchAppsFolder();

    QPointer<QObject> m_portal;
    QList<QMetaObject::Connection> m_portalConnections;
    QString m_searchQuery;
    bool m_autoRefresh = true;
    bool m_completed = true;
    AppInfoListFilter *m_filter;
    QString m_appsFolder;
    bool m_refreshing = false;
    QList<AppInfo *> m_apps;
    QList<AppInfo *> m_filteredApps;
    QString m_sortField;
    int m_sortOrder = Qt::AscendingOrder;

    // The refresh under way: the local apps found and the portal items so far.
    QList<AppInfo *> m_local;
    QVariantList m_items;
    NetworkRequest *m_search = nullptr;
    QJSValue m_searchWrapper;
    bool m_searchPending = false;
    int m_searchStart = 1;
    int m_searchPages = 0;
    QTimer *m_refreshTimer;
    QFileSystemWatcher *m_watcher = nullptr;
};

#endif

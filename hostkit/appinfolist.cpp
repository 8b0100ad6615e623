#include "hostkit/appinfolist.h"

#include "hostkit/appinfolistfilter.h"
#include "hostkit/apps_p.h"
#include "hostkit/logging.h"
#include "hostkit/networkrequest.h"
#include "hostkit/variants_p.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMetaProperty>
#include <QMultiHash>
#include <QQmlEngine>
#include <QSet>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int searchPageSize = 100;
// Enough pages for every app that is listed at all, however a portal cuts
// its pages; a portal that pages on for ever stops here.
constexpr int maximumSearchPages = AppInfoList::maximumPortalApps / searchPageSize;

// Bursts of changes in the apps folder (a download makes, renames and
// removes folders) become one refresh.
constexpr int refreshDelayMs = 100;

int appCount(QQmlListProperty<AppInfo> *property)
{
    return static_cast<QList<AppInfo *> *>(property->data)->size();
}

AppInfo *appAt(QQmlListProperty<AppInfo> *property, int index)
{
    const auto *list = static_cast<QList<AppInfo *> *>(property->data);
    return index >= 0 && index < list->size() ? list->at(index) : nullptr;
}

bool isMissing(const QVariant &value)
{
    return !value.isValid() || value.isNull() || (value.userType() == QMetaType::QString && value.toString().isEmpty());
}

// Negative, zero or positive like a comparison; numbers and dates by value,
// everything else as text in the user's collation, letter case aside.
int compareValues(const QVariant &a, const QVariant &b)
{
    if (HostkitVariants::isNumber(a) && HostkitVariants::isNumber(b)) {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return QString::localeAwareCompare(a.toString().toCaseFolded(), b.toString().toCaseFolded());
}

QVariant sortKey(const AppInfo *app, const QString &field)
{
    if (field == QLatin1String("title"))
        return app->title();
    if (field == QLatin1String("owner"))
        return app->owner();
    if (field == QLatin1String("modified") || field == QLatin1String("created")) {
        const qint64 msecs = HostkitApps::msecsOf(app->value(field));
        return msecs > 0 ? QVariant(msecs) : QVariant();
    }
    return app->value(field);
}

// Newest first, then by title: the order of an unsorted list.
bool naturallyBefore(const AppInfo *a, const AppInfo *b)
{
    const qint64 x = a->modified().isValid() ? a->modified().toMSecsSinceEpoch() : 0;
    const qint64 y = b->modified().isValid() ? b->modified().toMSecsSinceEpoch() : 0;
    if (x != y)
        return x > y;
    const int byTitle = compareValues(a->title(), b->title());
    if (byTitle != 0)
        return byTitle < 0;
    return a->path() < b->path();
}

}

AppInfoList::AppInfoList(QObject *parent)
    : QObject(parent)
    , m_filter(new AppInfoListFilter(this))
    , m_refreshTimer(new QTimer(this))
{
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(refreshDelayMs);
    connect(m_refreshTimer, &QTimer::timeout, this, &AppInfoList::refresh);
    connect(m_filter, &AppInfoListFilter::localChanged, this, &AppInfoList::updateFiltered);
}

AppInfoList::~AppInfoList()
{
    for (const QMetaObject::Connection &connection : qAsConst(m_portalConnections))
        disconnect(connection);
}

void AppInfoList::setPortal(QObject *portal)
{
    if (portal == m_portal)
        return;
    for (const QMetaObject::Connection &connection : qAsConst(m_portalConnections))
        disconnect(connection);
    m_portalConnections.clear();
    m_portal = portal;
    if (portal) {
        // A sign-in, sign-out or new token changes what the portal shows.
        const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("scheduleRefresh()"));
        for (const char *name : {"signedIn", "token", "restUrl"}) {
            const int index = portal->metaObject()->indexOfProperty(name);
            if (index < 0)
                continue;
            const QMetaProperty property = portal->metaObject()->property(index);
            if (property.hasNotifySignal())
                m_portalConnections.append(connect(portal, property.notifySignal(), this, slot));
        }
    }
    Q_EMIT portalChanged();
    scheduleRefresh();
}

void AppInfoList::setSearchQuery(const QString &searchQuery)
{
    if (searchQuery == m_searchQuery)
        return;
    m_searchQuery = searchQuery;
    Q_EMIT searchQueryChanged();
    scheduleRefresh();
}

void AppInfoList::setAutoRefresh(bool autoRefresh)
{
    if (autoRefresh == m_autoRefresh)
        return;
    m_autoRefresh = autoRefresh;
    if (!autoRefresh)
        m_refreshTimer->stop();
    watchAppsFolder();
    Q_EMIT autoRefreshChanged();
    scheduleRefresh();
}

QQmlListProperty<AppInfo> AppInfoList::apps()
{
    return QQmlListProperty<AppInfo>(this, &m_apps, &appCount, &appAt);
}

QQmlListProperty<AppInfo> AppInfoList::filteredApps()
{
    return QQmlListProperty<AppInfo>(this, &m_filteredApps, &appCount, &appAt);
}

void AppInfoList::classBegin()
{
    m_completed = false;
}

void AppInfoList::componentComplete()
{
    m_completed = true;
    scheduleRefresh();
}

void AppInfoList::scheduleRefresh()
{
    if (m_autoRefresh && m_completed)
        m_refreshTimer->start();
}

void AppInfoList::refresh()
{
    m_refreshTimer->stop();
    const QString folder = HostkitApps::appsFolder();
    const bool folderChanged = folder != m_appsFolder;
    m_appsFolder = folder;
    watchAppsFolder();

    // What an unfinished refresh found was never shown.
    qDeleteAll(m_local);
    m_local.clear();
    m_items.clear();

    // Hidden folders are skipped: among them the unfinished downloads.
    const QDir dir(m_appsFolder);
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString path = dir.filePath(name);
        if (!QFileInfo::exists(path + QLatin1Char('/') + HostkitApps::descriptorName()))
            continue;
        auto *app = new AppInfo(this);
        QQmlEngine::setObjectOwnership(app, QQmlEngine::CppOwnership);
        app->setPath(path);
        if (app->isValid())
            m_local.append(app);
        else
            delete app;
    }
    qCDebug(lcHostkit) << Q_FUNC_INFO << m_appsFolder << m_local.size() << "local apps";

    const HostkitApps::PortalAccess access = HostkitApps::portalAccess(m_portal);
    const bool search = access.signedIn && access.isUsable() && !m_searchQuery.trimmed().isEmpty();
    QPointer<AppInfoList> self(this);
    if (folderChanged) {
        Q_EMIT appsFolderChanged();
        if (!self)
            return;
    }
    if (!search) {
        m_searchPending = false;
        finishRefresh();
        return;
    }
    m_searchPending = true;
    searchPage(1);
    if (!m_refreshing) {
        m_refreshing = true;
        Q_EMIT refreshingChanged();
    }
}

void AppInfoList::searchPage(int start)
{
    if (!m_search) {
        m_search = new NetworkRequest(this);
        // Queued: the answer is taken apart outside the request's own signal.
        connect(m_search, &NetworkRequest::readyStateChanged, this, &AppInfoList::searchAnswered, Qt::QueuedConnection);
    }
    HostkitApps::shareEngine(this, m_search, &m_searchWrapper);
    const HostkitApps::PortalAccess access = HostkitApps::portalAccess(m_portal);
    access.prepare(m_search);
    m_searchPages = start == 1 ? 1 : m_searchPages + 1;
    m_searchStart = start;
    m_search->setUrl(access.url(QStringLiteral("/search"),
                                {{QStringLiteral("f"), QStringLiteral("json")},
                                 {QStringLiteral("q"), m_searchQuery},
                                 {QStringLiteral("start"), QString::number(start)},
                                 {QStringLiteral("num"), QString::number(searchPageSize)},
                                 {QStringLiteral("sortField"), QStringLiteral("modified")},
                                 {QStringLiteral("sortOrder"), QStringLiteral("desc")}}));
    m_search->send();
}

void AppInfoList::searchAnswered()
{
    if (!m_searchPending || !m_search || m_search->readyState() != NetworkRequest::ReadyStateComplete)
        return;
    m_searchPending = false;

    const QJsonDocument document = QJsonDocument::fromJson(m_search->response().toString().toUtf8());
    const QJsonObject answer = document.object();
    QVariantMap portalError;
    QString problem = m_search->errorText();
    if (HostkitApps::portalErrorOf(answer, &portalError))
        problem = portalError.value(QStringLiteral("message")).toString();
    else if (problem.isEmpty() && !answer.value(QStringLiteral("results")).isArray())
        problem = QStringLiteral("the answer has no results");
    if (!problem.isEmpty()) {
        qCWarning(lcHostkit) << Q_FUNC_INFO << "Portal search failed:" << NetworkRequest::maskedUrl(m_search->url())
                             << problem;
        // The portal's apps are unknown now; the local ones are still there.
        m_items.clear();
        finishRefresh();
        return;
    }

    const QJsonArray results = answer.value(QStringLiteral("results")).toArray();
    for (const QJsonValue &result : results) {
        const QVariantMap item = result.toObject().toVariantMap();
        if (HostkitApps::isSafeItemId(item.value(QStringLiteral("id")).toString()))
            m_items.append(item);
        else
            qCWarning(lcHostkit) << Q_FUNC_INFO << "Item without a usable id left out:" << item.value(QStringLiteral("id"));
    }
    // The next page is asked for only while the portal's answers move on:
    // a page with results, a start further on and, where the portal tells
    // its total, not past it.
    const int nextStart = answer.value(QStringLiteral("nextStart")).toInt(-1);
    const int total = answer.value(QStringLiteral("total")).toInt(-1);
    const bool morePages = !results.isEmpty() && nextStart > m_searchStart && (total < 0 || nextStart <= total);
    if (morePages && m_items.size() < maximumPortalApps && m_searchPages < maximumSearchPages) {
        m_searchPending = true;
        searchPage(nextStart);
        return;
    }
    if (morePages)
        qCWarning(lcHostkit) << Q_FUNC_INFO << "Only the first" << m_items.size() << "of" << total
                             << "portal apps are listed";
    finishRefresh();
}

void AppInfoList::finishRefresh()
{
    const HostkitApps::PortalAccess access = HostkitApps::portalAccess(m_portal);
    QMultiHash<QString, AppInfo *> localByItem;
    for (AppInfo *app : qAsConst(m_local)) {
        if (app->isPublished())
            localByItem.insert(app->itemId(), app);
    }
    QList<AppInfo *> apps = m_local;
    QSet<QString> seen;
    for (const QVariant &value : qAsConst(m_items)) {
        const QVariantMap item = value.toMap();
        const QString id = item.value(QStringLiteral("id")).toString();
        if (seen.contains(id))
            continue;
        seen.insert(id);
        const QList<AppInfo *> local = localByItem.values(id);
        for (AppInfo *app : local)
            app->setItem(item, access.restUrl, access.token);
        if (!local.isEmpty())
            continue;
        auto *app = new AppInfo(this);
        QQmlEngine::setObjectOwnership(app, QQmlEngine::CppOwnership);
        app->setItem(item, access.restUrl, access.token);
        apps.append(app);
    }
    std::stable_sort(apps.begin(), apps.end(), naturallyBefore);
    m_local.clear();
    m_items.clear();
    publish(apps);
}

void AppInfoList::publish(const QList<AppInfo *> &apps)
{
    const QList<AppInfo *> previous = m_apps;
    m_apps = apps;
    const QList<AppInfo *> filtered = filterAndSort();
    const bool filteredChanged = filtered != m_filteredApps;
    m_filteredApps = filtered;
    const bool refreshingChanged = m_refreshing;
    m_refreshing = false;
    // Later, not now: a handler may still hold one of them.
    for (AppInfo *app : previous) {
        if (!m_apps.contains(app))
            app->deleteLater();
    }

    QPointer<AppInfoList> self(this);
    Q_EMIT appsChanged();
    if (!self)
        return;
    if (filteredChanged) {
        Q_EMIT filteredAppsChanged();
        if (!self)
            return;
    }
    if (refreshingChanged)
        Q_EMIT this->refreshingChanged();
}

QList<AppInfo *> AppInfoList::filterAndSort() const
{
    QList<AppInfo *> apps;
    for (AppInfo *app : m_apps) {
        if (!m_filter->local() || app->isLocal())
            apps.append(app);
    }
    if (m_sortField.isEmpty())
        return apps;
    const QString field = m_sortField;
    const bool descending = m_sortOrder == Qt::DescendingOrder;
    std::stable_sort(apps.begin(), apps.end(), [&field, descending](const AppInfo *a, const AppInfo *b) {
        const QVariant x = sortKey(a, field);
        const QVariant y = sortKey(b, field);
        // Apps without the member go last, whichever the order.
        if (isMissing(x) || isMissing(y))
            return !isMissing(x) && isMissing(y);
        const int order = compareValues(x, y);
        return descending ? order > 0 : order < 0;
    });
    return apps;
}

bool AppInfoList::updateFiltered()
{
    const QList<AppInfo *> filtered = filterAndSort();
    if (filtered == m_filteredApps)
        return true;
    m_filteredApps = filtered;
    QPointer<AppInfoList> self(this);
    Q_EMIT filteredAppsChanged();
    return !self.isNull();
}

void AppInfoList::sort(const QString &field, int order)
{
    if (field.isEmpty()) {
        clearSort();
        return;
    }
    const bool wasSorted = isSorted();
    m_sortField = field;
    m_sortOrder = order == Qt::DescendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    QPointer<AppInfoList> self(this);
    if (!updateFiltered())
        return;
    if (!wasSorted) {
        Q_EMIT isSortedChanged();
        if (!self)
            return;
    }
    Q_EMIT sorted();
}

void AppInfoList::clearSort()
{
    if (!isSorted())
        return;
    m_sortField.clear();
    m_sortOrder = Qt::AscendingOrder;
    QPointer<AppInfoList> self(this);
    if (!updateFiltered())
        return;
    Q_EMIT isSortedChanged();
    if (self)
        Q_EMIT sortCleared();
}

void AppInfoList::watchAppsFolder()
{
    if (!m_autoRefresh) {
        delete m_watcher;
        m_watcher = nullptr;
        return;
    }
    if (!m_watcher) {
        m_watcher = new QFileSystemWatcher(this);
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &AppInfoList::scheduleRefresh);
    }
    const QStringList watched = m_watcher->directories();
    if (watched.size() == 1 && watched.first() == m_appsFolder)
        return;
    if (!watched.isEmpty())
        m_watcher->removePaths(watched);
    if (!m_appsFolder.isEmpty() && QFileInfo(m_appsFolder).isDir())
        m_watcher->addPath(m_appsFolder);
}

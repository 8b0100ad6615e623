#include "hostkit/itempackage.h"

#include "hostkit/apps_p.h"
#include "hostkit/archiveunpacker.h"
#include "hostkit/logging.h"
#include "hostkit/networkrequest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#endif

namespace {

const QString archiveName = QStringLiteral("data.zip");
const QString contentName = QStringLiteral("content");
const QString previousName = QStringLiteral("previous");

// A portal's error answer is small; a file that big is the archive itself.
constexpr qint64 largestErrorAnswer = qint64(1) << 20;

QString unpackingMessage(ArchiveUnpacker::Error error)
{
    switch (error) {
    case ArchiveUnpacker::TooManyEntries:
        return ItemPackage::tr("The archive holds too many entries");
    case ArchiveUnpacker::TooLarge:
        return ItemPackage::tr("The archive is too large");
    case ArchiveUnpacker::Damaged:
        return ItemPackage::tr("The archive is damaged");
    case ArchiveUnpacker::RefusedPath:
    case ArchiveUnpacker::RefusedLink:
        return ItemPackage::tr("The archive holds an entry outside its folder");
    case ArchiveUnpacker::CannotWrite:
    // Neither comes here: the caller tells them apart first.
    case ArchiveUnpacker::NoError:
    case ArchiveUnpacker::NotAnArchive:
        break;
    }
    return ItemPackage::tr("Cannot unpack the archive");
}

// Puts source at target in one step. A folder already at target trades
// places with it where the system can (it then lies at source, to go with
// the working folder); elsewhere it is moved aside first and back on failure.
bool placeFolder(const QString &source, const QString &target, const QString &aside, QString *problem)
{
    QDir dir;
    const QFileInfo existing(target);
    if (!existing.exists() && !existing.isSymLink()) {
        if (dir.rename(source, target))
            return true;
        *problem = QStringLiteral("cannot rename %1 to %2").arg(source, target);
        return false;
    }
#ifdef Q_OS_LINUX
    if (::renameat2(AT_FDCWD, QFile::encodeName(source).constData(), AT_FDCWD, QFile::encodeName(target).constData(),
                    RENAME_EXCHANGE)
        == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        *problem = QStringLiteral("cannot exchange %1 and %2: %3").arg(source, target, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
#endif
    if (!dir.rename(target, aside)) {
        *problem = QStringLiteral("cannot move %1 aside").arg(target);
        return false;
    }
    if (!dir.rename(source, target)) {
        dir.rename(aside, target);
        *problem = QStringLiteral("cannot rename %1 to %2").arg(source, target);
        return false;
    }
    return true;
}

}

ItemPackage::ItemPackage(QObject *parent)
    : QObject(parent)
    , m_error(failure(QString()))
{
}

ItemPackage::~ItemPackage()
{
    // The request first: its unfinished file lies in the working folder.
    delete m_request;
    m_request = nullptr;
    m_work.reset();
}

void ItemPackage::setPortal(QObject *portal)
{
    if (portal == m_portal)
        return;
    m_portal = portal;
    Q_EMIT portalChanged();
}

void ItemPackage::setItemId(const QString &itemId)
{
    if (itemId == m_itemId)
        return;
    m_itemId = itemId;
    Q_EMIT itemIdChanged();
}

void ItemPackage::setFolder(const QString &folder)
{
    const QString localPath = HostkitPaths::localPath(folder);
    if (localPath == m_folder)
        return;
    m_folder = localPath;
    Q_EMIT folderChanged();
}

QVariant ItemPackage::itemInfo() const
{
    return m_itemInfo.isEmpty() ? QVariant::fromValue(nullptr) : QVariant(m_itemInfo);
}

QString ItemPackage::effectiveFolder() const
{
    return m_folder.isEmpty() ? HostkitApps::appsFolder() : QDir::cleanPath(m_folder);
}

QVariantMap ItemPackage::failure(const QString &message, const QString &details, int code)
{
    return HostkitApps::errorObject(code, message, details);
}

bool ItemPackage::prepare(Target *target, QVariantMap *error)
{
    if (!HostkitApps::isSafeItemId(m_itemId)) {
        *error = failure(tr("Invalid item id"), m_itemId);
        return false;
    }
    target->itemId = m_itemId;
    target->title = m_itemId;
    target->path = effectiveFolder() + QLatin1Char('/') + m_itemId;
    return true;
}

bool ItemPackage::mayReplace(const QString &existing, const Target &) const
{
    // A folder named after the item is the item's from an earlier download.
    return QFileInfo(existing).isDir() && !QFileInfo(existing).isSymLink();
}

bool ItemPackage::finishContent(const QString &content, const Target &, const QVariantMap &, QString *root,
                                QVariantMap *)
{
    *root = content;
    return true;
}

void ItemPackage::completed(const QString &)
{
}

bool ItemPackage::download()
{
    qCDebug(lcHostkit) << Q_FUNC_INFO << m_itemId;
    reset();
    int changes = 0;
    if (!m_path.isEmpty()) {
        m_path.clear();
        changes |= PathChange;
    }
    if (!m_itemInfo.isEmpty()) {
        m_itemInfo.clear();
        changes |= ItemInfoChange;
    }
    if (m_error != failure(QString())) {
        m_error = failure(QString());
        changes |= ErrorChange;
    }

    Target target;
    QVariantMap error;
    const HostkitApps::PortalAccess access = HostkitApps::portalAccess(m_portal);
    if (!prepare(&target, &error)) {
        fail(error, changes);
        return false;
    }
    if (!access.isUsable()) {
        fail(failure(tr("No portal to download from"), target.title), changes);
        return false;
    }
    // The working folder is a sibling of the target, on the same file system,
    // so that the finished item moves into place by a rename.
    const QString parent = QFileInfo(target.path).absolutePath();
    if (!QDir().mkpath(parent)) {
        fail(failure(tr("Cannot create the folder"), parent), changes);
        return false;
    }
    auto work = std::make_unique<QTemporaryDir>(parent + QStringLiteral("/.") + target.itemId + QStringLiteral("-XXXXXX"));
    if (!work->isValid()) {
        fail(failure(tr("Cannot create the folder"), work->errorString()), changes);
        return false;
    }
    m_target = target;
    m_work = std::move(work);

    m_request = new NetworkRequest(this);
    HostkitApps::shareEngine(this, m_request, &m_requestWrapper);
    // Queued: each step runs outside the request's own signals, where the
    // request may go.
    connect(m_request, &NetworkRequest::readyStateChanged, this, &ItemPackage::requestStateChanged, Qt::QueuedConnection);
    connect(m_request, &NetworkRequest::progressChanged, this, &ItemPackage::dataProgressed, Qt::QueuedConnection);
    access.prepare(m_request);
    m_request->setResponseType(QStringLiteral("text"));
    m_request->setUrl(access.url(QStringLiteral("/content/items/") + target.itemId, {{QStringLiteral("f"), QStringLiteral("json")}}));
    m_phase = FetchingInfo;
    m_request->send();

    changes |= setProgress(0.0, 0) | setState(Downloading, tr("Downloading %1").arg(target.title));
    publish(changes);
    return true;
}

void ItemPackage::reset()
{
    ++m_generation;
    // Never inside the request's own signals: those reach this object queued.
    delete m_request;
    m_request = nullptr;
    m_requestWrapper = QJSValue();
    m_phase = Idle;
    m_work.reset();
    m_target = Target();
}

int ItemPackage::setState(Status status, const QString &message)
{
    int changes = 0;
    if (message != m_statusMessage) {
        m_statusMessage = message;
        changes |= MessageChange;
    }
    if (status != m_status) {
        m_status = status;
        changes |= StatusChange;
    }
    return changes;
}

int ItemPackage::setProgress(qreal percentage, int seconds)
{
    int changes = 0;
    if (!qFuzzyCompare(percentage + 1.0, m_percentage + 1.0)) {
        m_percentage = percentage;
        changes |= PercentageChange;
    }
    if (seconds != m_secondsRemaining) {
        m_secondsRemaining = seconds;
        changes |= SecondsChange;
    }
    return changes;
}

// Everything is in place before the first signal, and the status goes last,
// so that its handlers read the rest. A handler may delete this object: then
// nothing more is sent, and false tells the caller to touch nothing.
bool ItemPackage::publish(int changes)
{
    QPointer<ItemPackage> self(this);
    const QList<QPair<int, void (ItemPackage::*)()>> signalsInOrder = {
        {PathChange, &ItemPackage::pathChanged},
        {ItemInfoChange, &ItemPackage::itemInfoChanged},
        {PercentageChange, &ItemPackage::percentageChanged},
        {SecondsChange, &ItemPackage::secondsRemainingEstimateChanged},
        {MessageChange, &ItemPackage::statusMessageChanged},
        {ErrorChange, &ItemPackage::errorChanged},
        {StatusChange, &ItemPackage::statusChanged}};
    for (const auto &entry : signalsInOrder) {
        if (!(changes & entry.first))
            continue;
        (this->*entry.second)();
        if (!self)
            return false;
    }
    return true;
}

void ItemPackage::fail(const QVariantMap &error, int changes)
{
    qCWarning(lcHostkit) << Q_FUNC_INFO << "Download of" << (m_target.itemId.isEmpty() ? m_itemId : m_target.itemId)
                         << "failed:" << error.value(QStringLiteral("message")).toString()
                         << error.value(QStringLiteral("details")).toString();
    reset();
    if (error != m_error) {
        m_error = error;
        changes |= ErrorChange;
    }
    changes |= setProgress(m_percentage, 0) | setState(Error, error.value(QStringLiteral("message")).toString());
    publish(changes);
}

// The portal's error form, in an answer of any status; else the network's.
// A refused download hands its answer over parsed, every other one as text.
QVariantMap ItemPackage::requestError() const
{
    const QJSValue response = m_request->response();
    const QJsonObject answer = response.isString()
                                   ? QJsonDocument::fromJson(response.toString().toUtf8()).object()
                                   : QJsonObject::fromVariantMap(response.toVariant().toMap());
    QVariantMap error;
    if (HostkitApps::portalErrorOf(answer, &error))
        return error;
    if (!m_request->errorText().isEmpty())
        return failure(tr("Download failed"), m_request->errorText(), m_request->status());
    return QVariantMap();
}

void ItemPackage::requestStateChanged()
{
    if (sender() != m_request || !m_request || m_request->readyState() != NetworkRequest::ReadyStateComplete)
        return;
    if (m_phase == FetchingInfo)
        infoAnswered();
    else if (m_phase == FetchingData)
        dataAnswered();
}

void ItemPackage::infoAnswered()
{
    const QVariantMap error = requestError();
    if (!error.isEmpty()) {
        fail(error);
        return;
    }
    const QJsonObject item = QJsonDocument::fromJson(m_request->response().toString().toUtf8()).object();
    if (item.value(QStringLiteral("id")).toString() != m_target.itemId) {
        fail(failure(tr("The portal's answer does not describe the item"), m_target.itemId));
        return;
    }
    m_itemInfo = item.toVariantMap();
    int changes = ItemInfoChange;
    if (m_target.title == m_target.itemId && !item.value(QStringLiteral("title")).toString().isEmpty()) {
        m_target.title = item.value(QStringLiteral("title")).toString();
        changes |= setState(Downloading, tr("Downloading %1").arg(m_target.title));
    }

    const HostkitApps::PortalAccess access = HostkitApps::portalAccess(m_portal);
    if (!access.isUsable()) {
        fail(failure(tr("No portal to download from"), m_target.title), changes);
        return;
    }
    access.prepare(m_request);
    // Text: an error answer's body stays readable; the archive goes to the file.
    m_request->setResponseType(QStringLiteral("text"));
    // NetworkRequest keeps the body in a temporary file until all of it has
    // arrived, and deletes it otherwise.
    m_request->setResponsePath(m_work->filePath(archiveName));
    // Compressed, an archive is no larger than what it unpacks to.
    m_request->setMaximumFileSize(maximumUnpackedSize);
    m_request->setUrl(access.url(QStringLiteral("/content/items/") + m_target.itemId + QStringLiteral("/data"), {}));
    m_phase = FetchingData;
    m_request->send();
    m_clock.start();
    publish(changes);
}

void ItemPackage::dataProgressed()
{
    if (sender() != m_request || !m_request || m_phase != FetchingData)
        return;
    const qreal fraction = qBound(0.0, m_request->progress(), 1.0);
    int seconds = 0;
    if (fraction > 0.0 && fraction < 1.0 && m_clock.isValid()) {
        const double elapsed = m_clock.elapsed() / 1000.0;
        seconds = int(std::ceil(elapsed * (1.0 - fraction) / fraction));
    }
    publish(setProgress(fraction * 100.0, seconds));
}

void ItemPackage::dataAnswered()
{
    const QVariantMap error = requestError();
    if (!error.isEmpty()) {
        fail(error);
        return;
    }
    m_phase = Idle;
    const quint64 generation = m_generation;
    // Queued, so that "Unpacking" reaches the screen before the work blocks.
    QMetaObject::invokeMethod(this, [this, generation] { unpack(generation); }, Qt::QueuedConnection);
    publish(setProgress(100.0, 0) | setState(Downloading, tr("Unpacking %1").arg(m_target.title)));
}

void ItemPackage::unpack(quint64 generation)
{
    if (generation != m_generation || !m_work)
        return;
    const QString archive = m_work->filePath(archiveName);
    const QString content = m_work->filePath(contentName);

    QString problem;
    const ArchiveUnpacker unpacker(maximumEntries, maximumUnpackedSize);
    const ArchiveUnpacker::Error unpacked = unpacker.unpack(archive, content, &problem);
    if (unpacked == ArchiveUnpacker::NotAnArchive) {
        // A portal may answer an error as item data, with status 200.
        QFile file(archive);
        QVariantMap error;
        if (file.size() <= largestErrorAnswer && file.open(QIODevice::ReadOnly)
            && HostkitApps::portalErrorOf(QJsonDocument::fromJson(file.readAll()).object(), &error)) {
            fail(error);
        } else {
            fail(failure(tr("The download is not an archive"), m_target.title));
        }
        return;
    }
    if (unpacked != ArchiveUnpacker::NoError) {
        fail(failure(unpackingMessage(unpacked), problem));
        return;
    }

    QString root;
    QVariantMap error;
    if (!finishContent(content, m_target, m_itemInfo, &root, &error)) {
        fail(error);
        return;
    }
    QString target = m_target.path;
    const QFileInfo existing(target);
    if ((existing.exists() || existing.isSymLink()) && !mayReplace(target, m_target)) {
        const QString taken = target;
        for (int n = 1; n < 100 && (QFileInfo(target).exists() || QFileInfo(target).isSymLink()); ++n)
            target = taken + QLatin1Char('-') + QString::number(n);
        if (QFileInfo(target).exists() || QFileInfo(target).isSymLink()) {
            fail(failure(tr("Cannot put the item in place"), taken));
            return;
        }
    }
    if (!placeFolder(root, target, m_work->filePath(previousName), &problem)) {
        fail(failure(tr("Cannot put the item in place"), problem));
        return;
    }
    // What the target held before, and the archive, go with the working folder.
    m_work.reset();
    m_path = target;
    qCDebug(lcHostkit) << Q_FUNC_INFO << m_target.itemId << "is at" << target;

    QPointer<ItemPackage> self(this);
    completed(target);
    if (!self)
        return;
    publish(PathChange | setProgress(100.0, 0) | setState(Ready, tr("%1 downloaded").arg(m_target.title)));
}

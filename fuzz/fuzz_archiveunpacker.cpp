// Arbitrary bytes as a downloaded archive, unpacked into a new folder below
// a folder of its own. Whatever comes of it, nothing may appear beside the
// unpacking folder, a failure leaves no folder, and every link unpacked leads
// inside it, followed as the system follows links.
#include "hostkit/archiveunpacker.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Small, so that no input takes long or much memory.
constexpr int maximumEntries = 64;
constexpr qint64 maximumSize = qint64(1) << 20;
// As many links as the system follows before it gives up.
constexpr int maximumLinksFollowed = 40;

QString readLink(const QString &path)
{
    char target[ArchiveUnpacker::maximumLinkTargetSize + 1];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
    return length < 0 ? QString() : QFile::decodeName(QByteArray(target, int(length)));
}

bool isLink(const QString &path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

// Where the link at path leads: its target followed step by step from the
// link's folder, each step that is a link replaced by that link's own
// target, as the system does, so that a chain of links counts where it ends.
// Steps that do not exist stay as they are. True, and the path in *end, but
// for a loop, which leads nowhere.
bool linkEnd(const QString &path, QString *end)
{
    const QString target = readLink(path);
    // The link's folder, not the link: a link that leads nowhere has no canonical path.
    QString current = target.startsWith(QLatin1Char('/')) ? QString()
                                                          : QFileInfo(QFileInfo(path).path()).canonicalFilePath();
    QStringList steps = target.split(QLatin1Char('/'));
    int followed = 0;
    while (!steps.isEmpty()) {
        const QString step = steps.takeFirst();
        if (step.isEmpty() || step == QLatin1String("."))
            continue;
        if (step == QLatin1String("..")) {
            current = current.left(qMax(0, current.lastIndexOf(QLatin1Char('/'))));
            continue;
        }
        const QString next = current + QLatin1Char('/') + step;
        if (!isLink(next)) {
            current = next;
            continue;
        }
        if (++followed > maximumLinksFollowed)
            return false;
        const QString nextTarget = readLink(next);
        steps = nextTarget.split(QLatin1Char('/')) + steps;
        if (nextTarget.startsWith(QLatin1Char('/')))
            current = QString();
    }
    *end = current;
    return true;
}

bool leadsInside(const QString &link, const QString &canonicalRoot)
{
    QString end;
    return !linkEnd(link, &end) || end == canonicalRoot || end.startsWith(canonicalRoot + QLatin1Char('/'));
}

QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // KArchive's warnings about every damaged archive it meets tell a
    // finding nothing.
    QLoggingCategory::setFilterRules(QStringLiteral("kf.archive*=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTemporaryDir top;
    const QString archive = top.filePath(QStringLiteral("archive.zip"));
    const QString parent = top.filePath(QStringLiteral("parent"));
    const QString folder = parent + QStringLiteral("/unpacked");
    QFile file(archive);
    if (!top.isValid() || !QDir().mkdir(parent) || !file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size)) {
        std::abort();
    }
    file.close();

    QString details;
    const ArchiveUnpacker::Error error = ArchiveUnpacker(maximumEntries, maximumSize).unpack(archive, folder, &details);
    const bool unpacked = error == ArchiveUnpacker::NoError;
    if (namesIn(top.path()) != QStringList{QStringLiteral("archive.zip"), QStringLiteral("parent")}
        || namesIn(parent) != (unpacked ? QStringList{QStringLiteral("unpacked")} : QStringList())
        || (!unpacked && details.isEmpty())) {
        std::abort();
    }
    if (!unpacked)
        return 0;
    const QString canonicalRoot = QFileInfo(folder).canonicalFilePath();
    if (isLink(folder) || canonicalRoot.isEmpty())
        std::abort();
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (isLink(path) && !leadsInside(path, canonicalRoot))
            std::abort();
    }
    return 0;
}

#include "hostkit/archiveunpacker.h"

#include <KArchive>
#include <KArchiveDirectory>
#include <KZip>
#include <KZipFileEntry>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QVector>
#include <QtEndian>

#include <limits>
#include <memory>
#include <zlib.h>

namespace {

using Error = ArchiveUnpacker::Error;

constexpr qint64 copyChunk = qint64(1) << 16;

// The Unix file type in an entry's mode, which zip keeps in the upper half of
// its external attributes.
constexpr int fileTypeMask = 0170000;
constexpr int linkType = 0120000;

// The end of central directory record: its signature, fixed size and entry
// count; a comment of up to 64 KiB may follow it.
const QByteArray endRecordSignature = QByteArrayLiteral("PK\x05\x06");
constexpr int endRecordSize = 22;
constexpr int endRecordEntries = 10;
constexpr int largestComment = 0xFFFF;
// The 64-bit format's locator right before it, pointing to its own record.
const QByteArray locatorSignature = QByteArrayLiteral("PK\x06\x07");
constexpr int locatorSize = 20;
constexpr int locatorRecordOffset = 8;
const QByteArray record64Signature = QByteArrayLiteral("PK\x06\x06");
constexpr int record64Entries = 32;

// An archive as it will be written: checked whole before a byte is.
struct Plan
{
    QStringList folders;
    QVector<QPair<QString, const KArchiveFile *>> files;
    QVector<QPair<QString, QString>> links;
    QSet<QString> linkPaths;
    qint64 size = 0;
    int entries = 0;
};

// Absolute paths, also with a drive letter, never name anything inside the folder.
bool isPlainRelative(const QString &path)
{
    static const QRegularExpression driveLetter(QStringLiteral("^[A-Za-z]:"));
    return !path.isEmpty() && !path.startsWith(QLatin1Char('/')) && !path.startsWith(QLatin1Char('\\'))
        && !driveLetter.match(path).hasMatch();
}

// Backslashes count as separators, as they do where most archives are made.
QStringList pathSteps(const QString &path)
{
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    QStringList steps = path.split(separators, Qt::SkipEmptyParts);
    steps.removeAll(QStringLiteral("."));
    return steps;
}

// The entry's path relative to the unpacking folder, or false when it could
// land outside it.
bool relativePath(const QString &raw, QString *clean)
{
    if (!isPlainRelative(raw))
        return false;
    const QStringList steps = pathSteps(raw);
    if (steps.contains(QStringLiteral("..")))
        return false;
    *clean = steps.join(QLatin1Char('/'));
    return !clean->isEmpty();
}

// A link leads where the system takes it: step by step from the link's own
// folder ("a/../../x" climbs out though it ends in x), never above the top,
// and never through another link of the archive, whose own target would
// decide where the rest goes. A link to a link is fine: that one is judged
// by itself.
bool linkStaysInside(const QString &linkPath, const QString &target, const QSet<QString> &links)
{
    if (!isPlainRelative(target))
        return false;
    QStringList resolved = linkPath.split(QLatin1Char('/'));
    resolved.removeLast();
    const QStringList steps = pathSteps(target);
    for (int i = 0; i < steps.size(); ++i) {
        if (steps.at(i) == QLatin1String("..")) {
            if (resolved.isEmpty())
                return false;
            resolved.removeLast();
        } else {
            resolved.append(steps.at(i));
        }
        if (i + 1 < steps.size() && links.contains(resolved.join(QLatin1Char('/'))))
            return false;
    }
    return true;
}

// The link of the archive that path lies inside, or an empty string: written
// last, it would carry whatever lies below it elsewhere.
QString linkAbove(const QString &path, const QSet<QString> &links)
{
    for (int slash = path.indexOf(QLatin1Char('/')); slash > 0; slash = path.indexOf(QLatin1Char('/'), slash + 1)) {
        if (links.contains(path.left(slash)))
            return path.left(slash);
    }
    return QString();
}

// How many entries the archive's end record states, -1 without one. Read
// before KZip builds its tree of all of them; an archive in the 64-bit
// format, which KZip cannot read, states its count only there.
qint64 statedEntries(const QString &archive)
{
    QFile file(archive);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const qint64 tailStart = qMax<qint64>(0, file.size() - endRecordSize - largestComment);
    if (!file.seek(tailStart))
        return -1;
    const QByteArray tail = file.read(endRecordSize + largestComment);
    const int end = tail.lastIndexOf(endRecordSignature);
    if (end < 0 || end + endRecordSize > tail.size())
        return -1;
    qint64 entries = qFromLittleEndian<quint16>(tail.constData() + end + endRecordEntries);
    const int locator = end - locatorSize;
    if (locator >= 0 && tail.mid(locator, locatorSignature.size()) == locatorSignature) {
        const quint64 recordStart = qFromLittleEndian<quint64>(tail.constData() + locator + locatorRecordOffset);
        QByteArray record;
        if (recordStart < quint64(file.size()) && file.seek(qint64(recordStart)))
            record = file.read(record64Entries + 8);
        if (record.size() == record64Entries + 8 && record.startsWith(record64Signature)) {
            const quint64 count = qFromLittleEndian<quint64>(record.constData() + record64Entries);
            entries = qint64(qMin<quint64>(count, std::numeric_limits<qint64>::max()));
        }
    }
    return entries;
}

// Copies an entry's data to out, checked against the size and CRC-32 that
// the archive states: KZip hands out a damaged entry short, long or altered
// without a word.
Error copyEntry(const KArchiveFile *entry, const QString &path, QIODevice *out, QString *details)
{
    const auto *zipEntry = dynamic_cast<const KZipFileEntry *>(entry);
    std::unique_ptr<QIODevice> in(entry->createDevice());
    if (!zipEntry || !in || (!in->isOpen() && !in->open(QIODevice::ReadOnly))) {
        *details = path + QStringLiteral(": cannot read the entry");
        return ArchiveUnpacker::Damaged;
    }
    const qint64 size = entry->size();
    qint64 copied = 0;
    uLong crc = crc32(0L, Z_NULL, 0);
    // One byte past the stated size tells an entry that gives more.
    while (copied <= size) {
        const QByteArray chunk = in->read(qMin(copyChunk, size - copied + 1));
        if (chunk.isEmpty())
            break;
        copied += chunk.size();
        crc = crc32(crc, reinterpret_cast<const Bytef *>(chunk.constData()), uInt(chunk.size()));
        if (copied <= size && out->write(chunk) != chunk.size()) {
            *details = path + QStringLiteral(": ") + out->errorString();
            return ArchiveUnpacker::CannotWrite;
        }
    }
    if (copied != size) {
        *details = path + (copied > size ? QStringLiteral(": more than %1 bytes").arg(size)
                                         : QStringLiteral(": %1 of %2 bytes").arg(copied).arg(size));
        return ArchiveUnpacker::Damaged;
    }
    if (crc != zipEntry->crc32()) {
        *details = path + QStringLiteral(": CRC-32 %1 instead of %2")
                              .arg(crc, 8, 16, QLatin1Char('0'))
                              .arg(zipEntry->crc32(), 8, 16, QLatin1Char('0'));
        return ArchiveUnpacker::Damaged;
    }
    return ArchiveUnpacker::NoError;
}

bool isLink(const KArchiveEntry *entry)
{
    return !entry->isDirectory() && (!entry->symLinkTarget().isEmpty() || (entry->permissions() & fileTypeMask) == linkType);
}

// KZip takes the target of stored links only; a compressed one would pass
// for a file holding the target's text.
Error readLinkTarget(const KArchiveFile *entry, const QString &path, QString *target, QString *details)
{
    if (entry->size() > ArchiveUnpacker::maximumLinkTargetSize) {
        *details = path + QStringLiteral(": a link target of %1 bytes").arg(entry->size());
        return ArchiveUnpacker::RefusedLink;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const Error error = copyEntry(entry, path, &buffer, details);
    if (error != ArchiveUnpacker::NoError)
        return error;
    // The system reads a target up to a NUL byte: "..\0x" would climb.
    if (buffer.data().contains('\0')) {
        *details = path + QStringLiteral(": a link target with a NUL byte");
        return ArchiveUnpacker::RefusedLink;
    }
    *target = QFile::decodeName(buffer.data());
    return ArchiveUnpacker::NoError;
}

// Folder by folder rather than by recursion: an archive's paths may be deep.
Error planEntries(const KArchiveDirectory *root, int maximumEntries, Plan *plan, QString *details)
{
    QVector<QPair<const KArchiveDirectory *, QString>> pending{{root, QString()}};
    while (!pending.isEmpty()) {
        const auto [folder, prefix] = pending.takeLast();
        for (const QString &name : folder->entries()) {
            const KArchiveEntry *entry = folder->entry(name);
            const QString treePath = prefix.isEmpty() ? name : prefix + QLatin1Char('/') + name;
            // The archive's own text of the path, before any tidying by the reader.
            const auto *zipEntry = dynamic_cast<const KZipFileEntry *>(entry);
            const QString raw = zipEntry ? zipEntry->path() : treePath;
            QString path;
            QString treeClean;
            if (!entry || !relativePath(raw, &path) || !relativePath(treePath, &treeClean)) {
                *details = raw;
                return ArchiveUnpacker::RefusedPath;
            }
            if (++plan->entries > maximumEntries) {
                *details = QStringLiteral("more than %1 entries").arg(maximumEntries);
                return ArchiveUnpacker::TooManyEntries;
            }
            if (entry->isDirectory()) {
                plan->folders.append(path);
                pending.append({static_cast<const KArchiveDirectory *>(entry), treePath});
            } else if (isLink(entry)) {
                QString target;
                const Error error = readLinkTarget(static_cast<const KArchiveFile *>(entry), raw, &target, details);
                if (error != ArchiveUnpacker::NoError)
                    return error;
                plan->links.append({path, target});
                plan->linkPaths.insert(path);
            } else {
                const auto *file = static_cast<const KArchiveFile *>(entry);
                plan->size += qMax<qint64>(0, file->size());
                plan->files.append({path, file});
            }
        }
    }
    return ArchiveUnpacker::NoError;
}

// Links are judged once every entry is known: where one leads depends on
// the others.
Error judgeLinks(const Plan &plan, QString *details)
{
    if (plan.linkPaths.isEmpty())
        return ArchiveUnpacker::NoError;
    QStringList paths = plan.folders;
    for (const auto &file : plan.files)
        paths.append(file.first);
    for (const auto &link : plan.links)
        paths.append(link.first);
    for (const QString &path : qAsConst(paths)) {
        const QString link = linkAbove(path, plan.linkPaths);
        if (!link.isEmpty()) {
            *details = path + QStringLiteral(": inside the link ") + link;
            return ArchiveUnpacker::RefusedPath;
        }
    }
    for (const auto &link : plan.links) {
        if (!linkStaysInside(link.first, link.second, plan.linkPaths)) {
            *details = link.first + QStringLiteral(" -> ") + link.second;
            return ArchiveUnpacker::RefusedLink;
        }
    }
    return ArchiveUnpacker::NoError;
}

bool isInside(const QString &path, const QString &canonicalRoot)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() && (canonical == canonicalRoot || canonical.startsWith(canonicalRoot + QLatin1Char('/')));
}

Error writeFile(const KArchiveFile *entry, const QString &path, const QString &target, QString *details)
{
    // NewOnly: never through something already there, a link least of all.
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        *details = target + QStringLiteral(": ") + out.errorString();
        return ArchiveUnpacker::CannotWrite;
    }
    const Error error = copyEntry(entry, path, &out, details);
    if (error != ArchiveUnpacker::NoError)
        return error;
    if (entry->permissions() & 0111)
        out.setPermissions(out.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther);
    if (!out.flush()) {
        *details = target + QStringLiteral(": ") + out.errorString();
        return ArchiveUnpacker::CannotWrite;
    }
    return ArchiveUnpacker::NoError;
}

// Folders, then files, then links: no file is ever written through a link
// of the archive, and every file's folder is checked to lie inside.
Error writePlan(const Plan &plan, const QString &root, QString *details)
{
    const QDir dir(root);
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    const auto makeFolder = [&](const QString &path) {
        if (dir.mkpath(path) && isInside(path, canonicalRoot))
            return true;
        *details = path + QStringLiteral(": cannot create the folder");
        return false;
    };
    for (const QString &folder : plan.folders) {
        if (!makeFolder(dir.filePath(folder)))
            return ArchiveUnpacker::CannotWrite;
    }
    for (const auto &file : plan.files) {
        const QString target = dir.filePath(file.first);
        if (!makeFolder(QFileInfo(target).path()))
            return ArchiveUnpacker::CannotWrite;
        const Error error = writeFile(file.second, file.first, target, details);
        if (error != ArchiveUnpacker::NoError)
            return error;
    }
    for (const auto &link : plan.links) {
        const QString target = dir.filePath(link.first);
        if (!makeFolder(QFileInfo(target).path()))
            return ArchiveUnpacker::CannotWrite;
        if (!QFile::link(link.second, target)) {
            *details = target + QStringLiteral(": cannot create the link");
            return ArchiveUnpacker::CannotWrite;
        }
    }
    return ArchiveUnpacker::NoError;
}

}

ArchiveUnpacker::ArchiveUnpacker(int maximumEntries, qint64 maximumSize)
    : m_maximumEntries(maximumEntries)
    , m_maximumSize(maximumSize)
{
}

ArchiveUnpacker::Error ArchiveUnpacker::unpack(const QString &archive, const QString &folder, QString *details) const
{
    const qint64 stated = statedEntries(archive);
    if (stated > m_maximumEntries) {
        *details = QStringLiteral("%1 entries").arg(stated);
        return TooManyEntries;
    }
    KZip zip(archive);
    if (!zip.open(QIODevice::ReadOnly)) {
        *details = zip.errorString();
        return NotAnArchive;
    }
    Plan plan;
    Error error = planEntries(zip.directory(), m_maximumEntries, &plan, details);
    if (error == NoError)
        error = judgeLinks(plan, details);
    if (error != NoError)
        return error;
    if (plan.size > m_maximumSize) {
        *details = QStringLiteral("%1 bytes").arg(plan.size);
        return TooLarge;
    }
    if (!QDir().mkdir(folder)) {
        *details = folder + QStringLiteral(": cannot create the folder");
        return CannotWrite;
    }
    error = writePlan(plan, folder, details);
    if (error != NoError)
        QDir(folder).removeRecursively();
    return error;
}

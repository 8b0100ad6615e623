#include "iconsetgenerator.h"
#include "tools/iconsets/samplepicture.h"

#include <QColor>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImageReader>
#include <QLoggingCategory>
#include <QUrl>

#include <algorithm>

Q_LOGGING_CATEGORY(lcSampleTool, "Loomwright.SampleTool", QtWarningMsg)

namespace {

// Paths from QML may be file: URLs.
QString localPath(const QString &text)
{
    const QUrl url(text);
    return url.isLocalFile() ? url.toLocalFile() : text;
}

}

IconSetGenerator::IconSetGenerator(QObject *parent)
    : QObject(parent)
{
}

IconSetGenerator::~IconSetGenerator() = default;

QStringList IconSetGenerator::platforms() const
{
    return IconSetJob::knownPlatforms();
}

QString IconSetGenerator::defaultOutputFolder() const
{
    return QDir::current().absoluteFilePath(QStringLiteral("icon-sets"));
}

IconSetRequest IconSetGenerator::requestOf(const QVariantMap &map) const
{
    IconSetRequest request;
    request.picture = localPath(map.value(QStringLiteral("picture")).toString().trimmed());
    request.outputFolder = localPath(map.value(QStringLiteral("outputFolder")).toString().trimmed());
    if (!request.picture.isEmpty())
        request.picture = QFileInfo(request.picture).absoluteFilePath();
    if (!request.outputFolder.isEmpty())
        request.outputFolder = QDir::cleanPath(QDir::current().absoluteFilePath(request.outputFolder));
    const QStringList chosen = map.value(QStringLiteral("platforms")).toStringList();
    for (const QString &platform : IconSetJob::knownPlatforms()) {
        if (chosen.contains(platform, Qt::CaseInsensitive))
            request.platforms.append(platform);
    }
    request.iconBackground = map.value(QStringLiteral("iconBackground")).toString().trimmed();
    request.launchBackground = map.value(QStringLiteral("launchBackground")).toString().trimmed();
    return request;
}

QVariantMap IconSetGenerator::check(const IconSetRequest &request, const QStringList &platformNames) const
{
    QString problem;
    QStringList warnings;
    const InputCheck picture = IconSetJob::checkPicture(request.picture);
    const QStringList unknown = [&] {
        QStringList names;
        for (const QString &name : platformNames) {
            if (!IconSetJob::knownPlatforms().contains(name, Qt::CaseInsensitive))
                names.append(name);
        }
        return names;
    }();

    if (request.picture.isEmpty())
        problem = tr("Choose a picture first.");
    else if (picture.fault == InputFault::Missing)
        problem = tr("There is no picture at %1.").arg(request.picture);
    else if (picture.fault == InputFault::IsFolder)
        problem = tr("%1 is a folder; choose a picture file.").arg(request.picture);
    else if (picture.fault == InputFault::Unreadable)
        problem = tr("%1 cannot be read as a picture: %2").arg(request.picture, picture.reason);
    else if (!unknown.isEmpty())
        problem = tr("%n unknown platform(s): %1", "", int(unknown.size())).arg(unknown.join(QStringLiteral(", ")));
    else if (request.platforms.isEmpty())
        problem = tr("Choose at least one platform.");
    else if (!request.iconBackground.isEmpty() && !QColor::isValidColor(request.iconBackground))
        problem = tr("\"%1\" is not a colour; use a name such as white or a code such as #1d3b8f.").arg(request.iconBackground);
    else if (!request.launchBackground.isEmpty() && !QColor::isValidColor(request.launchBackground))
        problem = tr("\"%1\" is not a colour; use a name such as white or a code such as #1d3b8f.").arg(request.launchBackground);
    else if (request.outputFolder.isEmpty())
        problem = tr("Choose an output folder.");

    if (problem.isEmpty()) {
        const InputCheck folder =
            IconSetJob::checkOutputFolder(request.outputFolder, QStringLiteral("loomwright-sampletool"));
        if (folder.fault == InputFault::IsFile)
            problem = tr("%1 is a file; choose a folder for the sets.").arg(request.outputFolder);
        else if (folder.fault == InputFault::CannotCreate)
            problem = tr("The folder %1 cannot be created.").arg(request.outputFolder);
        else if (folder.fault == InputFault::CannotWrite)
            problem = tr("Nothing can be written into %1: %2").arg(request.outputFolder, folder.reason);
    }

    if (problem.isEmpty()) {
        const QSize size = picture.size;
        if (size.isValid() && size.width() != size.height())
            warnings.append(tr("The picture is %1 × %2 pixels, not square: the icons pad it to a square.")
                                .arg(size.width())
                                .arg(size.height()));
        if (size.isValid() && qMax(size.width(), size.height()) < IconSetJob::LargestIcon)
            warnings.append(tr("The picture is %1 × %2 pixels: icons up to %3 × %3 are scaled up and look soft.")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(IconSetJob::LargestIcon));
    } else {
        qCWarning(lcSampleTool).noquote() << "Nothing generated:" << problem;
    }
    return {{QStringLiteral("problem"), problem}, {QStringLiteral("warnings"), warnings}};
}

QVariantMap IconSetGenerator::prepare(const QVariantMap &map)
{
    m_calls.clear();
    const IconSetRequest request = requestOf(map);
    QVariantMap plan = check(request, map.value(QStringLiteral("platforms")).toStringList());
    QVariantList steps;
    if (plan.value(QStringLiteral("problem")).toString().isEmpty()) {
        m_request = request;
        m_calls = IconSetJob::calls(m_request);
        for (const IconSetCall &call : qAsConst(m_calls))
            steps.append(QVariantMap{{QStringLiteral("platform"), call.platform}, {QStringLiteral("label"), call.label}});
    }
    plan.insert(QStringLiteral("steps"), steps);
    return plan;
}

bool IconSetGenerator::run(int index, QObject *facade)
{
    if (index < 0 || index >= m_calls.size() || !facade) {
        qCWarning(lcSampleTool) << "No call" << index << "to run, or no facade:" << facade;
        return false;
    }
    const IconSetCall &call = m_calls.at(index);
    const bool made = call.run(facade, IconSetJob::platformFolder(m_request, call.platform));
    if (!made)
        qCWarning(lcSampleTool).noquote() << "Failed:" << call.platform << call.label;
    return made;
}

QString IconSetGenerator::ownFolder() const
{
    if (!m_ownFolder)
        m_ownFolder = std::make_unique<QTemporaryDir>();
    return m_ownFolder->isValid() ? m_ownFolder->path() : QString();
}

QVariantList IconSetGenerator::outputFiles(const QString &outputFolder, const QStringList &platforms) const
{
    const QDir root(localPath(outputFolder));
    QVariantList files;
    for (const QString &platform : IconSetJob::knownPlatforms()) {
        if (!platforms.contains(platform, Qt::CaseInsensitive))
            continue;
        QStringList paths;
        QDirIterator it(root.filePath(platform), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            paths.append(it.next());
        std::sort(paths.begin(), paths.end());
        for (const QString &path : qAsConst(paths)) {
            // An icon container shows its largest picture; an Image would
            // show its first, the smallest.
            QImageReader reader(path);
            QSize largest;
            int pictures = 0;
            QImage preview;
            if (reader.canRead()) {
                const int count = reader.imageCount();
                if (count <= 1) {
                    largest = reader.size();
                    pictures = largest.isValid() ? 1 : 0;
                } else {
                    for (int i = 0; i < count && reader.jumpToImage(i); ++i) {
                        const QImage image = reader.read();
                        if (image.isNull())
                            continue;
                        ++pictures;
                        if (preview.isNull() || image.width() * image.height() > preview.width() * preview.height())
                            preview = image;
                    }
                    largest = preview.size();
                }
            }
            QUrl previewUrl = largest.isValid() ? QUrl::fromLocalFile(path) : QUrl();
            if (!preview.isNull() && !ownFolder().isEmpty()) {
                const QString previewPath =
                    QDir(ownFolder()).filePath(QStringLiteral("preview-%1.png").arg(++m_previewCount));
                if (preview.save(previewPath, "PNG"))
                    previewUrl = QUrl::fromLocalFile(previewPath);
            }
            const QString name = root.relativeFilePath(path);
            const QFileInfo info(path);
            files.append(QVariantMap{{QStringLiteral("path"), path},
                                     {QStringLiteral("url"), QUrl::fromLocalFile(path)},
                                     {QStringLiteral("name"), name},
                                     {QStringLiteral("fileName"), info.fileName()},
                                     {QStringLiteral("folder"), QFileInfo(name).path()},
                                     {QStringLiteral("platform"), platform},
                                     {QStringLiteral("bytes"), info.size()},
                                     {QStringLiteral("width"), largest.isValid() ? largest.width() : 0},
                                     {QStringLiteral("height"), largest.isValid() ? largest.height() : 0},
                                     {QStringLiteral("pictures"), pictures},
                                     {QStringLiteral("previewUrl"), previewUrl}});
        }
    }
    return files;
}

bool IconSetGenerator::isColour(const QString &text) const
{
    return QColor::isValidColor(text.trimmed());
}

QString IconSetGenerator::samplePicture()
{
    const QString folder = ownFolder();
    const QString path = QDir(folder).filePath(QStringLiteral("sample.png"));
    if (!folder.isEmpty() && QFileInfo::exists(path))
        return path;
    if (folder.isEmpty() || !paintSamplePicture().save(path, "PNG")) {
        qCCritical(lcSampleTool).noquote() << "Cannot write the sample picture" << path;
        return QString();
    }
    return path;
}

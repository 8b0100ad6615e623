#include "plugin/loomwright.h"

#include "imaging/androidicon.h"
#include "imaging/appicon.h"
#include "imaging/imagecopy.h"
#include "imaging/launchimage.h"
#include "utility/logging.h"
#include "process/appprocess.h"
#include "process/commandline_p.h"
#include "process/synchronousprocess.h"
#include "shared/shareddata.h"

#include <QFileInfo>
#include <QProcess>
#include <QQmlEngine>

namespace {

// Key, size and polling interval of the segment that all tools of the suite share.
const QString sharedDataKey = QStringLiteral(" Brimforge");
constexpr int sharedDataSize = 65536;
constexpr int sharedDataInterval = 1000;

}

Loomwright::Loomwright(QObject *parent)
    : HostkitObject(parent)
{
    qCDebug(lcCore) << Q_FUNC_INFO;
}

Loomwright::~Loomwright()
{
    qCDebug(lcCore) << Q_FUNC_INFO;
}

SharedData *Loomwright::sharedData()
{
    // One object for the whole process, whichever facade asks: it stays
    // attached to the segment until the process ends.
    static SharedData *const instance = new SharedData(sharedDataKey, sharedDataSize, sharedDataInterval, nullptr);
    return instance;
}

AppProcess *Loomwright::run(const QString &command, const QStringList &arguments)
{
    qCDebug(lcCore) << Q_FUNC_INFO << command << arguments;

    auto *process = new AppProcess(nullptr);
    QQmlEngine::setObjectOwnership(process, QQmlEngine::JavaScriptOwnership);
    process->start(command, arguments);
    return process;
}

SynchronousProcess *Loomwright::runSynchronous(const QString &command,
                                               const QStringList &arguments,
                                               const QString &standardInput)
{
    qCDebug(lcCore) << Q_FUNC_INFO << command << arguments;

    auto *process = new SynchronousProcess(nullptr);
    QQmlEngine::setObjectOwnership(process, QQmlEngine::JavaScriptOwnership);
    process->setStandardInput(standardInput);
    process->start(command, arguments);
    return process;
}

qulonglong Loomwright::runDetached(const QString &command,
                                   const QStringList &arguments,
                                   const QString &workingDirectory)
{
    qCDebug(lcCore) << Q_FUNC_INFO << command << arguments;

    if (!CommandLine::isPassable(Q_FUNC_INFO, command, arguments, workingDirectory))
        return 0;

    qint64 pid = 0;
    // Qt would start the program in this process's folder when the requested
    // one is missing; running it in the wrong place is a failed start.
    const bool folderMissing = !workingDirectory.isEmpty() && !QFileInfo(workingDirectory).isDir();
    if (folderMissing || !QProcess::startDetached(command, arguments, workingDirectory, &pid)) {
        qCWarning(lcCore) << Q_FUNC_INFO << "Error starting detached command:" << command
                          << "arguments:" << arguments << "workingDirectory:" << workingDirectory;
        return 0;
    }
    return static_cast<qulonglong>(pid);
}

bool Loomwright::copyImage(const QString &sourcePath,
                           const QString &targetPath,
                           int width,
                           int height,
                           const QColor &fillColor,
                           const QString &format,
                           int quality,
                           AspectRatioMode aspectRatioMode,
                           TransformationMode transformationMode)
{
    return ImageCopy::copyImage(sourcePath, targetPath, width, height, fillColor, format, quality,
                                Qt::AspectRatioMode(aspectRatioMode), Qt::TransformationMode(transformationMode));
}

bool Loomwright::createAdaptiveIconBackgroundMipMapAsset(const QString &sourcePath, const QString &targetPath)
{
    return AndroidIcon::createAdaptiveIconBackgroundMipMapAsset(sourcePath, targetPath);
}

bool Loomwright::createAppIcon(const QString &os,
                               const QString &sourcePath,
                               const QString &targetPath,
                               const QVariantMap &options)
{
    return AppIcon::createAppIcon(os, sourcePath, targetPath, options);
}

bool Loomwright::createLaunchImage(const QString &os, const QString &targetPath, const QVariantMap &options)
{
    return LaunchImage::createLaunchImage(os, targetPath, options);
}

#include "imaging/appicon.h"

#include "imaging/androidicon.h"
#include "imaging/imageoptions_p.h"
#include "imaging/iosicon.h"
#include "imaging/macosicon.h"
#include "imaging/picturecanvas.h"
#include "imaging/pictureloader.h"
#include "imaging/windowsicon.h"
#include "imaging/winrticon.h"
#include "utility/logging.h"
#include "utility/fileutility.h"

#include <algorithm>
#include <iterator>

namespace {

// Every generator gets the square picture, the expanded target path and the
// options unchanged.
using Generator = bool (*)(const QImage &, const QString &, const QVariantMap &);

struct Platform
{
    QLatin1String os;
    Generator generate;
};

// Compared in this order, without regard to letter case; the first match decides.
const Platform platforms[] = {
    { QLatin1String("windows"), &WindowsIcon::createWindowsIcon },
    { QLatin1String("android"), &AndroidIcon::createAndroidIcon },
    { QLatin1String("macos"), &MacOSIcon::createMacOSIcon },
    { QLatin1String("ios"), &IOSIcon::createiOSIcon },
    { QLatin1String("winrt"), &WinRTIcon::createWinRTIcon },
};

}

bool AppIcon::createAppIcon(const QString &os,
                            const QString &sourcePath,
                            const QString &targetPath,
                            const QVariantMap &options)
{
    const QImage picture = PictureLoader::load(FileUtility::resolvedPath(sourcePath, true));
    if (picture.isNull()) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error loading image" << sourcePath;
        return false;
    }

    const QImage square = squared(picture, options);
    if (square.isNull()) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error transforming image" << sourcePath
                           << qMax(picture.width(), picture.height());
        return false;
    }

    const QString expandedTarget = FileUtility::resolvedPath(targetPath, true);
    qCDebug(lcCore) << Q_FUNC_INFO << os << sourcePath << expandedTarget << options;

    const auto platform = std::find_if(std::begin(platforms), std::end(platforms), [&os](const Platform &platform) {
        return os.compare(platform.os, Qt::CaseInsensitive) == 0;
    });
    if (platform == std::end(platforms)) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Unknown format" << os;
        return false;
    }

    if (!platform->generate(square, expandedTarget, options)) {
        qCWarning(lcCore) << Q_FUNC_INFO << "Error converting to format" << os;
        return false;
    }
    return true;
}

QImage AppIcon::squared(const QImage &picture, const QVariantMap &options)
{
    if (picture.width() == picture.height())
        return picture;

    // Fitting the picture into side × side keeps its size, since its larger
    // side already is side; so it goes onto the canvas as it is.
    const int side = qMax(picture.width(), picture.height());
    return PictureCanvas::centred(picture, QSize(side, side), ImageOptions::icon(options).background);
}

#include "iconsetjob.h"
#include "imaging/picturecanvas.h"
#include "imaging/pictureloader.h"
#include "imaging/picturewriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMetaObject>
#include <QObject>
#include <QTemporaryFile>

#include <cmath>

namespace {

bool createAppIcon(QObject *facade, const QString &os, const QString &picture, const QString &target,
                   const QVariantMap &options)
{
    bool written = false;
    QMetaObject::invokeMethod(facade, "createAppIcon", Q_RETURN_ARG(bool, written), Q_ARG(QString, os),
                              Q_ARG(QString, picture), Q_ARG(QString, target), Q_ARG(QVariantMap, options));
    return written;
}

bool createLaunchImage(QObject *facade, const QString &os, const QString &target, const QVariantMap &options)
{
    bool written = false;
    QMetaObject::invokeMethod(facade, "createLaunchImage", Q_RETURN_ARG(bool, written), Q_ARG(QString, os),
                              Q_ARG(QString, target), Q_ARG(QVariantMap, options));
    return written;
}

bool createAdaptiveBackground(QObject *facade, const QString &picture, const QString &target)
{
    bool written = false;
    QMetaObject::invokeMethod(facade, "createAdaptiveIconBackgroundMipMapAsset", Q_RETURN_ARG(bool, written),
                              Q_ARG(QString, picture), Q_ARG(QString, target));
    return written;
}

// An alpha channel says nothing of the pixels: an opaque picture needs no
// background, and gets no warning for one.
bool hasTransparency(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return false;
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if (qAlpha(row[x]) != 255)
                return true;
        }
    }
    return false;
}

bool writePicture(const QImage &picture, const QString &path, QString *problem)
{
    if (PictureWriter::write(PictureWriter::encode(picture, QByteArrayLiteral("png"), -1), path))
        return true;
    *problem = QCoreApplication::translate("IconSetJob", "cannot write %1").arg(path);
    return false;
}

void insertIfGiven(QVariantMap *options, const QString &key, const QString &value)
{
    if (!value.isEmpty())
        options->insert(key, value);
}

}

QStringList IconSetJob::knownPlatforms()
{
    return {QStringLiteral("windows"), QStringLiteral("macos"), QStringLiteral("android"),
            QStringLiteral("ios"), QStringLiteral("winrt"), QStringLiteral("installer")};
}

QString IconSetJob::platformFolder(const IconSetRequest &request, const QString &platform)
{
    return QDir(request.outputFolder).filePath(platform);
}

bool IconSetJob::prepareIconPictures(IconSetRequest *request, const QImage &source, const QString &folder,
                                     QStringList *warnings, QString *problem)
{
    // A square picture whose background every generator that needs one reads
    // from its options (iOS, the Windows Store) is taken as it is.
    if (source.width() == source.height() && !request->iconBackgroundEverywhere && !request->iconBackground.isEmpty())
        return true;

    QImage icons = source;
    if (source.width() != source.height()) {
        const bool pad = request->squaring == Squaring::Pad;
        const int side = pad ? qMax(source.width(), source.height()) : qMin(source.width(), source.height());
        icons = pad ? PictureCanvas::centred(source, QSize(side, side), QColor(Qt::transparent))
                    : source.copy(QRect(QPoint((source.width() - side) / 2, (source.height() - side) / 2),
                                        QSize(side, side)));
    }
    if (request->iconBackgroundEverywhere && hasTransparency(icons))
        icons = PictureCanvas::centred(icons, icons.size(), QColor(request->iconBackground));
    // The App Store refuses an icon with an alpha channel, even an opaque one.
    QImage ios = icons;
    if (request->iconBackground.isEmpty() && request->platforms.contains(QLatin1String("ios")) && ios.hasAlphaChannel()) {
        if (hasTransparency(ios)) {
            ios = PictureCanvas::centred(ios, ios.size(), QColor(Qt::white));
            warnings->append(QCoreApplication::translate(
                "IconSetJob", "the iOS icons are made opaque on white, as the App Store refuses icons with "
                              "transparency; --icon-background chooses the colour"));
        } else {
            ios = ios.convertToFormat(QImage::Format_RGB32);
        }
    }

    if (icons.cacheKey() != source.cacheKey()) {
        request->iconPicture = QDir(folder).filePath(QStringLiteral("icons.png"));
        if (!writePicture(icons, request->iconPicture, problem))
            return false;
    }
    if (ios.cacheKey() != icons.cacheKey()) {
        request->iosIconPicture = QDir(folder).filePath(QStringLiteral("ios-icons.png"));
        if (!writePicture(ios, request->iosIconPicture, problem))
            return false;
    }
    return true;
}

QVector<IconSetCall> IconSetJob::calls(const IconSetRequest &request)
{
    QVariantMap iconOptions;
    insertIfGiven(&iconOptions, QStringLiteral("backgroundColor"), request.iconBackground);
    QVariantMap launchOptions;
    insertIfGiven(&launchOptions, QStringLiteral("backgroundColor"), request.launchBackground);
    insertIfGiven(&launchOptions, QStringLiteral("backgroundImage"), request.launchBackgroundImage);
    insertIfGiven(&launchOptions, QStringLiteral("overlayImage"), request.launchOverlayImage);
    launchOptions.insert(QStringLiteral("iconImage"),
                         request.launchIcon.isEmpty() ? request.picture : request.launchIcon);
    if (request.smallest) {
        iconOptions.insert(QStringLiteral("smallest"), true);
        launchOptions.insert(QStringLiteral("smallest"), true);
    }
    QVariantMap installerOptions = launchOptions;
    insertIfGiven(&installerOptions, QStringLiteral("backgroundImage"), request.installerBackgroundImage);
    insertIfGiven(&installerOptions, QStringLiteral("overlayImage"), request.installerOverlayImage);

    const QString picture = request.picture;
    const QString iconPicture = request.iconPicture.isEmpty() ? picture : request.iconPicture;
    const QString iosIconPicture = request.iosIconPicture.isEmpty() ? iconPicture : request.iosIconPicture;
    // The step names go into the plugin's catalogues; the sample tool shows
    // them while it works.
    const QString appIcon = QCoreApplication::translate("IconSetJob", "app icon");
    const QString launchImages = QCoreApplication::translate("IconSetJob", "launch images");
    // A folder set per platform, and the single files of the desktop icons.
    const auto iconCall = [&](const QString &os, const QString &file) {
        const QString source = os == QLatin1String("ios") ? iosIconPicture : iconPicture;
        return IconSetCall{os, appIcon, [os, source, file, iconOptions](QObject *facade, const QString &folder) {
                               const QString target = file.isEmpty() ? folder : QDir(folder).filePath(file);
                               return createAppIcon(facade, os, source, target, iconOptions);
                           }};
    };
    const auto launchCall = [&](const QString &os, const QVariantMap &options) {
        return IconSetCall{os, launchImages, [os, options](QObject *facade, const QString &folder) {
                               return createLaunchImage(facade, os, folder, options);
                           }};
    };

    QVector<IconSetCall> result;
    for (const QString &platform : knownPlatforms()) {
        if (!request.platforms.contains(platform))
            continue;
        if (platform == QLatin1String("windows")) {
            result.append(iconCall(platform, QStringLiteral("app.ico")));
        } else if (platform == QLatin1String("macos")) {
            result.append(iconCall(platform, QStringLiteral("app.icns")));
        } else if (platform == QLatin1String("android")) {
            result.append(iconCall(platform, QString()));
            result.append({platform, QCoreApplication::translate("IconSetJob", "adaptive background"), [iconPicture](QObject *facade, const QString &folder) {
                               return createAdaptiveBackground(facade, iconPicture, folder);
                           }});
            result.append(launchCall(platform, launchOptions));
        } else if (platform == QLatin1String("installer")) {
            // The installer's pictures go into a folder that must exist.
            result.append({platform, launchImages, [installerOptions](QObject *facade, const QString &folder) {
                               return QDir().mkpath(folder)
                                   && createLaunchImage(facade, QStringLiteral("installer"), folder, installerOptions);
                           }});
        } else {
            result.append(iconCall(platform, QString()));
            result.append(launchCall(platform, launchOptions));
        }
    }
    return result;
}

InputCheck IconSetJob::checkPicture(const QString &path)
{
    InputCheck check;
    const QFileInfo info(path);
    if (!info.exists()) {
        check.fault = InputFault::Missing;
        return check;
    }
    if (info.isDir()) {
        check.fault = InputFault::IsFolder;
        return check;
    }
    check.fault = InputFault::Unreadable;
    // Opening a named pipe waits for a writer, and a device may never end.
    if (!info.isFile()) {
        check.reason = QCoreApplication::translate("IconSetJob", "it is not a regular file; pictures are read only from files");
        return check;
    }
    QImageReader reader(path);
    if (!reader.canRead()) {
        check.reason = reader.errorString();
        return check;
    }
    check.size = reader.size();
    if (check.size.isValid() && !PictureLoader::withinLimit(check.size.width(), check.size.height())) {
        const int side = int(std::sqrt(double(PictureLoader::maxPixels)));
        check.reason = QCoreApplication::translate("IconSetJob", "it is %1 × %2 pixels, more than the %3 × %3 that a picture may have")
                           .arg(check.size.width())
                           .arg(check.size.height())
                           .arg(side);
        return check;
    }
    check.picture = PictureLoader::load(path);
    if (check.picture.isNull()) {
        check.reason = QCoreApplication::translate("IconSetJob", "its pixels are cut short or damaged");
        return check;
    }
    check.fault = InputFault::None;
    return check;
}

InputCheck IconSetJob::checkOutputFolder(const QString &folder, const QString &probeName)
{
    InputCheck check;
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) {
        check.fault = InputFault::IsFile;
    } else if (!QDir().mkpath(folder)) {
        check.fault = InputFault::CannotCreate;
    } else {
        QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".%1-XXXXXX").arg(probeName)));
        if (!probe.open()) {
            check.fault = InputFault::CannotWrite;
            check.reason = probe.errorString();
        }
    }
    return check;
}

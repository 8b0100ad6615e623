#include "imaging/iosicon.h"

#include "imaging/imageoptions.h"
#include "imaging/picturecanvas.h"
#include "imaging/pictureloader.h"
#include "imaging/picturewriter.h"
#include "imaging/targetfolder_p.h"
#include "utility/logging.h"
#include "utility/jsonutility.h"

#include <QHash>

namespace {

struct IconRow
{
    const char *idiom;
    float size; // points
    int scale;
};

// Processed in this order; rows that share a pixel side share a file.
const IconRow IconSet[] = {
    { "iphone", 20.0f, 2 },
    { "iphone", 20.0f, 3 },
    { "iphone", 29.0f, 1 },
    { "iphone", 29.0f, 2 },
    { "iphone", 29.0f, 3 },
    { "iphone", 40.0f, 2 },
    { "iphone", 40.0f, 3 },
    { "iphone", 60.0f, 2 },
    { "iphone", 60.0f, 3 },
    { "ipad", 20.0f, 1 },
    { "ipad", 20.0f, 2 },
    { "ipad", 29.0f, 1 },
    { "ipad", 29.0f, 2 },
    { "ipad", 40.0f, 1 },
    { "ipad", 40.0f, 2 },
    { "ipad", 76.0f, 1 },
    { "ipad", 76.0f, 2 },
    { "ipad", 83.5f, 2 },
    { "ios-marketing", 1024.0f, 1 },
};

const char *const BackgroundColorKey = "backgroundColor";

// The shortest decimal form with at most 6 significant digits: 83.5, 167, 1024.
QString number(float value)
{
    return QString::number(double(value), 'g', 6);
}

QColor backgroundColour(const QVariantMap &options)
{
    return ImageOptions::colour(options, QLatin1String(BackgroundColorKey), QStringLiteral("black"));
}

}

// While createiOSIcon walks its table: what is the same for every row (the
// picture in the format smooth scaling works on, the fill colour), worked out
// once, and the encoded file of each pixel side made so far, so that rows
// sharing a side pay for scaling and encoding once.
struct IOSIcon::SetCache
{
    SetCache(const QImage &picture, const QVariantMap &options)
        : scalable(PictureCanvas::scalable(picture))
        , colour(options.contains(QLatin1String(BackgroundColorKey)) ? backgroundColour(options) : QColor())
    {
    }

    const QImage scalable;
    const QColor colour;
    QHash<int, QByteArray> encoded;
};

namespace {

// picture fitted into side × side, as QImage::scaled with KeepAspectRatio and
// smooth transformation makes it, from scalable, the same picture already in
// the format smooth scaling works on. A side that needs no scaling takes the
// picture itself, as QImage::scaled does: the round trip through
// premultiplied pixels would change the colour of nearly transparent ones.
QImage fitted(const QImage &picture, const QImage &scalable, int side)
{
    const bool scales = qMax(picture.width(), picture.height()) != side;
    return PictureCanvas::scaled(scales ? scalable : picture, QSize(side, side), Qt::KeepAspectRatio,
                                 Qt::SmoothTransformation);
}

}

bool IOSIcon::createiOSIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << picture << targetPath << options;
    if (!TargetFolder::isNamed(targetPath, Q_FUNC_INFO))
        return false;

    // Resolved once, so that a relative path names the same folder for the
    // folder made, the pictures and the descriptor.
    const QString setPath = QDir(QDir::current().absoluteFilePath(targetPath))
                                    .filePath(QStringLiteral("AppIcon.appiconset"));
    if (!QDir().mkpath(setPath))
        qCCritical(lcCore) << Q_FUNC_INFO << "Error creating" << setPath;
    const QDir setFolder(setPath);

    SetCache cache(picture, options);
    QVariantList entries;
    for (const IconRow &row : IconSet)
        createiOSImage(picture, setFolder, &entries, row.size, QString::fromLatin1(row.idiom), row.scale, options,
                       &cache);

    const QVariantMap descriptor{
        { QStringLiteral("images"), entries },
        { QStringLiteral("info"),
          QVariantMap{ { QStringLiteral("author"), QStringLiteral("xcode") }, { QStringLiteral("version"), 1 } } },
    };
    return JsonUtility::writeJsonFile(setFolder.filePath(QStringLiteral("Contents.json")), descriptor);
}

bool IOSIcon::createiOSImage(const QImage &picture,
                             const QDir &setFolder,
                             QVariantList *entries,
                             float size,
                             const QString &idiom,
                             int scale,
                             const QVariantMap &options)
{
    SetCache cache(picture, options);
    return createiOSImage(picture, setFolder, entries, size, idiom, scale, options, &cache);
}

bool IOSIcon::createiOSImage(const QImage &picture,
                             const QDir &setFolder,
                             QVariantList *entries,
                             float size,
                             const QString &idiom,
                             int scale,
                             const QVariantMap &options,
                             SetCache *cache)
{
    if (!entries)
        return false;

    // In single precision, truncated toward zero. A side beyond any picture
    // that can be made (or not a number) counts as no side: it cannot be
    // scaled to, and int could not hold it.
    const float pixels = size * float(scale);
    const int side = pixels >= 1.0f && pixels <= float(PictureLoader::maxPixels) ? int(pixels) : 0;
    const QString fileName = QStringLiteral("AppIcon-") + number(pixels) + QStringLiteral(".png");
    const QString path = setFolder.filePath(fileName);

    QByteArray bytes = cache->encoded.value(side);
    if (bytes.isEmpty()) {
        QImage result;
        if (options.contains(QLatin1String(BackgroundColorKey))) {
            const QColor fill = cache->colour;
            const QImage scaled = fitted(picture, cache->scalable, side);
            if (scaled.isNull()) {
                qCCritical(lcCore) << Q_FUNC_INFO << "Error scaling draw image" << scaled << pixels << pixels;
                return false;
            }
            result = PictureCanvas::centred(scaled, QSize(side, side), fill);
            // On an opaque colour the icon has no transparency left, and is
            // written without an alpha channel, as the App Store wants its
            // marketing icon.
            if (fill.alpha() == 255)
                result = std::move(result).convertToFormat(QImage::Format_RGB32);
        } else {
            result = fitted(picture, cache->scalable, side);
        }
        if (result.isNull()) {
            qCCritical(lcCore) << Q_FUNC_INFO << "Error scaling image" << picture;
            return false;
        }

        bytes = PictureWriter::encode(result, QByteArrayLiteral("PNG"), -1);
        if (!bytes.isEmpty())
            cache->encoded.insert(side, bytes);
    }

    if (bytes.isEmpty() || !PictureWriter::write(bytes, path)) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error saving image" << path;
        return false;
    }

    entries->append(QVariantMap{
        { QStringLiteral("filename"), fileName },
        { QStringLiteral("idiom"), idiom },
        { QStringLiteral("scale"), QString(QString::number(scale) + QLatin1Char('x')) },
        { QStringLiteral("size"), QString(number(size) + QLatin1Char('x') + number(size)) },
    });
    return true;
}

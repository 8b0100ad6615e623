#include "imaging/iosicon.h"

#include "imaging/imageoptions.h"
#include "imaging/picturecanvas.h"
#include "imaging/pictureloader.h"
#include "imaging/picturewriter.h"
#include "plugin/logging.h"
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

// While createiOSIcon walks its table: the encoded file of each pixel side
// made so far, so that rows sharing a side pay for scaling and encoding once,
// and what is the same for every row (the premultiplied picture, the fill
// colour) worked out once. createiOSImage uses it only for the picture and
// options it was made for; called on its own, it works everything out afresh.
// Everything runs on the GUI thread; the pointer is per thread all the same.
class IconSetScope
{
public:
    IconSetScope(const QImage &picture, const QVariantMap &options)
        : m_pictureKey(picture.cacheKey()), m_options(options), m_outer(s_current)
    {
        s_current = this;
    }

    ~IconSetScope() { s_current = m_outer; }

    static IconSetScope *serving(const QImage &picture, const QVariantMap &options)
    {
        IconSetScope *scope = s_current;
        if (scope && scope->m_pictureKey == picture.cacheKey() && scope->m_options == options)
            return scope;
        return nullptr;
    }

    QByteArray encoded(int side) const { return m_encoded.value(side); }
    void setEncoded(int side, const QByteArray &bytes) { m_encoded.insert(side, bytes); }

    QImage premultiplied;
    bool haveColour = false;
    QColor colour;

private:
    Q_DISABLE_COPY(IconSetScope)

    const qint64 m_pictureKey;
    const QVariantMap m_options;
    IconSetScope *const m_outer;
    QHash<int, QByteArray> m_encoded;

    static thread_local IconSetScope *s_current;
};

thread_local IconSetScope *IconSetScope::s_current = nullptr;

// picture fitted into side × side, as QImage::scaled with KeepAspectRatio and
// smooth transformation makes it. Smooth scaling premultiplies a straight-alpha
// picture before every scale; the scope keeps that conversion for all sides.
// A side that needs no scaling takes the picture itself, as QImage::scaled
// does: the round trip through premultiplied pixels would change the colour
// of nearly transparent ones.
QImage fitted(const QImage &picture, int side, IconSetScope *scope)
{
    const bool scales = qMax(picture.width(), picture.height()) != side;
    const QImage *source = &picture;
    QImage premultiplied;
    if (scales && !picture.isNull() && picture.format() == QImage::Format_ARGB32) {
        if (scope) {
            if (scope->premultiplied.isNull())
                scope->premultiplied = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            source = &scope->premultiplied;
        } else {
            premultiplied = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            source = &premultiplied;
        }
    }
    return PictureCanvas::scaled(*source, QSize(side, side), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QColor backgroundColour(const QVariantMap &options, IconSetScope *scope)
{
    const QString key = QLatin1String(BackgroundColorKey);
    if (!scope)
        return ImageOptions::colour(options, key, QStringLiteral("black"));
    if (!scope->haveColour) {
        scope->colour = ImageOptions::colour(options, key, QStringLiteral("black"));
        scope->haveColour = true;
    }
    return scope->colour;
}

}

bool IOSIcon::createiOSIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << picture << targetPath << options;

    // Resolved once, so that a relative path names the same folder for the
    // folder made, the pictures and the descriptor.
    const QString setPath = QDir(QDir::current().absoluteFilePath(targetPath))
                                    .filePath(QStringLiteral("AppIcon.appiconset"));
    if (!QDir().mkpath(setPath))
        qCCritical(lcCore) << Q_FUNC_INFO << "Error creating" << setPath;
    const QDir setFolder(setPath);

    IconSetScope scope(picture, options);
    QVariantList entries;
    for (const IconRow &row : IconSet)
        createiOSImage(picture, setFolder, &entries, row.size, QString::fromLatin1(row.idiom), row.scale, options);

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
    if (!entries)
        return false;

    // In single precision, truncated toward zero. A side beyond any picture
    // that can be made (or not a number) counts as no side: it cannot be
    // scaled to, and int could not hold it.
    const float pixels = size * float(scale);
    const int side = pixels >= 1.0f && pixels <= float(PictureLoader::maxPixels) ? int(pixels) : 0;
    const QString fileName = QStringLiteral("AppIcon-") + number(pixels) + QStringLiteral(".png");
    const QString path = setFolder.filePath(fileName);

    IconSetScope *scope = IconSetScope::serving(picture, options);
    QByteArray bytes = scope ? scope->encoded(side) : QByteArray();
    if (bytes.isEmpty()) {
        QImage result;
        if (options.contains(QLatin1String(BackgroundColorKey))) {
            const QColor fill = backgroundColour(options, scope);
            const QImage scaled = fitted(picture, side, scope);
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
            result = fitted(picture, side, scope);
        }
        if (result.isNull()) {
            qCCritical(lcCore) << Q_FUNC_INFO << "Error scaling image" << picture;
            return false;
        }

        bytes = PictureWriter::encode(result, QByteArrayLiteral("PNG"), -1);
        if (scope && !bytes.isEmpty())
            scope->setEncoded(side, bytes);
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

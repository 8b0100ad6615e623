#include "imaging/macosicon.h"

#include "imaging/setwriter_p.h"
#include "utility/logging.h"

#include <QBuffer>
#include <QImageWriter>
#include <QSaveFile>

bool MacOSIcon::createMacOSIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << picture << targetPath << options;

    QSaveFile file;
    if (!SetWriter::openContainer(&file, targetPath, Q_FUNC_INFO))
        return false;

    // The format is named rather than taken from the suffix, so that any file
    // name gets an .icns container. A handler that refuses the picture, or is
    // not installed, leaves the commit undone and the previous icon in place;
    // so does a disk that does not take the whole container.
    QByteArray container;
    QBuffer buffer(&container);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, QByteArrayLiteral("icns"));
    return writer.write(picture) && SetWriter::commit(&file, container);
}

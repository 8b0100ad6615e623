// Arbitrary bytes as a picture file: the header checks, the size guard and
// the decoders behind them. Whatever decodes must be within the size limit,
// and scales as every set scales it, whatever format the decoder chose.
#include "imaging/picturecanvas.h"
#include "imaging/pictureloader.h"

#include <QCoreApplication>
#include <QImage>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The decoders other than PNG are plugins, which the application object
    // finds. Qt keeps the arguments, so they must outlive it.
    static int argc = 1;
    static char name[] = "fuzz_pictureloader";
    static char *argv[] = { name, nullptr };
    static QCoreApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A copy the loader may keep, as it keeps the bytes of a file.
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QImage picture = PictureLoader::loadFromData(bytes);
    if (picture.isNull())
        return 0;
    if (!PictureLoader::withinLimit(picture.width(), picture.height()))
        std::abort();
    for (const QSize box : { QSize(7, 5), QSize(64, 64) }) {
        const QImage scaled = PictureCanvas::scaled(picture, box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (scaled.size() != box
            || scaled.format() != (picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32))
            std::abort();
    }
    return 0;
}

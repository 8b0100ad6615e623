#include "imaging/qticohandler.h"

QtIcoHandler::QtIcoHandler(QIODevice *device)
{
    setDevice(device);
}

bool QtIcoHandler::canRead() const
{
    return false;
}

bool QtIcoHandler::read(QImage *)
{
    return false;
}

bool QtIcoHandler::write(const QImage &)
{
    return false;
}

bool QtIcoHandler::writeImages(const QList<QImage> &)
{
    return false;
}

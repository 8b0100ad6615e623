#ifndef LOOMWRIGHT_QTICOHANDLER_H
#define LOOMWRIGHT_QTICOHANDLER_H

#include <QImageIOHandler>
#include <QList>

// Writes several pictures as one Windows icon file.
class QtIcoHandler : public QImageIOHandler
{
public:
    explicit QtIcoHandler(QIODevice *device);

    bool canRead() const override;
    bool read(QImage *image) override;
    bool write(const QImage &image) override;

    bool writeImages(const QList<QImage> &images);
};

#endif

#ifndef LOOMWRIGHT_WINRTICON_H
#define LOOMWRIGHT_WINRTICON_H

#include <QImage>
#include <QString>
#include <QVariantMap>

// Windows Store logos.
class WinRTIcon
{
public:
    static bool createWinRTIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options);
};

#endif

#ifndef HOSTKIT_FILEPATHS_P_H
#define HOSTKIT_FILEPATHS_P_H

// QML hands over paths in several forms: plain paths, resource paths
// (":/a"), and URLs ("file:///a", "qrc:/a"); QFile understands only the
// first two.

#include <QString>
#include <QUrl>
#include <QVariant>

namespace HostkitPaths {

inline QString localPath(const QUrl &url)
{
    if (url.scheme().compare(QLatin1String("qrc"), Qt::CaseInsensitive) == 0)
        return QLatin1Char(':') + url.path();
    if (url.isLocalFile())
        return url.toLocalFile();
    return url.toString();
}

inline QString localPath(const QString &text)
{
    // Checked by prefix: "C:/x" parses as a URL with the scheme "c".
    if (text.startsWith(QLatin1String("qrc:"), Qt::CaseInsensitive)
        || text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        return localPath(QUrl(text));
    }
    return text;
}

inline QString localPath(const QVariant &value)
{
    if (value.userType() == QMetaType::QUrl)
        return localPath(value.toUrl());
    return localPath(value.toString());
}

inline QUrl urlOf(const QString &path)
{
    if (path.isEmpty())
        return QUrl();
    if (path.startsWith(QLatin1Char(':')))
        return QUrl(QStringLiteral("qrc") + path);
    return QUrl::fromLocalFile(path);
}

}

#endif

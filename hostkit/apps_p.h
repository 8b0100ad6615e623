#ifndef HOSTKIT_APPS_P_H
#define HOSTKIT_APPS_P_H

// What the app types share: where the apps live, how to reach the portal
// object that QML hands over, and how the portal's dates and errors read.

#include "hostkit/filepaths_p.h"
#include "hostkit/networkrequest.h"
#include "hostkit/networkrequestheaders.h"

#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJSEngine>
#include <QJSValue>
#include <QJsonObject>
#include <QObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>
#include <QVariant>
#include <QVariantMap>

namespace HostkitApps {

inline QString descriptorName()
{
    return QStringLiteral("appinfo.json");
}

// The host setting "appsFolder" (a path or file: URL), else a folder under
// the user's documents.
inline QString appsFolder()
{
    const QString configured = HostkitPaths::localPath(QSettings().value(QStringLiteral("appsFolder")));
    if (!configured.trimmed().isEmpty())
        return QDir::cleanPath(configured);
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                           + QStringLiteral("/Brimforge/Apps"));
}

// Item ids become folder names and URL path segments: nothing else fits.
inline bool isSafeItemId(const QString &itemId)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-]{1,128}$"));
    return pattern.match(itemId).hasMatch();
}

// A date member of a descriptor or item: milliseconds since the epoch as a
// number (how the portal writes them), or ISO 8601 text. 0 when absent or
// unreadable.
inline qint64 msecsOf(const QVariant &value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (ok && value.userType() != QMetaType::QString)
        return qint64(number);
    if (value.userType() == QMetaType::QDateTime)
        return value.toDateTime().toMSecsSinceEpoch();
    const QString text = value.toString();
    if (text.isEmpty())
        return 0;
    const qint64 fromText = text.toLongLong(&ok);
    if (ok)
        return fromText;
    const QDateTime date = QDateTime::fromString(text, Qt::ISODateWithMs);
    return date.isValid() ? date.toMSecsSinceEpoch() : 0;
}

// What the app types read of the portal object (the window's Portal, or
// anything with the same properties).
struct PortalAccess
{
    QUrl restUrl;
    QString token;
    QString userAgent;
    bool ignoreSslErrors = false;
    bool signedIn = false;

    bool isUsable() const { return restUrl.isValid() && !restUrl.scheme().isEmpty(); }

    QUrl url(const QString &path, const QList<QPair<QString, QString>> &fields) const
    {
        QUrl url(restUrl.toString(QUrl::StripTrailingSlash) + path);
        QUrlQuery query;
        for (const auto &field : fields)
            query.addQueryItem(field.first, QString::fromLatin1(QUrl::toPercentEncoding(field.second)));
        // The portal takes the token in the query of a GET, as it does for
        // item data; NetworkRequest masks it in every log line.
        if (!token.isEmpty())
            query.addQueryItem(QStringLiteral("token"), QString::fromLatin1(QUrl::toPercentEncoding(token)));
        url.setQuery(query.query(QUrl::FullyEncoded), QUrl::StrictMode);
        return url;
    }

    void prepare(NetworkRequest *request) const
    {
        request->setMethod(QStringLiteral("GET"));
        request->setIgnoreSslErrors(ignoreSslErrors);
        request->headers()->setUserAgent(userAgent);
    }
};

inline PortalAccess portalAccess(const QObject *portal)
{
    PortalAccess access;
    if (!portal)
        return access;
    const QVariant rest = portal->property("restUrl");
    access.restUrl = rest.userType() == QMetaType::QUrl ? rest.toUrl() : QUrl(rest.toString());
    access.token = portal->property("token").toString();
    access.userAgent = portal->property("userAgent").toString();
    access.ignoreSslErrors = portal->property("ignoreSslErrors").toBool();
    // A portal object without the flag counts as signed in while it holds a token.
    const QVariant signedIn = portal->property("signedIn");
    access.signedIn = signedIn.isValid() ? signedIn.toBool() && !access.token.isEmpty() : !access.token.isEmpty();
    return access;
}

// Requests of the app types use the QML engine's network manager (proxy,
// cookies) once their owner lives in one, and the engine itself for the
// answers that NetworkRequest hands over parsed (a portal's refusal of a
// download). An object reaches the engine only through its script wrapper,
// which the owner keeps in wrapper; the request keeps its parent, so the
// engine never deletes it.
inline void shareEngine(const QObject *owner, QObject *request, QJSValue *wrapper)
{
    QQmlContext *context = qmlContext(owner);
    if (context && !qmlContext(request))
        QQmlEngine::setContextForObject(request, context);
    QJSEngine *engine = qjsEngine(owner);
    if (engine && !qjsEngine(request)) {
        QQmlEngine::setObjectOwnership(request, QQmlEngine::CppOwnership);
        *wrapper = engine->newQObject(request);
    }
}

// The portal's error form {"error": {"code", "message", "details"}} as the
// app types hand it to QML: details as lines of text.
inline QVariantMap errorObject(int code, const QString &message, const QString &details = QString())
{
    return QVariantMap{{QStringLiteral("code"), code},
                       {QStringLiteral("message"), message},
                       {QStringLiteral("details"), details}};
}

inline bool portalErrorOf(const QJsonObject &answer, QVariantMap *error)
{
    const QJsonValue value = answer.value(QStringLiteral("error"));
    if (!value.isObject())
        return false;
    const QJsonObject object = value.toObject();
    QStringList details;
    const QJsonValue detailValue = object.value(QStringLiteral("details"));
    if (detailValue.isArray()) {
        for (const QJsonValue &line : detailValue.toArray())
            details.append(line.toVariant().toString());
    } else if (!detailValue.isUndefined() && !detailValue.isNull()) {
        details.append(detailValue.toVariant().toString());
    }
    const QString message = object.value(QStringLiteral("message")).toString();
    *error = errorObject(object.value(QStringLiteral("code")).toInt(),
                         message.isEmpty() ? QStringLiteral("Portal error") : message, details.join(QLatin1Char('\n')));
    return true;
}

}

#endif

#include "hostkit/networkrequest.h"

#include "hostkit/filepaths_p.h"
#include "hostkit/logging.h"
#include "hostkit/network.h"
#include "hostkit/networkrequestheaders.h"

#include <QDir>
#include <QFileInfo>
#include <QJSEngine>
#include <QJSValueIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QQmlEngine>

namespace {

const QByteArray formContentType = QByteArrayLiteral("application/x-www-form-urlencoded");

bool isKnownMethod(const QByteArray &verb)
{
    static const QList<QByteArray> methods = {"GET", "POST", "PUT", "PATCH", "DELETE", "HEAD"};
    return methods.contains(verb);
}

// Methods whose form fields travel in the body; the others put them in the URL.
bool sendsBody(const QByteArray &verb)
{
    return verb == "POST" || verb == "PUT" || verb == "PATCH";
}

bool isKnownResponseType(const QString &type)
{
    static const QStringList types = {QString(), QStringLiteral("text"), QStringLiteral("json"),
                                      QStringLiteral("zip"), QStringLiteral("image")};
    return types.contains(type);
}

QString fieldText(const QJSValue &value)
{
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    // Structured values go as JSON text, which is how REST services take
    // lists and objects in form fields.
    if (value.isArray()) {
        const QJsonArray array = QJsonArray::fromVariantList(value.toVariant().toList());
        return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
    }
    if (value.isObject() && !value.isDate() && !value.isRegExp() && !value.isQObject() && !value.isVariant()
        && !value.isCallable()) {
        const QJsonObject object = QJsonObject::fromVariantMap(value.toVariant().toMap());
        return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
    }
    return value.toString();
}

// Every byte outside the unreserved set is percent-encoded, so the text is
// safe both as a body and inside a query, whatever the field holds.
bool encodeForm(const QJSValue &formData, QByteArray *encoded)
{
    encoded->clear();
    if (formData.isUndefined() || formData.isNull())
        return true;
    if (!formData.isObject() || formData.isArray() || formData.isCallable())
        return false;

    QList<QByteArray> pairs;
    QJSValueIterator it(formData);
    while (it.hasNext()) {
        it.next();
        const QJSValue value = it.value();
        if (value.isUndefined() || value.isNull())
            continue;
        pairs.append(QUrl::toPercentEncoding(it.name()) + '=' + QUrl::toPercentEncoding(fieldText(value)));
    }
    *encoded = pairs.join('&');
    return true;
}

// Query fields whose values let whoever reads them act as the user.
bool isSecretField(const QString &name)
{
    static const QStringList names = {QStringLiteral("token"),         QStringLiteral("access_token"),
                                      QStringLiteral("refresh_token"), QStringLiteral("code"),
                                      QStringLiteral("client_secret"), QStringLiteral("password")};
    return names.contains(name, Qt::CaseInsensitive);
}

const QString maskedValue = QStringLiteral("***");

constexpr qint64 readAheadSize = qint64(1) << 20;

// A portal answers a download it refuses with status 200 and a small JSON
// object holding "error". The start of every download is kept up to this
// size, so that such an answer is told from the file it stands in for.
constexpr int errorAnswerLimit = 64 * 1024;

// The error object of a portal's error answer, or an empty object.
QJsonObject portalErrorIn(const QByteArray &body)
{
    const QByteArray trimmed = body.trimmed();
    if (!trimmed.startsWith('{'))
        return QJsonObject();
    const QJsonObject answer = QJsonDocument::fromJson(trimmed).object();
    return answer.contains(QLatin1String("error")) ? answer : QJsonObject();
}

QUrl withQuery(QUrl url, const QByteArray &fields)
{
    if (fields.isEmpty())
        return url;
    QString query = url.query(QUrl::FullyEncoded);
    if (!query.isEmpty())
        query += QLatin1Char('&');
    query += QString::fromLatin1(fields);
    url.setQuery(query, QUrl::StrictMode);
    return url;
}

}

NetworkRequest::NetworkRequest(QObject *parent)
    : QObject(parent)
    , m_headers(new NetworkRequestHeaders(this))
{
}

NetworkRequest::~NetworkRequest()
{
    abandon();
}

void NetworkRequest::setUrl(const QUrl &url)
{
    if (url == m_url)
        return;
    m_url = url;
    Q_EMIT urlChanged();
}

void NetworkRequest::setMethod(const QString &method)
{
    if (method == m_method)
        return;
    m_method = method;
    Q_EMIT methodChanged();
}

void NetworkRequest::setResponseType(const QString &responseType)
{
    if (responseType == m_responseType)
        return;
    m_responseType = responseType;
    Q_EMIT responseTypeChanged();
}

void NetworkRequest::setResponsePath(const QString &responsePath)
{
    if (responsePath == m_responsePath)
        return;
    m_responsePath = responsePath;
    Q_EMIT responsePathChanged();
}

void NetworkRequest::setIgnoreSslErrors(bool ignoreSslErrors)
{
    if (ignoreSslErrors == m_ignoreSslErrors)
        return;
    m_ignoreSslErrors = ignoreSslErrors;
    Q_EMIT ignoreSslErrorsChanged();
}

void NetworkRequest::setTimeout(int timeout)
{
    if (timeout < 0) {
        qCWarning(lcHostkit) << Q_FUNC_INFO << "Negative time-out" << timeout << "taken as none";
        timeout = 0;
    }
    if (timeout == m_timeout)
        return;
    m_timeout = timeout;
    Q_EMIT timeoutChanged();
}

void NetworkRequest::setMaximumResponseSize(qint64 maximumResponseSize)
{
    if (maximumResponseSize < 0) {
        qCWarning(lcHostkit) << Q_FUNC_INFO << "Negative size" << maximumResponseSize << "taken as no bound";
        maximumResponseSize = 0;
    }
    if (maximumResponseSize == m_maximumResponseSize)
        return;
    m_maximumResponseSize = maximumResponseSize;
    Q_EMIT maximumResponseSizeChanged();
}

QString NetworkRequest::maskedUrl(const QUrl &url)
{
    QUrl masked = url;
    if (!masked.password().isEmpty())
        masked.setPassword(maskedValue);
    if (masked.hasQuery()) {
        QStringList fields = masked.query(QUrl::FullyEncoded).split(QLatin1Char('&'));
        for (QString &field : fields) {
            const QString name = field.section(QLatin1Char('='), 0, 0);
            if (isSecretField(QUrl::fromPercentEncoding(name.toUtf8())))
                field = name + QLatin1Char('=') + maskedValue;
        }
        masked.setQuery(fields.join(QLatin1Char('&')), QUrl::StrictMode);
    }
    return masked.toString();
}

void NetworkRequest::send(const QJSValue &formData)
{
    qCDebug(lcHostkit) << Q_FUNC_INFO << m_method << maskedUrl(m_url);

    abandon();
    ++m_generation;
    setStatus(0);
    setStatusText(QString());
    setResponse(QJSValue(QJSValue::NullValue));
    setErrorText(QString());
    setProgress(0.0);
    setReadyState(ReadyStateSending);

    const QByteArray verb = m_method.trimmed().toUpper().toLatin1();
    QByteArray fields;
    QString problem;
    if (!isKnownMethod(verb))
        problem = QStringLiteral("Unknown method \"%1\"").arg(m_method);
    else if (m_url.isEmpty() || !m_url.isValid() || m_url.scheme().isEmpty())
        problem = QStringLiteral("Invalid URL \"%1\"").arg(maskedUrl(m_url));
    else if (!encodeForm(formData, &fields))
        problem = QStringLiteral("Form data is not an object");
    if (!problem.isEmpty()) {
        qCWarning(lcHostkit) << Q_FUNC_INFO << problem;
        failLater(problem);
        return;
    }
    if (!isKnownResponseType(m_responseType))
        qCWarning(lcHostkit) << Q_FUNC_INFO << "Unknown response type" << m_responseType << "taken as text";

    if (!m_responsePath.isEmpty()) {
        m_filePath = HostkitPaths::localPath(m_responsePath);
        QDir().mkpath(QFileInfo(m_filePath).absolutePath());
        m_file = std::make_unique<QSaveFile>(m_filePath);
        if (!m_file->open(QIODevice::WriteOnly)) {
            problem = QStringLiteral("Cannot write \"%1\": %2").arg(m_filePath, m_file->errorString());
            m_file.reset();
            qCWarning(lcHostkit) << Q_FUNC_INFO << problem;
            failLater(problem);
            return;
        }
    }

    const bool inBody = sendsBody(verb);
    QNetworkRequest request(inBody ? m_url : withQuery(m_url, fields));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    const QString userAgent = m_headers->userAgent().isEmpty() ? Network::defaultUserAgent() : m_headers->userAgent();
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent);
    if (inBody)
        request.setHeader(QNetworkRequest::ContentTypeHeader, formContentType);
    // Counts from the last byte that moved, so a long download that keeps
    // arriving is never cut, while a server that stalls is.
    request.setTransferTimeout(m_timeout);

    QNetworkAccessManager *network = manager();
    QNetworkReply *reply = nullptr;
    if (verb == "GET")
        reply = network->get(request);
    else if (verb == "POST")
        reply = network->post(request, fields);
    else if (verb == "PUT")
        reply = network->put(request, fields);
    else if (verb == "DELETE")
        reply = network->deleteResource(request);
    else if (verb == "HEAD")
        reply = network->head(request);
    else
        reply = network->sendCustomRequest(request, verb, fields);
    m_reply = reply;
    // The network layer reads ahead without end unless told otherwise: a fast
    // server would fill memory faster than the bound below is checked.
    reply->setReadBufferSize(readAheadSize);

    connect(reply, &QNetworkReply::readyRead, this, &NetworkRequest::receive);
    connect(reply, &QNetworkReply::finished, this, &NetworkRequest::finish);
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (total > 0)
            setProgress(qBound(0.0, qreal(received) / qreal(total), 1.0));
    });
#ifndef QT_NO_SSL
    connect(reply, &QNetworkReply::sslErrors, this, [this, reply](const QList<QSslError> &errors) {
        qCDebug(lcHostkit) << Q_FUNC_INFO << errors << "ignored:" << m_ignoreSslErrors;
        if (m_ignoreSslErrors)
            reply->ignoreSslErrors();
    });
#endif
}

QNetworkAccessManager *NetworkRequest::manager()
{
    QQmlEngine *engine = qmlEngine(this);
    if (!m_ignoreSslErrors) {
        // The engine's manager, so that a tool's network settings (proxy,
        // cache, cookies) apply to these requests too.
        if (engine)
            return engine->networkAccessManager();
        if (!m_manager)
            m_manager = new QNetworkAccessManager(this);
        return m_manager;
    }
    // Requests that wave certificates through get a manager of their own: a
    // connection whose certificate was accepted stays open, and would carry
    // the next request to that host unchecked although it asks for checks.
    // Closing such connections instead would also end the requests in flight
    // on them.
    static const QString uncheckedName = QStringLiteral("hostkit-unchecked-connections");
    QObject *owner = engine ? static_cast<QObject *>(engine) : static_cast<QObject *>(this);
    auto *unchecked = owner->findChild<QNetworkAccessManager *>(uncheckedName, Qt::FindDirectChildrenOnly);
    if (!unchecked) {
        unchecked = new QNetworkAccessManager(owner);
        unchecked->setObjectName(uncheckedName);
        if (engine)
            unchecked->setProxy(engine->networkAccessManager()->proxy());
    }
    return unchecked;
}

void NetworkRequest::abandon()
{
    if (QNetworkReply *reply = m_reply) {
        m_reply = nullptr;
        disconnect(reply, nullptr, this, nullptr);
        reply->abort();
        reply->deleteLater();
    }
    if (m_file) {
        m_file->cancelWriting();
        m_file.reset();
    }
    m_filePath.clear();
    m_body.clear();
    m_fileHead.clear();
    m_received = 0;
    m_abortReason.clear();
}

void NetworkRequest::failLater(const QString &problem)
{
    // Like any other outcome, the failure arrives after send() has returned,
    // so handlers connected after the call still see it.
    const quint64 generation = m_generation;
    QMetaObject::invokeMethod(
        this,
        [this, generation, problem] {
            if (generation == m_generation && m_readyState == ReadyStateSending)
                complete(0, problem, QJSValue(QJSValue::NullValue), problem, 0.0);
        },
        Qt::QueuedConnection);
}

bool NetworkRequest::bodyGoesToFile() const
{
    if (!m_file || !m_reply)
        return false;
    // Only a successful body belongs in the file; an error page does not.
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    return !status.isValid() || (status.toInt() >= 200 && status.toInt() < 300);
}

void NetworkRequest::receive()
{
    if (!m_reply)
        return;
    // An aborted reply, Qt's time-out included, has nothing left to read.
    if (!m_abortReason.isEmpty() || !m_reply->isOpen())
        return;
    if (m_readyState == ReadyStateSending)
        setReadyState(ReadyStateProcessing);
    if (!bodyGoesToFile() && exceedsMaximumSize(m_reply->bytesAvailable())) {
        m_abortReason = QStringLiteral("Response too large: more than %1 bytes from %2")
                            .arg(m_maximumResponseSize)
                            .arg(maskedUrl(m_reply->url()));
        qCWarning(lcHostkit) << Q_FUNC_INFO << m_abortReason;
        m_body.clear();
        // Finishes the reply at once, through finish().
        m_reply->abort();
        return;
    }

    const QByteArray chunk = m_reply->readAll();
    if (!bodyGoesToFile()) {
        m_received += chunk.size();
        m_body += chunk;
        return;
    }
    if (m_received < errorAnswerLimit)
        m_fileHead += chunk.left(int(errorAnswerLimit - m_received));
    m_received += chunk.size();
    if (m_file->write(chunk) != chunk.size()) {
        m_abortReason = QStringLiteral("Cannot write \"%1\": %2").arg(m_filePath, m_file->errorString());
        qCWarning(lcHostkit) << Q_FUNC_INFO << m_abortReason;
        // Finishes the reply at once, through finish().
        m_reply->abort();
    }
}

bool NetworkRequest::exceedsMaximumSize(qint64 arriving) const
{
    if (m_maximumResponseSize <= 0)
        return false;
    // What the server announces counts as much as what has come: a body
    // that can only end too large is refused before it is held.
    const QVariant announced = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && m_reply->rawHeader("Content-Encoding").isEmpty()
        && announced.toLongLong() > m_maximumResponseSize) {
        return true;
    }
    return qint64(m_body.size()) + arriving > m_maximumResponseSize;
}

QString NetworkRequest::errorOf(QNetworkReply *reply) const
{
    // Qt's own cancellation is the transfer time-out: this object's aborts
    // leave their reason, and an abandoned reply never finishes here.
    if (reply->error() == QNetworkReply::OperationCanceledError && m_timeout > 0) {
        return QStringLiteral("Request timed out: nothing arrived for %1 ms from %2")
            .arg(m_timeout)
            .arg(maskedUrl(reply->url()));
    }
    // Qt names the URL in some of its texts, query and all.
    QString error = reply->errorString();
    for (const QUrl &url : {reply->url(), reply->request().url(), m_url}) {
        const QString masked = maskedUrl(url);
        error.replace(url.toString(), masked);
        error.replace(url.toString(QUrl::FullyEncoded), masked);
    }
    return error;
}

void NetworkRequest::finish()
{
    if (!m_reply)
        return;
    receive();
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();

    const QVariant statusAttribute = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int status = statusAttribute.toInt();
    QString statusText = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();

    QString error;
    if (!m_abortReason.isEmpty()) {
        error = m_abortReason;
    } else if (reply->error() != QNetworkReply::NoError) {
        error = errorOf(reply);
    } else if (statusAttribute.isValid() && (status < 200 || status >= 300)) {
        error = QStringLiteral("Server replied: %1 %2").arg(status).arg(statusText);
    } else {
        // A connection that ends early may look like a complete answer; the
        // length the server announced tells. Decompressed bodies differ in
        // length from what was announced, and HEAD has no body at all.
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && reply->rawHeader("Content-Encoding").isEmpty()
            && reply->operation() != QNetworkAccessManager::HeadOperation && length.toLongLong() != m_received) {
            error = QStringLiteral("Incomplete response: %1 of %2 bytes").arg(m_received).arg(length.toLongLong());
        }
    }
    if (!statusAttribute.isValid())
        statusText = error;

    QJSValue response(QJSValue::NullValue);
    const QJsonObject errorAnswer =
        m_file && error.isEmpty() && m_received <= errorAnswerLimit ? portalErrorIn(m_fileHead) : QJsonObject();
    if (!errorAnswer.isEmpty()) {
        // No file: the answer is the portal's refusal, handed out as a JSON
        // answer is, and the target keeps what it held before.
        error = QStringLiteral("Error answer instead of a file from %1").arg(maskedUrl(reply->url()));
        if (QJSEngine *engine = qjsEngine(this))
            response = engine->toScriptValue(errorAnswer.toVariantMap());
        m_file->cancelWriting();
        m_file.reset();
    }
    if (m_file) {
        if (error.isEmpty() && !m_file->commit()) {
            error = QStringLiteral("Cannot write \"%1\": %2").arg(m_filePath, m_file->errorString());
            qCWarning(lcHostkit) << Q_FUNC_INFO << error;
        } else if (error.isEmpty()) {
            response = QJSValue(m_filePath);
        } else {
            m_file->cancelWriting();
        }
        m_file.reset();
    }
    // A body cut short by a time-out or the size bound is no answer at all.
    if (!m_abortReason.isEmpty() || reply->error() == QNetworkReply::OperationCanceledError)
        m_body.clear();
    if (response.isNull() && !m_body.isEmpty()) {
        QString problem;
        response = bodyValue(&problem);
        if (!problem.isEmpty() && error.isEmpty())
            error = problem;
    }
    m_body.clear();
    m_fileHead.clear();

    if (error.isEmpty())
        qCDebug(lcHostkit) << Q_FUNC_INFO << status << maskedUrl(reply->url());
    else
        qCDebug(lcHostkit) << Q_FUNC_INFO << status << maskedUrl(reply->url()) << error;
    complete(status, statusText, response, error, error.isEmpty() ? 1.0 : m_progress);
}

QJSValue NetworkRequest::bodyValue(QString *problem) const
{
    const QString type = m_responseType;
    const bool isBytes = type == QLatin1String("zip") || type == QLatin1String("image");
    QJSEngine *engine = qjsEngine(this);
    if (type == QLatin1String("json") && engine) {
        QJSValue parse = engine->globalObject().property(QStringLiteral("JSON")).property(QStringLiteral("parse"));
        const QJSValue value = parse.call({QJSValue(QString::fromUtf8(m_body))});
        if (!value.isError())
            return value;
        *problem = QStringLiteral("Invalid JSON response: %1").arg(value.toString());
        return QJSValue(QJSValue::NullValue);
    }
    if (isBytes && engine)
        return engine->toScriptValue(m_body);
    if ((isBytes || type == QLatin1String("json")) && !engine)
        qCWarning(lcHostkit) << Q_FUNC_INFO << "Without a QML engine the response stays text";
    return QJSValue(QString::fromUtf8(m_body));
}

void NetworkRequest::complete(int status, const QString &statusText, const QJSValue &response,
                              const QString &errorText, qreal progress)
{
    // Everything is in place before the state says so: handlers of the
    // state change read the rest.
    setStatus(status);
    setStatusText(statusText);
    setResponse(response);
    setErrorText(errorText);
    setProgress(progress);
    setReadyState(ReadyStateComplete);
}

void NetworkRequest::setReadyState(ReadyState readyState)
{
    if (readyState == m_readyState)
        return;
    m_readyState = readyState;
    Q_EMIT readyStateChanged();
}

void NetworkRequest::setStatus(int status)
{
    if (status == m_status)
        return;
    m_status = status;
    Q_EMIT statusChanged();
}

void NetworkRequest::setStatusText(const QString &statusText)
{
    if (statusText == m_statusText)
        return;
    m_statusText = statusText;
    Q_EMIT statusTextChanged();
}

void NetworkRequest::setResponse(const QJSValue &response)
{
    if (response.strictlyEquals(m_response))
        return;
    m_response = response;
    Q_EMIT responseChanged();
}

void NetworkRequest::setErrorText(const QString &errorText)
{
    if (errorText == m_errorText)
        return;
    m_errorText = errorText;
    Q_EMIT errorTextChanged();
}

void NetworkRequest::setProgress(qreal progress)
{
    if (qFuzzyCompare(progress + 1.0, m_progress + 1.0))
        return;
    m_progress = progress;
    Q_EMIT progressChanged();
}

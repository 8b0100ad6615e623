#include "hostkit/networkrequest.h"

#include "hostkit/contentdecoder.h"
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

bool carriesSecret(const QUrl &url, const QJSValue &formData)
{
    for (const QString &field : url.query(QUrl::FullyEncoded).split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        if (isSecretField(QUrl::fromPercentEncoding(field.section(QLatin1Char('='), 0, 0).toUtf8())))
            return true;
    }
    if (!formData.isObject())
        return false;
    QJSValueIterator it(formData);
    while (it.hasNext()) {
        it.next();
        if (isSecretField(it.name()) && !it.value().isUndefined() && !it.value().isNull())
            return true;
    }
    return false;
}

bool sameOrigin(const QUrl &a, const QUrl &b)
{
    const auto defaultPort = [](const QUrl &url) {
        return url.port(url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 ? 443 : 80);
    };
    return a.scheme().compare(b.scheme(), Qt::CaseInsensitive) == 0
        && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 && defaultPort(a) == defaultPort(b);
}

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
    m_deadlineTimer.setSingleShot(true);
    connect(&m_deadlineTimer, &QTimer::timeout, this, [this] {
        abortWith(QStringLiteral("Request took too long: no complete answer within %1 ms from %2")
                      .arg(effectiveDeadline())
                      .arg(maskedUrl(m_reply ? m_reply->url() : m_url)));
    });
    connect(&m_rateTimer, &QTimer::timeout, this, &NetworkRequest::checkRate);
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

void NetworkRequest::setDeadline(int deadline)
{
    if (deadline < 0) {
        qCWarning(lcHostkit) << Q_FUNC_INFO << "Negative deadline" << deadline << "taken as the default";
        deadline = 0;
    }
    if (deadline == m_deadline)
        return;
    m_deadline = deadline;
    Q_EMIT deadlineChanged();
}

void NetworkRequest::setMinimumRate(qint64 minimumRate)
{
    if (minimumRate < 0) {
        qCWarning(lcHostkit) << Q_FUNC_INFO << "Negative rate" << minimumRate << "taken as none";
        minimumRate = 0;
    }
    if (minimumRate == m_minimumRate)
        return;
    m_minimumRate = minimumRate;
    Q_EMIT minimumRateChanged();
}

void NetworkRequest::setMaximumFileSize(qint64 maximumFileSize)
{
    if (maximumFileSize < 0) {
        qCWarning(lcHostkit) << Q_FUNC_INFO << "Negative size" << maximumFileSize << "taken as no bound";
        maximumFileSize = 0;
    }
    if (maximumFileSize == m_maximumFileSize)
        return;
    m_maximumFileSize = maximumFileSize;
    Q_EMIT maximumFileSizeChanged();
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
    // A token goes to the host it was meant for and to no other, whatever
    // that host answers.
    const bool secret = carriesSecret(m_url, formData);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         secret ? QNetworkRequest::UserVerifiedRedirectPolicy
                                : QNetworkRequest::NoLessSafeRedirectPolicy);
    // Asked for by name, compressed answers reach this object as they came
    // and are inflated here, within the bounds.
    request.setRawHeader("Accept-Encoding", "gzip, deflate");
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
    if (!m_file && effectiveDeadline() > 0)
        m_deadlineTimer.start(effectiveDeadline());

    if (secret)
        connect(reply, &QNetworkReply::redirected, this, [this, reply](const QUrl &target) { checkRedirect(reply, target); });
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

int NetworkRequest::effectiveDeadline() const
{
    // Twice the time-out: an answer that keeps coming but never ends is cut
    // well after one that stalls would be.
    return m_deadline > 0 ? m_deadline : 2 * m_timeout;
}

int NetworkRequest::rateWindow() const
{
    // Longer than the time-out, so that a stall is always told as a stall.
    return 2 * m_timeout;
}

void NetworkRequest::abandon()
{
    m_deadlineTimer.stop();
    m_rateTimer.stop();
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
    m_wireBytes = 0;
    m_windowBytes = 0;
    m_decoder.reset();
    m_abortReason.clear();
}

void NetworkRequest::abortWith(const QString &reason)
{
    if (!m_reply || !m_abortReason.isEmpty())
        return;
    m_abortReason = reason;
    qCWarning(lcHostkit) << Q_FUNC_INFO << reason;
    m_body.clear();
    // Finishes the reply at once, through finish().
    m_reply->abort();
}

void NetworkRequest::checkRedirect(QNetworkReply *reply, const QUrl &target)
{
    const QUrl resolved = reply->url().resolved(target);
    if (sameOrigin(resolved, m_url)) {
        Q_EMIT reply->redirectAllowed();
        return;
    }
    abortWith(QStringLiteral("Redirect to another host refused: from %1 to %2")
                  .arg(maskedUrl(reply->url()), maskedUrl(resolved)));
}

void NetworkRequest::checkRate()
{
    const qint64 window = rateWindow();
    if (m_minimumRate > 0 && window > 0 && m_windowBytes * 1000 < m_minimumRate * window) {
        abortWith(QStringLiteral("Download too slow: less than %1 bytes per second for %2 ms from %3")
                      .arg(m_minimumRate)
                      .arg(window)
                      .arg(maskedUrl(m_reply ? m_reply->url() : m_url)));
        return;
    }
    m_windowBytes = 0;
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
    const bool toFile = bodyGoesToFile();
    const qint64 bound = toFile ? m_maximumFileSize : m_maximumResponseSize;
    const auto tooLarge = [this, bound] {
        return QStringLiteral("Response too large: more than %1 bytes from %2").arg(bound).arg(maskedUrl(m_reply->url()));
    };
    if (!m_decoder) {
        const QByteArray encoding = m_reply->rawHeader("Content-Encoding");
        m_decoder = std::make_unique<ContentDecoder>(ContentDecoder::encodingOf(encoding));
        if (m_decoder->encoding() == ContentDecoder::Encoding::Unsupported) {
            abortWith(QStringLiteral("Unsupported content encoding \"%1\" from %2")
                          .arg(QString::fromLatin1(encoding), maskedUrl(m_reply->url())));
            return;
        }
        // A body that can only end too large is refused before it is held.
        if (exceedsAnnouncedSize(bound)) {
            abortWith(tooLarge());
            return;
        }
    }

    const QByteArray wire = m_reply->readAll();
    m_wireBytes += wire.size();
    m_windowBytes += wire.size();
    if (toFile && !m_rateTimer.isActive() && rateWindow() > 0 && m_minimumRate > 0)
        m_rateTimer.start(rateWindow());
    // What comes out counts, not what came in: a small compressed answer
    // may inflate a thousandfold.
    const auto take = [this, toFile](const char *data, int size) {
        if (!toFile) {
            m_body.append(data, size);
            m_received += size;
            return true;
        }
        if (m_received < errorAnswerLimit)
            m_fileHead.append(data, int(qMin<qint64>(size, errorAnswerLimit - m_received)));
        m_received += size;
        return m_file->write(data, size) == size;
    };
    switch (m_decoder->decode(wire, bound > 0 ? bound - m_received : -1, take)) {
    case ContentDecoder::Result::Decoded:
        break;
    case ContentDecoder::Result::TooLarge:
        abortWith(tooLarge());
        break;
    case ContentDecoder::Result::Damaged:
        abortWith(QStringLiteral("Damaged compressed response from %1").arg(maskedUrl(m_reply->url())));
        break;
    case ContentDecoder::Result::Stopped:
        abortWith(QStringLiteral("Cannot write \"%1\": %2").arg(m_filePath, m_file->errorString()));
        break;
    }
}

bool NetworkRequest::exceedsAnnouncedSize(qint64 bound) const
{
    const QVariant announced = m_reply->header(QNetworkRequest::ContentLengthHeader);
    return bound > 0 && announced.isValid() && m_decoder->encoding() == ContentDecoder::Encoding::Identity
        && announced.toLongLong() > bound;
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
    m_deadlineTimer.stop();
    m_rateTimer.stop();

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
        // length the server announced tells, and so does the end of a
        // compressed stream. HEAD has no body at all.
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        const bool head = reply->operation() == QNetworkAccessManager::HeadOperation;
        if (length.isValid() && !head && length.toLongLong() != m_wireBytes)
            error = QStringLiteral("Incomplete response: %1 of %2 bytes").arg(m_wireBytes).arg(length.toLongLong());
        else if (!head && m_wireBytes > 0 && m_decoder && !m_decoder->isComplete())
            error = QStringLiteral("Incomplete response: the compressed body ends early");
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

#ifndef HOSTKIT_NETWORKREQUEST_H
#define HOSTKIT_NETWORKREQUEST_H

#include <QByteArray>
#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>

#include <memory>

class ContentDecoder;
class NetworkRequestHeaders;
class QNetworkAccessManager;
class QNetworkReply;

// One HTTP request for QML, sendable again and again: form fields in, the
// status and a text, JSON, byte or file response out.
class NetworkRequest : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QUrl url READ url WRITE setUrl NOTIFY urlChanged)
    Q_PROPERTY(QString method READ method WRITE setMethod NOTIFY methodChanged)
    Q_PROPERTY(QString responseType READ responseType WRITE setResponseType NOTIFY responseTypeChanged)
    Q_PROPERTY(QString responsePath READ responsePath WRITE setResponsePath NOTIFY responsePathChanged)
    Q_PROPERTY(bool ignoreSslErrors READ ignoreSslErrors WRITE setIgnoreSslErrors NOTIFY ignoreSslErrorsChanged)
    Q_PROPERTY(int timeout READ timeout WRITE setTimeout NOTIFY timeoutChanged)
    Q_PROPERTY(int deadline READ deadline WRITE setDeadline NOTIFY deadlineChanged)
    Q_PROPERTY(qint64 minimumRate READ minimumRate WRITE setMinimumRate NOTIFY minimumRateChanged)
    Q_PROPERTY(qint64 maximumResponseSize READ maximumResponseSize WRITE setMaximumResponseSize NOTIFY
                   maximumResponseSizeChanged)
    Q_PROPERTY(qint64 maximumFileSize READ maximumFileSize WRITE setMaximumFileSize NOTIFY maximumFileSizeChanged)
    Q_PROPERTY(NetworkRequestHeaders *headers READ headers CONSTANT)
    Q_PROPERTY(ReadyState readyState READ readyState NOTIFY readyStateChanged)
    Q_PROPERTY(int status READ status NOTIFY statusChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusTextChanged)
    Q_PROPERTY(QJSValue response READ response NOTIFY responseChanged)
    Q_PROPERTY(QString errorText READ errorText NOTIFY errorTextChanged)
    Q_PROPERTY(qreal progress READ progress NOTIFY progressChanged)

public:
    enum ReadyState {
        ReadyStateUninitialized = 0,
        ReadyStateSending = 1,
        ReadyStateProcessing = 2,
        ReadyStateComplete = 3
    };
    Q_ENUM(ReadyState)

    // A portal answers within seconds; a minute without a byte means it never will.
    static constexpr int defaultTimeout = 60000;
    // Far above any JSON answer or thumbnail of a portal, far below what
    // would strain the tool.
    static constexpr qint64 defaultMaximumResponseSize = qint64(64) << 20;
    // A line that moves a kilobyte a second still brings a large package in
    // the end; a server that trickles a byte now and then never does.
    static constexpr qint64 defaultMinimumRate = 1024;
    // Far above any package a portal hands out, below what fills a disk.
    static constexpr qint64 defaultMaximumFileSize = qint64(4) << 30;

    explicit NetworkRequest(QObject *parent = nullptr);
    ~NetworkRequest() override;

    QUrl url() const { return m_url; }
    void setUrl(const QUrl &url);
    QString method() const { return m_method; }
    void setMethod(const QString &method);
    QString responseType() const { return m_responseType; }
    void setResponseType(const QString &responseType);
    QString responsePath() const { return m_responsePath; }
    void setResponsePath(const QString &responsePath);
    bool ignoreSslErrors() const { return m_ignoreSslErrors; }
    void setIgnoreSslErrors(bool ignoreSslErrors);
    int timeout() const { return m_timeout; }
    void setTimeout(int timeout);
    int deadline() const { return m_deadline; }
    void setDeadline(int deadline);
    qint64 minimumRate() const { return m_minimumRate; }
    void setMinimumRate(qint64 minimumRate);
    qint64 maximumResponseSize() const { return m_maximumResponseSize; }
    void setMaximumResponseSize(qint64 maximumResponseSize);
    qint64 maximumFileSize() const { return m_maximumFileSize; }
    void setMaximumFileSize(qint64 maximumFileSize);
    NetworkRequestHeaders *headers() const { return m_headers; }

    ReadyState readyState() const { return m_readyState; }
    int status() const { return m_status; }
    QString statusText() const { return m_statusText; }
    QJSValue response() const { return m_response; }
    QString errorText() const { return m_errorText; }
    qreal progress() const { return m_progress; }

    Q_INVOKABLE void send(const QJSValue &formData = QJSValue());

    // The URL as text with the values of secret query fields (tokens, codes,
    // passwords) and any password in it replaced, for log lines and error
    // texts that a user may copy anywhere.
    static QString maskedUrl(const QUrl &url);

Q_SIGNALS:
    void urlChanged();
    void methodChanged();
    void responseTypeChanged();
    void responsePathChanged();
    void ignoreSslErrorsChanged();
    void timeoutChanged();
    void deadlineChanged();
    void minimumRateChanged();
    void maximumResponseSizeChanged();
    void maximumFileSizeChanged();
    void readyStateChanged();
    void statusChanged();
    void statusTextChanged();
    void responseChanged();
    void errorTextChanged();
    void progressChanged();

private:
    QNetworkAccessManager *manager();
    void abandon();
    void failLater(const QString &problem);
    void abortWith(const QString &reason);
    void receive();
    void finish();
    void checkRate();
    void checkRedirect(QNetworkReply *reply, const QUrl &target);
    int effectiveDeadline() const;
    int rateWindow() const;
    bool bodyGoesToFile() const;
    // What the server announces counts as much as what has come: a body that
    // can only end beyond bound (0: none) is refused before it is held.
    bool exceedsAnnouncedSize(qint64 bound) const;
    QString errorOf(QNetworkReply *reply) const;
    QJSValue bodyValue(QString *problem) const;
    void complete(int status, const QString &statusText, const QJSValue &response, const QString &errorText,
                  qreal progress);

    void setReadyState(ReadyState readyState);
    void setStatus(int status);
    void setStatusText(const QString &statusText);
    void setResponse(const QJSValue &response);
    void setErrorText(const QString &errorText);
    void setProgress(qreal progress);

    QUrl m_url;
    QString m_method = QStringLiteral("POST");
    QString m_responseType;
    QString m_responsePath;
    bool m_ignoreSslErrors = false;
    int m_timeout = defaultTimeout;
    int m_deadline = 0;
    qint64 m_minimumRate = defaultMinimumRate;
    qint64 m_maximumResponseSize = defaultMaximumResponseSize;
    qint64 m_maximumFileSize = defaultMaximumFileSize;
    NetworkRequestHeaders *m_headers;

    ReadyState m_readyState = ReadyStateUninitialized;
    int m_status = 0;
    QString m_statusText;
    QJSValue m_response = QJSValue(QJSValue::NullValue);
    QString m_errorText;
    qreal m_progress = 0.0;

    // The request in flight and what it has delivered so far.
    quint64 m_generation = 0;
    QPointer<QNetworkReply> m_reply;
    QNetworkAccessManager *m_manager = nullptr;
    std::unique_ptr<QSaveFile> m_file;
    QString m_filePath;
    QByteArray m_body;
    // The start of a download, to tell a portal's error answer from the file.
    QByteArray m_fileHead;
    // Bytes after decoding, and as they came over the wire.
    qint64 m_received = 0;
    qint64 m_wireBytes = 0;
    std::unique_ptr<ContentDecoder> m_decoder;
    // Bounds that a server sending a byte now and then cannot dodge: a
    // deadline for answers held in memory, a least rate for downloads.
    QTimer m_deadlineTimer;
    QTimer m_rateTimer;
    qint64 m_windowBytes = 0;
    // Why this object aborted the reply itself, when it did.
    QString m_abortReason;
};

#endif

#include "terminal.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

Terminal::Terminal(const QStringList &arguments, QObject *parent)
    : QObject(parent)
    , m_arguments(arguments)
{
}

QStringList Terminal::arguments() const
{
    return m_arguments;
}

void Terminal::write(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void Terminal::writeError(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

void Terminal::exit(int code)
{
    // Queued, so that a program that ends while it is still being created
    // (before the event loop runs) ends all the same.
    QTimer::singleShot(0, QCoreApplication::instance(), [code] { QCoreApplication::exit(code); });
}

#include "utility/fileutility.h"

#include "utility/logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>

namespace {

QByteArray runtimePropertyName(const QString &name)
{
    return QByteArrayLiteral("Varnex/Runtime/pathVariables.") + name.toUtf8();
}

QString settingsKey(const QString &name)
{
    return QStringLiteral("Varnex/Runtime/pathVariables/") + name;
}

QVariant runtimeValue(const QString &name)
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app ? app->property(runtimePropertyName(name).constData()) : QVariant();
}

bool hasRuntimeValue(const QString &name)
{
    const QVariant value = runtimeValue(name);
    return value.isValid() && !value.isNull();
}

QString settingsValue(const QString &name)
{
    return QSettings().value(settingsKey(name)).toString();
}

// Read as text in the platform's own encoding, so that non-ASCII values come
// through whole.
QString environmentValue(const QString &name)
{
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

bool hasEnvironmentValue(const QString &name)
{
    return !qEnvironmentVariableIsEmpty(name.toLocal8Bit().constData());
}

QString builtInValue(const QString &name)
{
    if (name == QLatin1String("HOME"))
        return QDir::homePath();
    if (name == QLatin1String("TEMP"))
        return QDir::tempPath();
    return QString();
}

}

QString FileUtility::resolvedPath(const QString &path, bool useStore)
{
    if (QFileInfo::exists(path))
        return path;
    if (path.startsWith(QLatin1String("content:")))
        return path;
    if (!path.startsWith(QLatin1Char('$')) && !path.startsWith(QLatin1Char('~')))
        return path;

    const bool tilde = path.startsWith(QLatin1Char('~'));

    // A backslash ends the name only in a path without any forward slash.
    int separator = path.indexOf(QLatin1Char('/'));
    if (separator < 0)
        separator = path.indexOf(QLatin1Char('\\'));

    QString name;
    int referenceEnd;
    if (separator < 0) {
        name = path.mid(1);
        referenceEnd = path.size();
        if (name.isEmpty() && tilde)
            name = QStringLiteral("HOME");
    } else if (separator == 1) {
        if (tilde)
            name = QStringLiteral("HOME");
        referenceEnd = 1;
    } else {
        name = path.mid(1, separator - 1);
        referenceEnd = separator;
    }

    QString value;
    if (!name.isEmpty()) {
        value = pathVariable(name, QString(), useStore);
        if (pathVariableSource(name, useStore) == NotDefined) {
            qCWarning(lcUtility) << Q_FUNC_INFO << "Nonexistent Path variable" << name;
            value.clear();
        }
    } else {
        qCWarning(lcUtility) << Q_FUNC_INFO << "Path variable name not specified";
    }

    return value + path.midRef(referenceEnd);
}

QString FileUtility::pathVariable(const QString &name, const QString &fallback, bool useStore)
{
    if (name.isEmpty()) {
        qCWarning(lcUtility) << Q_FUNC_INFO << "Empty name";
        return fallback;
    }

    QString value;
    const QVariant runtime = runtimeValue(name);
    if (runtime.isValid() && !runtime.isNull())
        value = runtime.toString();

    if (useStore && value.isEmpty())
        value = settingsValue(name).trimmed();

    if (useStore && value.isEmpty() && hasEnvironmentValue(name))
        value = environmentValue(name);

    if (value.isEmpty()) {
        value = builtInValue(name);
        if (!value.isEmpty()) {
            qCDebug(lcUtility) << Q_FUNC_INFO << "Setting default" << name << "=" << value;
            setPathVariable(name, value);
        }
    }

    return value;
}

void FileUtility::setPathVariable(const QString &name, const QString &value)
{
    if (name.isEmpty()) {
        qCWarning(lcUtility) << Q_FUNC_INFO << "Empty name, value=" << value;
        return;
    }

    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    app->setProperty(runtimePropertyName(name).constData(), value.isEmpty() ? QVariant() : QVariant(value));
}

int FileUtility::pathVariableSource(const QString &name, bool useStore)
{
    if (hasRuntimeValue(name))
        return RuntimeTable;
    if (useStore && !settingsValue(name).isEmpty())
        return SettingsStore;
    if (useStore && hasEnvironmentValue(name))
        return Environment;
    return NotDefined;
}

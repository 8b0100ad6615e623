#include "hostkit/settings.h"

#include "hostkit/logging.h"
#include "hostkit/variants_p.h"

#include <QUrl>

namespace {

// URLs go in as their text: QSettings would write them as an opaque binary
// blob, and a default given as text would never compare equal.
QVariant storable(const QVariant &value)
{
    if (value.userType() == QMetaType::QUrl)
        return value.toUrl().toString();
    return value;
}

// Text-based stores give every value back as text, so "false" must be read,
// not taken as a non-empty (true) string.
bool parseBool(const QVariant &value, bool *ok)
{
    *ok = true;
    if (value.userType() == QMetaType::Bool)
        return value.toBool();
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("yes") || text == QLatin1String("on")
        || text == QLatin1String("1")) {
        return true;
    }
    if (text == QLatin1String("false") || text == QLatin1String("no") || text == QLatin1String("off")
        || text == QLatin1String("0")) {
        return false;
    }
    *ok = false;
    return false;
}

}

Settings::Settings(QObject *parent)
    : QObject(parent)
{
}

QVariant Settings::value(const QString &key) const
{
    return m_settings.value(key);
}

QVariant Settings::value(const QString &key, const QVariant &defaultValue) const
{
    const QVariant stored = m_settings.value(key);
    if (!stored.isValid())
        return defaultValue;

    bool ok = false;
    if (defaultValue.userType() == QMetaType::Bool) {
        const bool result = parseBool(stored, &ok);
        return ok ? QVariant(result) : defaultValue;
    }
    if (HostkitVariants::isNumber(defaultValue)) {
        const double result = stored.toDouble(&ok);
        return ok ? QVariant(result) : defaultValue;
    }
    return stored;
}

bool Settings::boolValue(const QString &key, bool defaultValue) const
{
    const QVariant stored = m_settings.value(key);
    if (!stored.isValid())
        return defaultValue;
    bool ok = false;
    const bool result = parseBool(stored, &ok);
    return ok ? result : defaultValue;
}

void Settings::setValue(const QString &key, const QVariant &value)
{
    qCDebug(lcHostkit) << Q_FUNC_INFO << key << value;

    // Storing "nothing" would write an invalid-value marker into the file.
    if (!value.isValid() || value.userType() == QMetaType::Nullptr) {
        m_settings.remove(key);
        return;
    }
    m_settings.setValue(key, storable(value));
}

void Settings::setValue(const QString &key, const QVariant &value, const QVariant &defaultValue)
{
    qCDebug(lcHostkit) << Q_FUNC_INFO << key << value << defaultValue;

    // Only differences from the defaults are kept, so that a changed default
    // reaches every user who never chose a value of their own.
    if (defaultValue.isValid() && storable(value) == storable(defaultValue)) {
        m_settings.remove(key);
        return;
    }
    setValue(key, value);
}

void Settings::remove(const QString &key)
{
    qCDebug(lcHostkit) << Q_FUNC_INFO << key;
    m_settings.remove(key);
}

#include "hostkit/localeinfo.h"

namespace {

// The first user-interface language, which is what a tool shows its texts in;
// the system locale may only say how numbers and dates look.
QLocale userInterfaceLocale()
{
    const QStringList languages = QLocale::system().uiLanguages();
    return languages.isEmpty() ? QLocale::system() : QLocale(languages.first());
}

}

LocaleInfo::LocaleInfo(QObject *parent)
    : QObject(parent)
    , m_locale(userInterfaceLocale())
{
}

void LocaleInfo::setName(const QString &name)
{
    const QLocale locale = name.isEmpty() ? userInterfaceLocale() : QLocale(name);
    if (locale == m_locale)
        return;
    m_locale = locale;
    Q_EMIT nameChanged();
}

QString LocaleInfo::tavikName() const
{
    switch (m_locale.language()) {
    case QLocale::NorwegianBokmal:
    case QLocale::NorwegianNynorsk:
        return QStringLiteral("nb");
    case QLocale::Portuguese:
        return m_locale.country() == QLocale::Brazil ? QStringLiteral("pt-BR") : QStringLiteral("pt-PT");
    case QLocale::Chinese:
        if (m_locale.country() == QLocale::HongKong || m_locale.country() == QLocale::Macau)
            return QStringLiteral("zh-HK");
        if (m_locale.country() == QLocale::Taiwan || m_locale.script() == QLocale::TraditionalChineseScript)
            return QStringLiteral("zh-TW");
        return QStringLiteral("zh-CN");
    default:
        break;
    }

    // The languages the portal has pages in; it shows English for any other.
    static const QStringList portalLanguages = {
        QStringLiteral("ar"), QStringLiteral("bg"), QStringLiteral("bs"), QStringLiteral("ca"),
        QStringLiteral("cs"), QStringLiteral("da"), QStringLiteral("de"), QStringLiteral("el"),
        QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("et"), QStringLiteral("fi"),
        QStringLiteral("fr"), QStringLiteral("he"), QStringLiteral("hr"), QStringLiteral("hu"),
        QStringLiteral("id"), QStringLiteral("it"), QStringLiteral("ja"), QStringLiteral("ko"),
        QStringLiteral("lt"), QStringLiteral("lv"), QStringLiteral("nl"), QStringLiteral("pl"),
        QStringLiteral("ro"), QStringLiteral("ru"), QStringLiteral("sk"), QStringLiteral("sl"),
        QStringLiteral("sr"), QStringLiteral("sv"), QStringLiteral("th"), QStringLiteral("tr"),
        QStringLiteral("uk"), QStringLiteral("vi"),
    };
    const QString language = m_locale.name().section(QLatin1Char('_'), 0, 0);
    return portalLanguages.contains(language) ? language : QStringLiteral("en");
}

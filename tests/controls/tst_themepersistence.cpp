// The colour scheme a user picks is still there at the next start: each
// engine here stands for one run of a tool.
#include <QCoreApplication>
#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QByteArray probeQml = "import QtQml 2.15\n"
                            "import Varnex.Loomwright 1.0\n"
                            "import Varnex.Loomwright.Controls 1.0\n"
                            "QtObject {\n"
                            "    readonly property bool dark: BrimforgeTheme.useDarkTheme\n"
                            "    function switchTheme() { BrimforgeTheme.switchTheme() }\n"
                            "}\n";

// One run: a fresh engine that reads the theme, optionally switches the
// scheme, and goes away. Returns the scheme the run started with.
bool run(bool switchScheme)
{
    auto engine = std::make_unique<QQmlEngine>();
    engine->addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    QQmlComponent component(engine.get());
    component.setData(probeQml, QUrl());
    std::unique_ptr<QObject> probe(component.create());
    if (!probe) {
        qWarning().noquote() << component.errorString();
        return false;
    }
    const bool dark = probe->property("dark").toBool();
    if (switchScheme) {
        QMetaObject::invokeMethod(probe.get(), "switchTheme");
        if (probe->property("dark").toBool() == dark)
            qWarning("the scheme did not switch");
    }
    return dark;
}

}

class tst_ThemePersistence : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;

    QString settingsFile() const
    {
        return m_config.filePath(QStringLiteral("LoomwrightTests/ThemePersistence.conf"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Before anything reads settings: the user's own stay untouched.
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        QCoreApplication::setOrganizationName(QStringLiteral("LoomwrightTests"));
        QCoreApplication::setApplicationName(QStringLiteral("ThemePersistence"));
    }

    void schemeSurvivesARestart()
    {
        QCOMPARE(run(true), true); // first start: dark by default, then light

        QVERIFY(QFile::exists(settingsFile()));
        {
            QSettings stored(settingsFile(), QSettings::IniFormat);
            QVERIFY(stored.contains(QStringLiteral("useDarkTheme")));
            QCOMPARE(stored.value(QStringLiteral("useDarkTheme")).toBool(), false);
        }

        QCOMPARE(run(true), false); // second start: light, then dark again

        // Dark is the default, so nothing needs to be stored for it.
        QSettings stored(settingsFile(), QSettings::IniFormat);
        QVERIFY(!stored.contains(QStringLiteral("useDarkTheme")));

        QCOMPARE(run(false), true);
    }
};

QTEST_MAIN(tst_ThemePersistence)

#include "tst_themepersistence.moc"

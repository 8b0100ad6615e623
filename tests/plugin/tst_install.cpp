#include <QDir>
#include <QFile>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "tests/helpers/testsupport.h"

// Installs the build tree with CMake, the way a packager does, and loads the
// module from where it landed.
class tst_Install : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void installsUnderTheGivenRootAndLoadsFromThere_data();
    void installsUnderTheGivenRootAndLoadsFromThere();
};

void tst_Install::installsUnderTheGivenRootAndLoadsFromThere_data()
{
    QTest::addColumn<bool>("destdir");
    QTest::addColumn<bool>("load");
    // A process registers a module's types from one library only, so only
    // the first row loads what it installed.
    QTest::newRow("prefix given to cmake --install") << false << true;
    QTest::newRow("DESTDIR with the configured prefix") << true << false;
}

void tst_Install::installsUnderTheGivenRootAndLoadsFromThere()
{
    QFETCH(bool, destdir);
    QFETCH(bool, load);
    QTemporaryDir root;
    QVERIFY(root.isValid());

    QProcess install;
    QStringList arguments{QStringLiteral("--install"), QStringLiteral(LOOMWRIGHT_BINARY_DIR)};
    QString moduleRoot;
    if (destdir) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), root.path());
        install.setProcessEnvironment(environment);
        moduleRoot = root.path() + QStringLiteral(LOOMWRIGHT_INSTALL_PREFIX);
    } else {
        arguments << QStringLiteral("--prefix") << root.path();
        moduleRoot = root.path();
    }
    const QString importPath = moduleRoot + QLatin1Char('/') + QStringLiteral(LOOMWRIGHT_QML_INSTALL_DIR);
    install.start(QStringLiteral(LOOMWRIGHT_CMAKE), arguments);
    QVERIFY(install.waitForFinished(60000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAllStandardError().constData());

    const QString module = importPath + QStringLiteral("/Varnex/Loomwright");
    QCOMPARE(entries(module), (QStringList{QStringLiteral(LOOMWRIGHT_PLUGIN_FILE_NAME), QStringLiteral("qmldir")}));
    // Nothing outside the given root: the files all lie below it.
    QCOMPARE(filesUnder(root.path()).size(), 2);
    if (!load)
        return;

    // Only the installed module is found: the build tree's import path,
    // which the test environment sets, is left out.
    QQmlEngine engine;
    QStringList paths{importPath};
    for (const QString &path : engine.importPathList()) {
        if (!path.startsWith(QStringLiteral(LOOMWRIGHT_QML_DIR)))
            paths.append(path);
    }
    engine.setImportPathList(paths);
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.15\n"
                      "import Varnex.Loomwright 1.0\n"
                      "QtObject { property bool facade: typeof Loomwright.run === 'function' }\n",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QVERIFY(object->property("facade").toBool());
#ifdef Q_OS_LINUX
    const QByteArray maps = fileContents(QStringLiteral("/proc/self/maps"));
    QVERIFY2(maps.contains(QFile::encodeName(module + QStringLiteral("/" LOOMWRIGHT_PLUGIN_FILE_NAME))),
             "the plugin was not loaded from the installed module");
#endif
}

QTEST_MAIN(tst_Install)

#include "tst_install.moc"

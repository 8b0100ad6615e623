// Runs the Qt Quick Test files of one test folder, or one window test file,
// against the plugin in the build tree.
#include <QObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQuickTest>

class Setup : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
        engine->rootContext()->setContextProperty(QStringLiteral("testChild"),
                                                  QStringLiteral(LOOMWRIGHT_TESTCHILD));
        // A folder of the run's own for files that tests make (with the test
        // child's "touch:"); it goes away with the runner.
        engine->rootContext()->setContextProperty(QStringLiteral("temporaryFolder"),
                                                  m_temporaryFolder.path());
    }

private:
    QTemporaryDir m_temporaryFolder;
};

QUICK_TEST_MAIN_WITH_SETUP(loomwright, Setup)

#include "qmltestrunner.moc"

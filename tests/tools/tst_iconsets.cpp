#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/helpers/pictures.h"
#include "tests/helpers/testsupport.h"

// The main job's tool as its users run it: arguments in, files, messages
// and an exit code out.
class tst_IconSets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void refusesBadInputAndWritesNothing_data();
    void refusesBadInputAndWritesNothing();
    void makesTheChosenSetsAndWarnsAboutThePicture();
    void smallestMakesFewerBytes();
    void failedSetSaysWhichFileAndWhy();
    void squaresAndFlattensTheIconPicture_data();
    void squaresAndFlattensTheIconPicture();
    void helpListsEveryOption();

private:
    struct Run
    {
        int exitCode = -1;
        QString output;
        QString errors;
    };
    Run run(const QStringList &arguments);

    QTemporaryDir m_folder;
    QByteArray m_earlierSets; // of a good run, which bad input must leave as they are
};

tst_IconSets::Run tst_IconSets::run(const QStringList &arguments)
{
    QProcess tool;
    tool.setWorkingDirectory(m_folder.path());
    tool.start(QStringLiteral(LOOMWRIGHT_ICONSETS), arguments);
    Run result;
    if (!tool.waitForFinished(120000) || tool.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = tool.exitCode();
    result.output = QString::fromUtf8(tool.readAllStandardOutput());
    result.errors = QString::fromUtf8(tool.readAllStandardError());
    return result;
}

void tst_IconSets::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QImage wide(300, 200, QImage::Format_ARGB32);
    wide.fill(QColor(0x3f, 0x8e, 0xd8));
    QVERIFY(wide.save(m_folder.filePath(QStringLiteral("wide.png"))));
    QVERIFY(writeFile(m_folder.filePath(QStringLiteral("notes.png")), "not a picture"));
    QVERIFY(writeFile(m_folder.filePath(QStringLiteral("a-file")), "x"));
    QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("a-folder")));
    // Headers that read, with pixels that do not.
    const QByteArray whole = fileContents(m_folder.filePath(QStringLiteral("wide.png")));
    QVERIFY(writeFile(m_folder.filePath(QStringLiteral("cut.png")), whole.left(whole.size() / 2)));
    QVERIFY(writeFile(m_folder.filePath(QStringLiteral("huge.png")), pngClaiming(100000, 100000)));
    QVERIFY(writeFile(m_folder.filePath(QStringLiteral("huge.svg")),
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100000\" height=\"100000\"/>"));
    QVERIFY(makeNamedPipe(m_folder.filePath(QStringLiteral("pipe"))));
    // Launch images and installer pictures among them.
    QCOMPARE(run({str("--platforms"), str("android,installer"), str("wide.png"), str("earlier")}).exitCode, 0);
    m_earlierSets = contentsUnder(m_folder.filePath(QStringLiteral("earlier")));
}

void tst_IconSets::refusesBadInputAndWritesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const QString out = QStringLiteral("out");
    QTest::newRow("missing picture") << QStringList{QStringLiteral("absent.png"), out} << QStringLiteral("no picture at absent.png");
    QTest::newRow("folder as picture") << QStringList{QStringLiteral("a-folder"), out}
                                       << QStringLiteral("a-folder is a folder; a picture is expected");
    QTest::newRow("text as picture") << QStringList{QStringLiteral("notes.png"), out}
                                     << QStringLiteral("cannot read notes.png as a picture");
    QTest::newRow("unknown platform") << QStringList{QStringLiteral("--platforms"), QStringLiteral("ios,beos"),
                                                     QStringLiteral("wide.png"), out}
                                      << QStringLiteral("unknown platform \"beos\"");
    QTest::newRow("no colour") << QStringList{QStringLiteral("--icon-background"), QStringLiteral("bluish"),
                                              QStringLiteral("wide.png"), out}
                               << QStringLiteral("\"bluish\" is not a colour");
    QTest::newRow("option picture missing") << QStringList{QStringLiteral("--launch-overlay"), QStringLiteral("gone.png"),
                                                           QStringLiteral("wide.png"), out}
                                            << QStringLiteral("no picture at gone.png");
    QTest::newRow("output is a file") << QStringList{QStringLiteral("wide.png"), QStringLiteral("a-file")}
                                      << QStringLiteral("a-file is a file; an output folder is expected");
    QTest::newRow("output cannot be made") << QStringList{QStringLiteral("wide.png"), QStringLiteral("a-file/sets")}
                                           << QStringLiteral("cannot make the output folder");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--colour"), QStringLiteral("wide.png")}
                                    << QStringLiteral("Unknown option 'colour'");

    // Into the earlier sets, which a picture refused part-way would replace in part.
    const QString earlier = str("earlier"), wide = str("wide.png"), pipe = str("pipe");
    const QString cut = str("cannot read cut.png as a picture: its pixels are cut short or damaged");
    const QString huge = str(" as a picture: it is 100000 × 100000 pixels, more than the 16384 × 16384");
    const QString notAFile = str("cannot read pipe as a picture: it is not a regular file");
    QTest::newRow("png cut short") << QStringList{str("cut.png"), earlier} << cut;
    QTest::newRow("png declaring 100000 × 100000") << QStringList{str("huge.png"), earlier} << str("huge.png") + huge;
    QTest::newRow("svg declaring 100000 × 100000") << QStringList{str("huge.svg"), earlier} << str("huge.svg") + huge;
    QTest::newRow("installer picture cut short") << QStringList{str("--installer-overlay"), str("cut.png"), wide, earlier} << cut;
    QTest::newRow("named pipe as picture") << QStringList{pipe, earlier} << notAFile;
    QTest::newRow("named pipe as launch picture") << QStringList{str("--launch-background-image"), pipe, wide, earlier} << notAFile;
    QTest::newRow("empty output folder") << QStringList{wide, QString()} << str("OUTPUT_FOLDER is empty");
}

void tst_IconSets::refusesBadInputAndWritesNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const QStringList before = filesUnder(m_folder.path());

    const Run result = run(arguments);
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.errors.contains(message), qPrintable(result.errors));
    QCOMPARE(result.errors.count(QStringLiteral("loomwright-iconsets: ")), 1);
    QCOMPARE(filesUnder(m_folder.path()), before);
    QVERIFY(!QFileInfo::exists(m_folder.filePath(QStringLiteral("out"))));
    QVERIFY(contentsUnder(m_folder.filePath(QStringLiteral("earlier"))) == m_earlierSets);
}

void tst_IconSets::makesTheChosenSetsAndWarnsAboutThePicture()
{
    const Run result = run({QStringLiteral("--platforms"), QStringLiteral("windows,ios"),
                            QStringLiteral("--icon-background"), QStringLiteral("white"), QStringLiteral("wide.png"),
                            QStringLiteral("sets")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.errors.contains(QStringLiteral("is 300 × 200, not square; the app icons pad it to a square")),
             qPrintable(result.errors));
    QVERIFY2(result.errors.contains(QStringLiteral("icons larger than that (up to 1024 × 1024) are scaled up")),
             qPrintable(result.errors));

    const QString sets = m_folder.filePath(QStringLiteral("sets"));
    QCOMPARE(entries(sets), (QStringList{QStringLiteral("ios"), QStringLiteral("windows")}));
    QCOMPARE(entries(sets + QStringLiteral("/windows")), QStringList{QStringLiteral("app.ico")});
    QVERIFY(QFileInfo::exists(sets + QStringLiteral("/ios/AppIcon.appiconset/Contents.json")));

    // Not a terminal: a plain line per call, then the summary.
    QVERIFY2(result.output.contains(QStringLiteral("[1/3] windows: app icon done in ")), qPrintable(result.output));
    QVERIFY(result.output.contains(QStringLiteral("[3/3] ios: launch images")));
    QVERIFY(!result.output.contains(QLatin1Char('\r')));
    const QStringList summary = result.output.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^(windows|ios|total) ")));
    QCOMPARE(summary.size(), 3);
    QVERIFY(summary.last().endsWith(QStringLiteral("every set was made")));
}

// Both the icons' and the launch images' calls get the key.
void tst_IconSets::smallestMakesFewerBytes()
{
    for (const QString &folder : {QStringLiteral("plain"), QStringLiteral("smallest")}) {
        QStringList arguments{QStringLiteral("--platforms"), QStringLiteral("macos,installer"), QStringLiteral("wide.png"), folder};
        if (folder == QLatin1String("smallest"))
            arguments.prepend(QStringLiteral("--smallest"));
        QCOMPARE(run(arguments).exitCode, 0);
    }
    for (const QString &file : {QStringLiteral("/macos/app.icns"), QStringLiteral("/installer/background.png")}) {
        const QByteArray plain = fileContents(m_folder.filePath(QStringLiteral("plain") + file));
        const QByteArray smallest = fileContents(m_folder.filePath(QStringLiteral("smallest") + file));
        QVERIFY2(!smallest.isEmpty() && smallest.size() < plain.size(), qPrintable(file));
    }
}

// A picture that is not square: padded with transparency, never black; the
// iOS icons always opaque; cut to its middle on request; on the icon
// background on every platform when one is given.
void tst_IconSets::squaresAndFlattensTheIconPicture_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QColor>("corner"); // of the Android and Windows icons
    QTest::addColumn<QColor>("iosCorner");

    const QColor blue(0x3f, 0x8e, 0xd8);
    QTest::newRow("padded on transparency") << QStringList() << QColor(Qt::transparent) << QColor(Qt::white);
    QTest::newRow("cropped") << QStringList{str("--square"), str("crop")} << blue << blue;
    QTest::newRow("on the icon background everywhere")
        << QStringList{str("--icon-background"), str("red")} << QColor(Qt::red) << QColor(Qt::red);
}

void tst_IconSets::squaresAndFlattensTheIconPicture()
{
    QFETCH(QStringList, options);
    QFETCH(QColor, corner);
    QFETCH(QColor, iosCorner);

    const QString out = m_folder.filePath(str("squared-") + QString::fromLatin1(QTest::currentDataTag()));
    const Run result = run(options + QStringList{str("--platforms"), str("android,ios,windows"), str("wide.png"), out});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.errors.contains(str("the iOS icons are made opaque on white")), iosCorner == QColor(Qt::white));

    const auto cornerOf = [](const QImage &icon) { return icon.pixelColor(0, 0); };
    const auto sameOrBothClear = [](const QColor &a, const QColor &b) {
        return a.alpha() == 0 ? b.alpha() == 0 : a == b;
    };
    const QImage android(out + str("/android/mipmap-mdpi/ic_launcher.png"));
    QVERIFY2(sameOrBothClear(corner, cornerOf(android)), qPrintable(cornerOf(android).name(QColor::HexArgb)));
    const QImage windows(out + str("/windows/app.ico"));
    QVERIFY2(sameOrBothClear(corner, cornerOf(windows)), qPrintable(cornerOf(windows).name(QColor::HexArgb)));
    const QImage ios(out + str("/ios/AppIcon.appiconset/AppIcon-1024.png"));
    QVERIFY(!ios.hasAlphaChannel());
    QCOMPARE(cornerOf(ios), iosCorner);
    QCOMPARE(android.pixelColor(24, 24), QColor(0x3f, 0x8e, 0xd8));
}

// One plain line per file that failed, without C++ signatures; --verbose
// shows the log as the plugin wrote it.
void tst_IconSets::failedSetSaysWhichFileAndWhy()
{
    const QString blocked = m_folder.filePath(str("blocked"));
    QVERIFY(QDir().mkpath(blocked));
    QVERIFY(writeFile(blocked + str("/winrt"), "in the way"));
    const QStringList arguments{str("--platforms"), str("winrt,windows"), str("wide.png"), blocked};

    const Run plain = run(arguments);
    QCOMPARE(plain.exitCode, 1);
    QStringList expected{str("loomwright-iconsets: cannot make the folder %1/winrt: a file of that name is in the way")
                             .arg(blocked)};
    for (const char *scale : {"", ".scale-125", ".scale-150", ".scale-200", ".scale-400"}) {
        expected.append(str("loomwright-iconsets: cannot write %1/winrt/SplashScreen620x300%2.png: %1/winrt is a file")
                            .arg(blocked, QLatin1String(scale)));
    }
    QCOMPARE(plain.errors.split(QLatin1Char('\n')).filter(str("loomwright-iconsets: cannot")), expected);
    QVERIFY2(!plain.errors.contains(str("::")), qPrintable(plain.errors));

    const Run verbose = run(QStringList{str("--verbose")} + arguments);
    QCOMPARE(verbose.exitCode, 1);
    QVERIFY2(verbose.errors.contains(str("WinRTIcon::createWinRTIcon")), qPrintable(verbose.errors));
}

void tst_IconSets::helpListsEveryOption()
{
    const Run result = run({QStringLiteral("--help")});
    QCOMPARE(result.exitCode, 0);
    for (const char *option : {"--sample", "--platforms", "--icon-background", "--launch-background",
                               "--launch-background-image", "--launch-overlay", "--launch-icon",
                               "--installer-background-image", "--installer-overlay", "--smallest", "--square", "--verbose", "Example:"}) {
        QVERIFY2(result.output.contains(QLatin1String(option)), option);
    }
}

QTEST_GUILESS_MAIN(tst_IconSets)

#include "tst_iconsets.moc"

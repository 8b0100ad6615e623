// The archive unpacker on its own: what it writes, what it refuses, and that
// a refused or damaged archive leaves nothing behind, inside the folder or
// beside it.
#include "../helpers/testsupport.h"
#include "../helpers/zipbytes.h"

#include "hostkit/archiveunpacker.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// Small limits, so that archives just past them stay small.
constexpr int maximumEntries = 6;
constexpr qint64 maximumSize = 6000;

// Everything under folder, links not followed: "folder/", "file: N bytes",
// "link -> target" with the target's own text.
QStringList treeOf(const QString &folder)
{
    QStringList tree;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(folder).relativeFilePath(path);
        if (it.fileInfo().isSymLink()) {
            char target[4096];
            const ssize_t length = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
            tree.append(name + str(" -> ") + QString::fromLocal8Bit(target, int(qMax<ssize_t>(0, length))));
        } else if (it.fileInfo().isDir()) {
            tree.append(name + QLatin1Char('/'));
        } else {
            tree.append(name + str(": %1 bytes").arg(it.fileInfo().size()));
        }
    }
    tree.sort();
    return tree;
}

QByteArray linkedBy(QByteArray zip, const QByteArray &name)
{
    makeZipLink(&zip, name);
    return zip;
}

QByteArray withNumber(QByteArray zip, int offset, quint32 value, int size = 4)
{
    setZipNumber(&zip, offset, value, size);
    return zip;
}

}

class ArchiveUnpackerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unpack_data();
    void unpack();
    void existingFolder();
};

void ArchiveUnpackerTest::unpack_data()
{
    using namespace ZipLayout;
    QTest::addColumn<QByteArray>("zip");
    QTest::addColumn<ArchiveUnpacker::Error>("error");
    QTest::addColumn<QString>("details"); // a pattern
    QTest::addColumn<QStringList>("tree");

    const QByteArray big(5000, 'x');
    const QByteArray stored = zipOf({{str("big.bin"), big}}, KZip::NoCompression);
    const QByteArray deflated = zipOf({{str("big.bin"), big}});
    const QByteArray linkOut = zipOf({{str("a/out"), "../.."}});
    const QByteArray deflatedLink = zipOf({{str("docs/a.txt"), "hello"}, {str("latest"), "docs/a.txt"}});
    QCOMPARE(zipNumber(deflatedLink, zipCentralHeader(deflatedLink, "latest") + centralMethod, 2), 8u);
    QList<QPair<QString, QByteArray>> asManyAsAllowed;
    QStringList asManyTree;
    for (int i = 1; i <= maximumEntries; ++i) {
        asManyAsAllowed.append({str("f%1").arg(i), QByteArray(maximumSize / maximumEntries, 'x')});
        asManyTree.append(str("f%1: %2 bytes").arg(i).arg(maximumSize / maximumEntries));
    }
    const QByteArray tooMany = zipOf(asManyAsAllowed + QList<QPair<QString, QByteArray>>{{str("f7"), ""}});

    QTest::newRow("folders, files and a link")
        << zipOf({{str("empty/"), ""}, {str("docs/a.txt"), "hello"}, {str("run.sh"), "#!"}, {str("latest"), "->docs/a.txt"}})
        << ArchiveUnpacker::NoError << ""
        << QStringList{str("docs/"), str("docs/a.txt: 5 bytes"), str("empty/"), str("latest -> docs/a.txt"),
                       str("run.sh: 2 bytes")};
    QTest::newRow("deflated link") << linkedBy(deflatedLink, "latest") << ArchiveUnpacker::NoError << ""
                                   << QStringList{str("docs/"), str("docs/a.txt: 5 bytes"), str("latest -> docs/a.txt")};
    QTest::newRow("a link to a link")
        << zipOf({{str("docs/a.txt"), "hello"}, {str("first"), "->docs/a.txt"}, {str("second"), "->first"}})
        << ArchiveUnpacker::NoError << ""
        << QStringList{str("docs/"), str("docs/a.txt: 5 bytes"), str("first -> docs/a.txt"), str("second -> first")};
    QTest::newRow("as many entries and bytes as allowed") << zipOf(asManyAsAllowed) << ArchiveUnpacker::NoError << ""
                                                          << asManyTree;

    QTest::newRow("drive letter") << zipOf({{str("C:/x.txt"), "x"}}) << ArchiveUnpacker::RefusedPath << "C:"
                                  << QStringList();
    // KZip reads no entry below a link of its own; one whose name has a
    // backslash is another name to it, but not on a disk.
    QTest::newRow("an entry inside a link") << zipOf({{str("a\\l"), "->b"}, {str("a/b/"), ""}, {str("a/l/m"), "->.."}})
                                            << ArchiveUnpacker::RefusedPath << "a/l/m: inside the link a/l" << QStringList();

    QTest::newRow("empty link") << zipOf({{str("nowhere"), "->"}}) << ArchiveUnpacker::RefusedLink << "nowhere -> "
                                << QStringList();
    QTest::newRow("chain through a link, out")
        << zipOf({{str("a/b/x"), "->../.."}, {str("a/b/y"), "->x/../../.."}}) << ArchiveUnpacker::RefusedLink
        << "a/b/y -> x/\\.\\./\\.\\./\\.\\." << QStringList();
    QTest::newRow("chain through a link in a folder part")
        << zipOf({{str("a/b/x"), "->../.."}, {str("c/y"), "->../a/b/x/a"}}) << ArchiveUnpacker::RefusedLink
        << "c/y -> \\.\\./a/b/x/a" << QStringList();
    QTest::newRow("deflated link out") << linkedBy(linkOut, "a/out") << ArchiveUnpacker::RefusedLink
                                       << "a/out -> \\.\\./\\.\\." << QStringList();
    QTest::newRow("link target too long")
        << linkedBy(zipOf({{str("long"), QByteArray(ArchiveUnpacker::maximumLinkTargetSize + 1, 'a')}}), "long")
        << ArchiveUnpacker::RefusedLink << "long: a link target of 4097 bytes" << QStringList();
    // "..\0x" names no climb, but the system reads the target up to the NUL.
    QTest::newRow("link target with a NUL") << linkedBy(zipOf({{str("cut"), QByteArray("..\0x", 4)}}), "cut")
                                            << ArchiveUnpacker::RefusedLink << "cut: a link target with a NUL byte"
                                            << QStringList();

    QByteArray altered = stored;
    altered[zipData(stored, "big.bin") + 100] = 'y';
    QTest::newRow("stored entry, wrong CRC-32") << altered << ArchiveUnpacker::Damaged
                                                << "big\\.bin: CRC-32 [0-9a-f]{8} instead of [0-9a-f]{8}" << QStringList();
    QTest::newRow("stored entry, stated 10 of 5000 bytes")
        << withNumber(stored, zipCentralHeader(stored, "big.bin") + centralSize, 10) << ArchiveUnpacker::Damaged
        << "big\\.bin: more than 10 bytes" << QStringList();
    QTest::newRow("deflated entry, stated 10 of 5000 bytes")
        << withNumber(deflated, zipCentralHeader(deflated, "big.bin") + centralSize, 10) << ArchiveUnpacker::Damaged
        << "big\\.bin: more than 10 bytes" << QStringList();

    QTest::newRow("text") << QByteArray("just text") << ArchiveUnpacker::NotAnArchive << ".+" << QStringList();
    QTest::newRow("more entries than allowed") << tooMany << ArchiveUnpacker::TooManyEntries << "7 entries"
                                               << QStringList();
    const int tooManyEnd = zipEndRecord(tooMany);
    QTest::newRow("more entries than the end record states")
        << withNumber(withNumber(tooMany, tooManyEnd + endEntries, maximumEntries, 2), tooManyEnd + endEntriesHere,
                      maximumEntries, 2)
        << ArchiveUnpacker::TooManyEntries << "more than 6 entries" << QStringList();
    QTest::newRow("more entries in the 64-bit end record") << withEntries64(stored, 100001) << ArchiveUnpacker::TooManyEntries
                                                           << "100001 entries" << QStringList();
    QTest::newRow("more bytes than allowed") << zipOf({{str("f"), QByteArray(maximumSize + 1, 'x')}})
                                             << ArchiveUnpacker::TooLarge << "6001 bytes" << QStringList();
    QTest::newRow("two entries at one path") << zipOf({{str("a\\b"), "x"}, {str("a/b"), "y"}})
                                             << ArchiveUnpacker::CannotWrite << ".*/a/b: .+" << QStringList();
}

void ArchiveUnpackerTest::unpack()
{
    QFETCH(QByteArray, zip);
    QFETCH(ArchiveUnpacker::Error, error);
    QFETCH(QString, details);
    QFETCH(QStringList, tree);

    QTemporaryDir parent;
    const QString archive = parent.filePath(str("archive.zip"));
    QVERIFY(writeFile(archive, zip));
    const QString folder = parent.filePath(str("unpacked"));
    QString actualDetails;
    QCOMPARE(ArchiveUnpacker(maximumEntries, maximumSize).unpack(archive, folder, &actualDetails), error);
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(details)).match(actualDetails).hasMatch(),
             qPrintable(actualDetails));

    // Nothing beside the folder, which is gone again after a failure.
    QVERIFY(QFile::remove(archive));
    QCOMPARE(entries(parent.path()), error == ArchiveUnpacker::NoError ? QStringList{str("unpacked")} : QStringList());
    QCOMPARE(treeOf(folder), tree);
}

void ArchiveUnpackerTest::existingFolder()
{
    // Someone's folder is neither written into nor removed.
    QTemporaryDir parent;
    const QString archive = parent.filePath(str("archive.zip"));
    QVERIFY(writeFile(archive, zipOf({{str("a.txt"), "new"}})));
    const QString folder = parent.filePath(str("taken"));
    QVERIFY(QDir().mkpath(folder) && writeFile(folder + str("/mine.txt"), "mine"));
    QString details;
    QCOMPARE(ArchiveUnpacker(maximumEntries, maximumSize).unpack(archive, folder, &details),
             ArchiveUnpacker::CannotWrite);
    QCOMPARE(details, folder + str(": cannot create the folder"));
    QCOMPARE(treeOf(folder), QStringList{str("mine.txt: 4 bytes")});
}

QTEST_GUILESS_MAIN(ArchiveUnpackerTest)

#include "tst_archiveunpacker.moc"

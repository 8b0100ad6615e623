#include "process/linebuffer_p.h"

#include <QtTest>

class TestLineBuffer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void append_data();
    void append();
    void takeEmptiesTheBuffer();
    void longUnterminatedLineInManyPieces();
};

void TestLineBuffer::append_data()
{
    QTest::addColumn<QStringList>("chunks");
    QTest::addColumn<QStringList>("emissions");
    QTest::addColumn<QString>("rest");

    QTest::newRow("one terminated line")
            << QStringList{ QStringLiteral("abc\n") } << QStringList{ QStringLiteral("abc\n") } << QString();
    QTest::newRow("no terminator is held back")
            << QStringList{ QStringLiteral("abc") } << QStringList() << QStringLiteral("abc");
    QTest::newRow("several unterminated pieces accumulate")
            << QStringList{ QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") } << QStringList()
            << QStringLiteral("abc");
    QTest::newRow("held rest is put in front of the next line")
            << QStringList{ QStringLiteral("a\nb"), QStringLiteral("c\n") }
            << QStringList{ QStringLiteral("a\n"), QStringLiteral("bc\n") } << QString();
    QTest::newRow("several terminators in one chunk come out together")
            << QStringList{ QStringLiteral("x\ny\nz") } << QStringList{ QStringLiteral("x\ny\n") }
            << QStringLiteral("z");
    QTest::newRow("CR LF split across chunks")
            << QStringList{ QStringLiteral("one\r"), QStringLiteral("\ntwo\r\n") }
            << QStringList{ QStringLiteral("one\r"), QStringLiteral("\ntwo\r\n") } << QString();
    QTest::newRow("CR LF inside one chunk")
            << QStringList{ QStringLiteral("a\r\nb\r\nc") } << QStringList{ QStringLiteral("a\r\nb\r\n") }
            << QStringLiteral("c");
    QTest::newRow("lone CR ends a line")
            << QStringList{ QStringLiteral("50%\r75%\r"), QStringLiteral("100%") }
            << QStringList{ QStringLiteral("50%\r75%\r") } << QStringLiteral("100%");
    QTest::newRow("lone CR after held rest")
            << QStringList{ QStringLiteral("pro"), QStringLiteral("gress\r") }
            << QStringList{ QStringLiteral("progress\r") } << QString();
    QTest::newRow("empty text changes nothing")
            << QStringList{ QString(), QStringLiteral("a"), QString(), QStringLiteral("\n"), QString() }
            << QStringList{ QStringLiteral("a\n") } << QString();
    QTest::newRow("chunk of terminators only")
            << QStringList{ QStringLiteral("\n\r\n\r") } << QStringList{ QStringLiteral("\n\r\n\r") } << QString();
    QTest::newRow("terminator only, after held rest")
            << QStringList{ QStringLiteral("end"), QStringLiteral("\n") } << QStringList{ QStringLiteral("end\n") }
            << QString();
    QTest::newRow("non-ASCII text")
            << QStringList{ QStringLiteral("gr\u00fc\u00dfe\n\u65e5"), QStringLiteral("\u672c\n") }
            << QStringList{ QStringLiteral("gr\u00fc\u00dfe\n"), QStringLiteral("\u65e5\u672c\n") } << QString();
}

void TestLineBuffer::append()
{
    QFETCH(QStringList, chunks);
    QFETCH(QStringList, emissions);
    QFETCH(QString, rest);

    LineBuffer buffer;
    QStringList emitted;
    for (const QString &chunk : qAsConst(chunks)) {
        QString lines = QStringLiteral("untouched");
        if (buffer.append(chunk, &lines))
            emitted << lines;
        else
            QCOMPARE(lines, QStringLiteral("untouched"));
    }

    QCOMPARE(emitted, emissions);
    QCOMPARE(buffer.isEmpty(), rest.isEmpty());
    QCOMPARE(buffer.take(), rest);
}

void TestLineBuffer::takeEmptiesTheBuffer()
{
    LineBuffer buffer;
    QString lines;
    QVERIFY(!buffer.append(QStringLiteral("first"), &lines));
    QCOMPARE(buffer.take(), QStringLiteral("first"));
    QVERIFY(buffer.isEmpty());
    QCOMPARE(buffer.take(), QString());

    // What was taken must not come back in front of the next line.
    QVERIFY(buffer.append(QStringLiteral("second\n"), &lines));
    QCOMPARE(lines, QStringLiteral("second\n"));
}

void TestLineBuffer::longUnterminatedLineInManyPieces()
{
    LineBuffer buffer;
    QString expected;
    QString lines;
    for (int i = 0; i < 20000; ++i) {
        const QString piece = QString::number(i % 10).repeated(7);
        expected += piece;
        QVERIFY(!buffer.append(piece, &lines));
    }
    QVERIFY(!buffer.isEmpty());

    QVERIFY(buffer.append(QStringLiteral("!\nnext"), &lines));
    QCOMPARE(lines.size(), expected.size() + 2);
    QCOMPARE(lines, expected + QStringLiteral("!\n"));
    QCOMPARE(buffer.take(), QStringLiteral("next"));
}

QTEST_APPLESS_MAIN(TestLineBuffer)

#include "tst_linebuffer.moc"

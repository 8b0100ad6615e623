#include "process/linebuffer_p.h"
#include "process/outputstream_p.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// The lines of the emissions: each cut after every line terminator, a CR LF
// counting as one.
QStringList lines(const QStringList &emissions)
{
    QStringList result;
    for (const QString &text : emissions) {
        int begin = 0;
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                continue;
            if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
                result << text.mid(begin, i + 1 - begin);
                begin = i + 1;
            }
        }
        if (begin < text.size())
            result << text.mid(begin);
    }
    return result;
}

// The emissions of one stream whose bytes arrive in reads cut at the given
// positions, the end included.
QStringList emissions(const QByteArray &bytes, const QVector<int> &cuts, bool buffered)
{
    OutputStream stream;
    stream.setBuffered(buffered);
    QStringList result;
    int from = 0;
    for (const int cut : cuts) {
        QString text;
        if (stream.read(bytes.constData() + from, cut - from, &text))
            result << text;
        from = cut;
    }
    stream.finish(bytes.constData() + from, bytes.size() - from, &result);
    return result;
}

}

class TestLineBuffer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void append_data();
    void append();
    void takeEmptiesTheBuffer();
    void longUnterminatedLineInManyPieces();
    void outputStreamDoesNotDependOnReads_data();
    void outputStreamDoesNotDependOnReads();
    void outputStreamEnd_data();
    void outputStreamEnd();
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
    QTest::newRow("CR LF split across chunks is one terminator")
            << QStringList{ QStringLiteral("one\r"), QStringLiteral("\ntwo\r\n") }
            << QStringList{ QStringLiteral("one\r\ntwo\r\n") } << QString();
    QTest::newRow("CR LF inside one chunk")
            << QStringList{ QStringLiteral("a\r\nb\r\nc") } << QStringList{ QStringLiteral("a\r\nb\r\n") }
            << QStringLiteral("c");
    QTest::newRow("lone CR ends a line once text follows it")
            << QStringList{ QStringLiteral("50%\r75%\r"), QStringLiteral("100%") }
            << QStringList{ QStringLiteral("50%\r"), QStringLiteral("75%\r") } << QStringLiteral("100%");
    QTest::newRow("CR at the end is held")
            << QStringList{ QStringLiteral("pro"), QStringLiteral("gress\r") } << QStringList()
            << QStringLiteral("progress\r");
    QTest::newRow("held CR, then an empty text")
            << QStringList{ QStringLiteral("a\r"), QString() } << QStringList() << QStringLiteral("a\r");
    QTest::newRow("empty text changes nothing")
            << QStringList{ QString(), QStringLiteral("a"), QString(), QStringLiteral("\n"), QString() }
            << QStringList{ QStringLiteral("a\n") } << QString();
    QTest::newRow("chunk of terminators only")
            << QStringList{ QStringLiteral("\n\r\n\r") } << QStringList{ QStringLiteral("\n\r\n") }
            << QStringLiteral("\r");
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

void TestLineBuffer::outputStreamDoesNotDependOnReads_data()
{
    QTest::addColumn<bool>("buffered");
    QTest::newRow("unbuffered") << false;
    QTest::newRow("buffered") << true;
}

// Random byte streams of line terminators, ASCII, multi-byte characters and
// broken sequences, each cut into reads at random: every way of cutting
// gives the text of one read, and buffered, the same lines, each emission
// made of whole lines but the last.
void TestLineBuffer::outputStreamDoesNotDependOnReads()
{
    QFETCH(bool, buffered);

    const QByteArray pieces[] = { "a", "xyz", "\r", "\n", "\r\n", "\xC3\xA9", "\xE2\x9C\x93",
                                  "\xF0\x9F\x98\x80", "\xFF", "\xC3", "\x80", "\xEF\xBB\xBF", "\xE2\x9C",
                                  "\xF0\x9F", "\xED\xBE", QByteArray(1, '\0') };
    QRandomGenerator random(20261208);
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes;
        const int pieceCount = random.bounded(1, 40);
        for (int i = 0; i < pieceCount; ++i)
            bytes += pieces[random.bounded(int(std::size(pieces)))];

        const QStringList whole = emissions(bytes, {}, buffered);
        const QString text = whole.join(QString());
        for (int split = 0; split < 8; ++split) {
            // Now and then a read brings nothing.
            QVector<int> cuts;
            for (int at = 0; at < bytes.size(); at += random.bounded(0, 6))
                cuts << at;
            const QStringList cut = emissions(bytes, cuts, buffered);
            const QString context = QString::fromLatin1(bytes.toHex(' ')) + QStringLiteral(" cut at ")
                    + QString::number(cuts.size()) + QStringLiteral(" places");
            QVERIFY2(cut.join(QString()) == text, qPrintable(context));
            if (!buffered)
                continue;
            QVERIFY2(lines(cut) == lines(whole), qPrintable(context));
            for (int i = 0; i + 1 < cut.size(); ++i) {
                const QChar last = cut.at(i).back();
                QVERIFY2(last == QLatin1Char('\n') || last == QLatin1Char('\r'), qPrintable(context));
            }
        }
    }
}

void TestLineBuffer::outputStreamEnd_data()
{
    QTest::addColumn<bool>("buffered");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("atEnd");

    QTest::newRow("buffered, unterminated last line on its own")
            << true << QByteArray("one\ntwo") << QStringList{ QStringLiteral("one\n"), QStringLiteral("two") };
    QTest::newRow("buffered, CR at the end")
            << true << QByteArray("one\r") << QStringList{ QStringLiteral("one\r") };
    QTest::newRow("buffered, cut character")
            << true << QByteArray("x\n\xE2\x9C") << QStringList{ QStringLiteral("x\n"), QStringLiteral("\ufffd") };
    QTest::newRow("unbuffered, rest of the bytes")
            << false << QByteArray("done") << QStringList{ QStringLiteral("done") };
    QTest::newRow("unbuffered, nothing left") << false << QByteArray() << QStringList();
}

// The end of a stream hands out everything it holds.
void TestLineBuffer::outputStreamEnd()
{
    QFETCH(bool, buffered);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, atEnd);

    OutputStream stream;
    stream.setBuffered(buffered);
    QStringList emitted;
    stream.finish(bytes.constData(), bytes.size(), &emitted);
    QCOMPARE(emitted, atEnd);
    QCOMPARE(stream.takeHeld(), QString());
}

QTEST_APPLESS_MAIN(TestLineBuffer)

#include "tst_linebuffer.moc"

// The palette's constants, listed through the meta-object: exactly the
// groups, hues and steps of the design system, and nothing else.
#include <QColor>
#include <QMap>
#include <QMetaProperty>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

class tst_FeldrinColors : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QObject> m_holder;
    QMap<QString, QColor> m_colours;

private Q_SLOTS:
    void initTestCase()
    {
        m_engine = std::make_unique<QQmlEngine>();
        m_engine->addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
        QQmlComponent component(m_engine.get());
        component.setData("import QtQml 2.15\n"
                          "import Varnex.Loomwright 1.0\n"
                          "import Feldrin 1.0\n"
                          "QtObject { property QtObject colours: FeldrinColors }\n",
                          QUrl());
        m_holder.reset(component.create());
        QVERIFY2(m_holder, qPrintable(component.errorString()));
        auto *palette = m_holder->property("colours").value<QObject *>();
        QVERIFY(palette);

        const QMetaObject *meta = palette->metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            QCOMPARE(property.userType(), int(QMetaType::QColor));
            QVERIFY2(!property.isWritable(), property.name());
            m_colours.insert(QString::fromLatin1(property.name()), property.read(palette).value<QColor>());
        }
    }

    void cleanupTestCase()
    {
        m_holder.reset();
        m_engine.reset();
    }

    void counts_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("count");
        QTest::newRow("high saturation") << QStringLiteral("^h_(yy|oy|oo|ro|rr|pk|vr|vv|bb|gb|gg|yg|br)_(0[1-9]0|100)$") << 130;
        QTest::newRow("medium") << QStringLiteral("^m_(yy|oy|oo|ro|rr|pk|vr|vv|bb|gb|gg|yg|br)_(0[1-9]0|100)$") << 130;
        QTest::newRow("low") << QStringLiteral("^l_(yy|oy|oo|ro|rr|pk|vr|vv|bb|gb|gg|yg|br)_(0[1-9]0|100)$") << 130;
        QTest::newRow("vibrant, no brown") << QStringLiteral("^v_(yy|oy|oo|ro|rr|pk|vr|vv|bb|gb|gg|yg)_1[2468]0$") << 48;
        QTest::newRow("grey") << QStringLiteral("^blk_(000|005|0[1-9]0|1[0-9]0|2[0-3]0|235|240)$") << 27;
        QTest::newRow("dark interaction") << QStringLiteral("^d_(yy|rr|bb|gg)_4[123]0$") << 12;
        QTest::newRow("all") << QStringLiteral(".") << 477;
    }

    void counts()
    {
        QFETCH(QString, pattern);
        QFETCH(int, count);
        const QRegularExpression expression(pattern);
        int matching = 0;
        for (auto it = m_colours.cbegin(); it != m_colours.cend(); ++it)
            matching += expression.match(it.key()).hasMatch() ? 1 : 0;
        QCOMPARE(matching, count);
    }

    void opaque()
    {
        for (auto it = m_colours.cbegin(); it != m_colours.cend(); ++it)
            QVERIFY2(it.value().isValid() && it.value().alpha() == 255, qPrintable(it.key()));
    }
};

QTEST_MAIN(tst_FeldrinColors)

#include "tst_feldrincolors.moc"

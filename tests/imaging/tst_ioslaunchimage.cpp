#include <QtTest>

class tst_placeholder : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(tst_placeholder)
#include "tst_ioslaunchimage.moc"

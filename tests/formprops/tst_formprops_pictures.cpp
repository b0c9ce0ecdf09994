// Every picture of the property groups is compiled in, loads through both
// path spellings, has its stated size, is not blank and differs from all
// the others.
#include "formprops_testkit.h"

#include "cmo_formproperty_power.h"

#include <QApplication>
#include <QtTest>

class TestPictures : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void picture_data();
    void picture();
    void allDifferent();
};

void TestPictures::initTestCase()
{
    // Building a group registers the library's pictures.
    CMO_FormProperty_Power power;
}

void TestPictures::picture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    const QSize lamp(15, 15);
    const QSize icon(16, 16);
    const QSize big(20, 20);
    QTest::newRow("greenLamp") << "greenLamp" << lamp;
    QTest::newRow("redLamp") << "redLamp" << lamp;
    QTest::newRow("noAlarm") << "noAlarm" << lamp;
    QTest::newRow("alarm") << "alarm" << lamp;
    QTest::newRow("arrowGroupDown") << "arrowGroupDown" << icon;
    QTest::newRow("arrowGroupUp") << "arrowGroupUp" << icon;
    QTest::newRow("validNavigation") << "validNavigation" << lamp;
    QTest::newRow("invalidNavigation") << "invalidNavigation" << lamp;
    QTest::newRow("gsmLevel0") << "gsmLevel0" << lamp;
    QTest::newRow("gsmLevel20") << "gsmLevel20" << lamp;
    QTest::newRow("gsmLevel50") << "gsmLevel50" << lamp;
    QTest::newRow("gsmLevel90") << "gsmLevel90" << lamp;
    QTest::newRow("gsmLevel100") << "gsmLevel100" << lamp;
    QTest::newRow("Unlock") << "Unlock" << icon;
    QTest::newRow("Lock") << "Lock" << icon;
    QTest::newRow("mainPower") << "mainPower" << lamp;
    QTest::newRow("reservePower") << "reservePower" << lamp;
    QTest::newRow("termometr") << "termometr" << lamp;
    QTest::newRow("speedometer") << "speedometer" << lamp;
    QTest::newRow("radioAntenna") << "radioAntenna" << lamp;
    QTest::newRow("sim") << "sim" << QSize(88, 100);
    QTest::newRow("chronometer") << "chronometer" << big;
    QTest::newRow("address") << "address" << big;
    QTest::newRow("divider") << "divider" << big;
    QTest::newRow("latitude") << "latitude" << lamp;
    QTest::newRow("longtitude") << "longtitude" << lamp;
}

void TestPictures::picture()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QImage formSpelling(":/Images/Resources/images/" + name + ".png");
    const QImage codeSpelling(":Images/Resources/images/" + name + ".png");
    QVERIFY2(!formSpelling.isNull(), qPrintable(name));
    QVERIFY2(!codeSpelling.isNull(), qPrintable(name));
    QCOMPARE(formSpelling, codeSpelling);
    QCOMPARE(formSpelling.size(), size);
    QVERIFY(TestKit::hasDetail(formSpelling));
    QVERIFY(QPixmap(":Images/Resources/images/" + name + ".png").size() == size);
}

void TestPictures::allDifferent()
{
    const QStringList& names = TestKit::pictureNames();
    QCOMPARE(names.size(), 26);
    for (int i = 0; i < names.size(); ++i)
        for (int j = i + 1; j < names.size(); ++j)
            QVERIFY2(TestKit::resourceImage(names[i]) != TestKit::resourceImage(names[j]),
                     qPrintable(names[i] + " looks like " + names[j]));
    // A misspelt name loads nothing, which is how a blank label comes about.
    QVERIFY(QImage(":/Images/Resources/images/longitude.png").isNull());
}

QTEST_MAIN(TestPictures)
#include "tst_formprops_pictures.moc"

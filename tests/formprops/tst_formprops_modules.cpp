// Two plug-in modules, each with its own copy of the library: each finds
// its compiled-in pictures, and a button reaches only the page that its
// own module published.
#include "formprops_testkit.h"

#include <QLibrary>
#include <QPushButton>
#include <QtTest>

namespace {
using MakeOut = QWidget* (*)();
using Publish = void (*)(QObject*, CMO_CommandSink*);
using PictureLoads = bool (*)(const char*);

struct Module {
    QLibrary library;
    MakeOut makeOut = nullptr;
    Publish publish = nullptr;
    PictureLoads pictureLoads = nullptr;

    explicit Module(const char* name)
        : library(QStringLiteral(KVZ_TEST_PLUGIN_DIR "/") + name)
    {
        if (!library.load())
            return;
        makeOut = reinterpret_cast<MakeOut>(library.resolve("fpMakeOut"));
        publish = reinterpret_cast<Publish>(library.resolve("fpPublish"));
        pictureLoads = reinterpret_cast<PictureLoads>(library.resolve("fpPictureLoads"));
    }
    bool ok() const { return makeOut && publish && pictureLoads; }
};
} // namespace

class TestModules : public QObject
{
    Q_OBJECT
private slots:
    void eachModuleHasItsPicturesAndItsPage();
};

void TestModules::eachModuleHasItsPicturesAndItsPage()
{
    Module a("formprops_module_a.so");
    Module b("formprops_module_b.so");
    QVERIFY2(a.ok(), qPrintable(a.library.errorString()));
    QVERIFY2(b.ok(), qPrintable(b.library.errorString()));

    std::unique_ptr<QWidget> outA(a.makeOut());
    std::unique_ptr<QWidget> outB(b.makeOut());
    QVERIFY(a.pictureLoads(":Images/Resources/images/redLamp.png"));
    QVERIFY(a.pictureLoads(":/Images/Resources/images/redLamp.png"));
    QVERIFY(b.pictureLoads(":Images/Resources/images/Lock.png"));
    QVERIFY(!b.pictureLoads(":Images/Resources/images/Lock2.png"));
    QCOMPARE(TestKit::iconName(outA->findChild<QPushButton*>("pushButton_1Y"), 20), QString("redLamp"));

    RecordingSink pageA;
    RecordingSink pageB;
    a.publish(&pageA, &pageA);
    outA->show();
    outB->show();

    QTest::mousePress(outB->findChild<QPushButton*>("pushButton_2Y"), Qt::LeftButton);
    QVERIFY(pageA.calls.isEmpty());   // module B has published no page
    QTest::mousePress(outA->findChild<QPushButton*>("pushButton_2Y"), Qt::LeftButton);
    QCOMPARE(pageA.calls, QStringList{"outputOn 2"});

    b.publish(&pageB, &pageB);
    QTest::mousePress(outB->findChild<QPushButton*>("pushButton_3N"), Qt::LeftButton);
    QCOMPARE(pageB.calls, QStringList{"outputOff 3"});
    QCOMPARE(pageA.calls, QStringList{"outputOn 2"});

    a.publish(nullptr, nullptr);
    b.publish(nullptr, nullptr);
}

QTEST_MAIN(TestModules)
#include "tst_formprops_modules.moc"

// The element tree of a settings document.
#include "cserializeelement.h"

#include <QtTest>

class TstSerializerElement : public QObject
{
    Q_OBJECT
private slots:
    void childModes();
    void repeatedAttributesKept();
    void constructionUnescapesSetTextDoesNot();
    void indexBounds();
    void containsAndDescendants();
    void removeKeepsOrder();
    void clearKeepsOwnNameAndText();
    void takeAllDetachesWithoutFreeing();
};

void TstSerializerElement::childModes()
{
    CSerializeElement root(QStringLiteral("R"), QString(), nullptr);
    CSerializeElement* first = root.addChild(QStringLiteral("A"), QStringLiteral("one"), 0);
    QVERIFY(first);
    QCOMPARE(root.addChild(QStringLiteral("A"), QStringLiteral("two"), 0), first);
    QCOMPARE(first->text(), QStringLiteral("one"));
    CSerializeElement* second = root.addChild(QStringLiteral("A"), QStringLiteral("two"), 1);
    QVERIFY(second && second != first);
    QCOMPARE(root.childCount(), 2);
    QCOMPARE(root.findChild(QStringLiteral("A")), first);
    QCOMPARE(second->parent(), &root);
    QVERIFY(!root.addChild(QStringLiteral("B"), QString(), 2));
    QVERIFY(!root.findChild(QStringLiteral("a")));
    QCOMPARE(root.childCount(), 2);
}

void TstSerializerElement::repeatedAttributesKept()
{
    CSerializeElement element(QStringLiteral("E"), QString(), nullptr);
    element.addAttribute(QStringLiteral("x"), QStringLiteral("1"));
    element.addAttribute(QStringLiteral("x"), QStringLiteral("2"));
    QCOMPARE(element.attributeCount(), 2);
    QCOMPARE(element.attributeAt(0)->text(), QStringLiteral("1"));
    QCOMPARE(element.attributeAt(1)->text(), QStringLiteral("2"));
    QCOMPARE(element.attributeAt(1)->parent(), &element);
    QVERIFY(!element.findChild(QStringLiteral("x")));
}

void TstSerializerElement::constructionUnescapesSetTextDoesNot()
{
    CSerializeElement element(QStringLiteral("E"), QStringLiteral("a&nbsp;b"), nullptr);
    QCOMPARE(element.text(), QStringLiteral("a b"));
    element.setText(QStringLiteral("a&nbsp;b"));
    QCOMPARE(element.text(), QStringLiteral("a&nbsp;b"));
    QCOMPARE(element.kind(), 0);
}

void TstSerializerElement::indexBounds()
{
    CSerializeElement root(QStringLiteral("R"), QString(), nullptr);
    root.addChild(QStringLiteral("A"), QString(), 1);
    root.addAttribute(QStringLiteral("x"), QStringLiteral("1"));
    QVERIFY(root.childAt(0));
    QVERIFY(!root.childAt(1));
    QVERIFY(!root.childAt(-1));
    QVERIFY(root.attributeAt(0));
    QVERIFY(!root.attributeAt(1));
    QVERIFY(!root.attributeAt(-1));
}

void TstSerializerElement::containsAndDescendants()
{
    CSerializeElement root(QStringLiteral("R"), QString(), nullptr);
    CSerializeElement* child = root.addChild(QStringLiteral("A"), QString(), 1);
    CSerializeElement* grandchild = child->addChild(QStringLiteral("B"), QString(), 1);
    root.addAttribute(QStringLiteral("x"), QStringLiteral("1"));
    CSerializeElement* attribute = root.attributeAt(0);
    CSerializeElement stranger(QStringLiteral("S"), QString(), nullptr);

    QCOMPARE(root.contains(nullptr), -1);
    QCOMPARE(root.contains(&root), 1);
    QCOMPARE(root.contains(child), 1);
    QCOMPARE(root.contains(attribute), 0);
    QCOMPARE(root.contains(grandchild), -1);
    QCOMPARE(root.contains(&stranger), -1);

    QVERIFY(!root.isDescendant(nullptr));
    QVERIFY(!root.isDescendant(&root));
    QVERIFY(root.isDescendant(child));
    QVERIFY(root.isDescendant(grandchild));
    QVERIFY(!root.isDescendant(attribute));
    QVERIFY(!root.isDescendant(&stranger));
}

void TstSerializerElement::removeKeepsOrder()
{
    CSerializeElement root(QStringLiteral("R"), QString(), nullptr);
    CSerializeElement* a = root.addChild(QStringLiteral("A"), QString(), 1);
    CSerializeElement* b = root.addChild(QStringLiteral("B"), QString(), 1);
    CSerializeElement* c = root.addChild(QStringLiteral("C"), QString(), 1);
    b->addChild(QStringLiteral("D"), QString(), 1);
    QVERIFY(root.remove(b));
    QCOMPARE(root.childCount(), 2);
    QCOMPARE(root.childAt(0), a);
    QCOMPARE(root.childAt(1), c);
    QVERIFY(!root.remove(b));
    CSerializeElement* deep = c->addChild(QStringLiteral("E"), QString(), 1);
    QVERIFY(!root.remove(deep));
    QCOMPARE(c->childCount(), 1);
}

void TstSerializerElement::clearKeepsOwnNameAndText()
{
    CSerializeElement element(QStringLiteral("E"), QStringLiteral("t"), nullptr);
    element.setKind(2);
    element.addChild(QStringLiteral("A"), QString(), 1)->addChild(QStringLiteral("B"), QString(), 1);
    element.addAttribute(QStringLiteral("x"), QStringLiteral("1"));
    element.clear();
    QCOMPARE(element.childCount(), 0);
    QCOMPARE(element.attributeCount(), 0);
    QCOMPARE(element.name(), QStringLiteral("E"));
    QCOMPARE(element.text(), QStringLiteral("t"));
    QCOMPARE(element.kind(), 2);
}

void TstSerializerElement::takeAllDetachesWithoutFreeing()
{
    CSerializeElement element(QStringLiteral("E"), QString(), nullptr);
    CSerializeElement* child = element.addChild(QStringLiteral("A"), QString(), 1);
    child->addChild(QStringLiteral("B"), QString(), 1);
    element.addAttribute(QStringLiteral("x"), QStringLiteral("1"));
    std::vector<CSerializeElement*> taken = element.takeAll();
    QCOMPARE(int(taken.size()), 2);
    QCOMPARE(element.childCount(), 0);
    QCOMPARE(element.attributeCount(), 0);
    QCOMPARE(taken[0], child);
    QCOMPARE(child->parent(), static_cast<CSerializeElement*>(nullptr));
    QCOMPARE(child->childCount(), 1);
    QCOMPARE(taken[1]->text(), QStringLiteral("1"));
    for (CSerializeElement* member : taken)
        delete member;
}

QTEST_GUILESS_MAIN(TstSerializerElement)
#include "tst_serializer_element.moc"

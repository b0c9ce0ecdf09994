#include "cmo_formproperty_sh.h"

#include "cmo_formkit.h"

#include <QGridLayout>
#include <QLabel>

CMO_FormProperty_SH::CMO_FormProperty_SH(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    setCaptions();
}

CMO_FormProperty_SH::~CMO_FormProperty_SH() = default;

void CMO_FormProperty_SH::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_SH", 335, 66);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    for (int i = 0; i < 3; ++i) {
        const QByteArray n = "label_SH" + QByteArray::number(i + 1);
        rows[i] = CMO_FormKit::addRow(this, gridLayout, i, n + "_Icon", n, n + "_Text", "greenLamp", 100);
    }

    retranslateUi();
}

void CMO_FormProperty_SH::retranslateUi()
{
    rows[0].caption->setText(QStringLiteral("слабого удара:"));
    rows[1].caption->setText(QStringLiteral("сильного удара:"));
    rows[2].caption->setText(QStringLiteral("перемещения:"));
}

void CMO_FormProperty_SH::setCaptions()
{
    rows[0].caption->setText(QStringLiteral("Слабого удара:"));
    rows[1].caption->setText(QStringLiteral("Сильного удара:"));
    rows[2].caption->setText(QStringLiteral("Перемещения:"));
}

void CMO_FormProperty_SH::showRow(const CMO_FormKit::Row& row, int flag)
{
    CMO_FormKit::showLamp(row, flag, QStringLiteral("в норме"), QStringLiteral("сработал"));
}

void CMO_FormProperty_SH::setSH1(int flag) { showRow(rows[0], flag); }
void CMO_FormProperty_SH::setSH2(int flag) { showRow(rows[1], flag); }
void CMO_FormProperty_SH::setSH3(int flag) { showRow(rows[2], flag); }

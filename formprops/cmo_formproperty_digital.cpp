#include "cmo_formproperty_digital.h"

#include "cmo_formkit.h"

#include <QGridLayout>
#include <QLabel>

CMO_FormProperty_Digital::CMO_FormProperty_Digital(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
}

CMO_FormProperty_Digital::~CMO_FormProperty_Digital() = default;

void CMO_FormProperty_Digital::setupUi()
{
    static const char* const icons[kRows] = {"label_Icon_D1_2", "label_Icon_D1_4", "label_Icon_D1_6",
                                             "label_Icon_D1_11", "label_Icon_D1_12", "label_Icon_D1_13",
                                             "label_Icon_D1_14"};
    static const char* const sensors[kRows] = {"D1", "D2", "D3", "D4", "D5", "D6", "RS232"};

    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Digital", 335, 219);
    gridLayout_4 = CMO_FormKit::grid(this, "gridLayout_4");

    for (int i = 0; i < kRows; ++i) {
        const QByteArray name = QByteArray("label_") + sensors[i] + "_Level";
        rows[i] = CMO_FormKit::addRow(this, gridLayout_4, i, icons[i], name, name + "_Value", "speedometer", 0);
        rows[i].icon->setScaledContents(false);
        rows[i].text->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
    }

    retranslateUi();
}

void CMO_FormProperty_Digital::retranslateUi()
{
    for (int i = 0; i < 6; ++i)
        rows[i].caption->setText(QStringLiteral("Уровень RS-485 D") + QString::number(i + 1));
    rows[6].caption->setText(QStringLiteral("Уровень RS-232"));
    for (const CMO_FormKit::Row& row : rows)
        row.text->setText(QStringLiteral("0"));
}

void CMO_FormProperty_Digital::setD1(const QString& text) { rows[0].text->setText(text); }
void CMO_FormProperty_Digital::setD2(const QString& text) { rows[1].text->setText(text); }
void CMO_FormProperty_Digital::setD3(const QString& text) { rows[2].text->setText(text); }
void CMO_FormProperty_Digital::setD4(const QString& text) { rows[3].text->setText(text); }
void CMO_FormProperty_Digital::setD5(const QString& text) { rows[4].text->setText(text); }
void CMO_FormProperty_Digital::setD6(const QString& text) { rows[5].text->setText(text); }
void CMO_FormProperty_Digital::setRS232(const QString& text) { rows[6].text->setText(text); }

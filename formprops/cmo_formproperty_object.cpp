#include "cmo_formproperty_object.h"

#include "cmo_formkit.h"

#include <QGridLayout>
#include <QLabel>

CMO_FormProperty_Object::CMO_FormProperty_Object(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    setCaptions();
}

CMO_FormProperty_Object::~CMO_FormProperty_Object() = default;

void CMO_FormProperty_Object::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Object", 335, 72);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    label_Name = CMO_FormKit::caption(this, "label_Name", 100);
    label_Name_Text = CMO_FormKit::value(this, "label_Name_Text");
    label_Name_Text->setWordWrap(true);
    label_FullName = CMO_FormKit::caption(this, "label_FullName", 100);
    label_FullName_Text = CMO_FormKit::value(this, "label_FullName_Text");
    label_FullName_Text->setWordWrap(true);
    label_Type = CMO_FormKit::caption(this, "label_Type", 100);
    label_Type_Text = CMO_FormKit::value(this, "label_Type_Text");

    gridLayout->addWidget(label_Name, 0, 0);
    gridLayout->addWidget(label_Name_Text, 0, 1);
    gridLayout->addWidget(label_FullName, 1, 0);
    gridLayout->addWidget(label_FullName_Text, 1, 1);
    gridLayout->addWidget(label_Type, 2, 0);
    gridLayout->addWidget(label_Type_Text, 2, 1);

    retranslateUi();
}

void CMO_FormProperty_Object::retranslateUi()
{
    label_Name->setText(QStringLiteral("Название:"));
    label_FullName->setText(QStringLiteral("Описание:"));
    label_Type->setText(QStringLiteral("Тип устройства:"));
    label_Type_Text->setText(QStringLiteral("ZIRN"));
}

void CMO_FormProperty_Object::setCaptions()
{
    label_Name->setText(QStringLiteral("IMEI:"));
    label_FullName->setText(QStringLiteral("ID объекта:"));
    label_Type->setText(QStringLiteral("Формат:"));
}

void CMO_FormProperty_Object::setName(const QString& text)
{
    label_Name_Text->setText(text);
}

void CMO_FormProperty_Object::setFullName(const QString& text)
{
    label_FullName_Text->setText(text);
}

void CMO_FormProperty_Object::setType(const QString& text)
{
    label_Type_Text->setText(text);
}

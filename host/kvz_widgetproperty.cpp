#include "kvz_widgetproperty.h"

#include <QGridLayout>

KVZ_WidgetProperty::KVZ_WidgetProperty(QWidget* parent)
    : QWidget(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("KVZ_WidgetPropertyClass"));
    setWindowTitle(QStringLiteral("KVZ_WidgetProperty"));
    resize(400, 300);
    gridLayout = new QGridLayout(this);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    gridLayout->setSpacing(6);
    gridLayout->setContentsMargins(0, 0, 0, 0);
}

KVZ_WidgetProperty::~KVZ_WidgetProperty() = default;

void KVZ_WidgetProperty::addWidget(QWidget* widget)
{
    if (!widget)
        return;
    gridLayout->addWidget(widget);
    widget->show();
}

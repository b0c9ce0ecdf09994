// A spare container with the layout of a property page.
#ifndef KVZ_WIDGETPROPERTY_H
#define KVZ_WIDGETPROPERTY_H

#include <QWidget>

class QGridLayout;

class KVZ_WidgetProperty : public QWidget
{
    Q_OBJECT
public:
    explicit KVZ_WidgetProperty(QWidget* parent = nullptr);
    ~KVZ_WidgetProperty() override;

    void addWidget(QWidget* widget);

private:
    QGridLayout* gridLayout;
};

#endif // KVZ_WIDGETPROPERTY_H

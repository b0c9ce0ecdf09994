// Title bar of the log dock: Clear, and whether raw and decoded packets
// are logged.
#ifndef KVZ_DOCWIDGETTITLEBAR_H
#define KVZ_DOCWIDGETTITLEBAR_H

#include "kvz_docwidgettitlebar_form.h"

#include <QWidget>

class KVZ_DocWidgetTitleBar : public QWidget
{
    Q_OBJECT
public:
    explicit KVZ_DocWidgetTitleBar(QWidget* parent = nullptr);
    ~KVZ_DocWidgetTitleBar() override;

    bool isShowRawPackets() const;
    bool isParsePackets() const;

private slots:
    void slot_pressed_BtnClear();

private:
    KVZ_DocWidgetTitleBarForm ui;
};

#endif // KVZ_DOCWIDGETTITLEBAR_H

// Page 0 of the property stack: the list of supported formats, and the map
// from a format number to the index of that format's page.
#ifndef KVZ_FORMPARAM_H
#define KVZ_FORMPARAM_H

#include "kvz_formparam_form.h"

#include <QWidget>

class KVZ_FormParam : public QWidget
{
    Q_OBJECT
public:
    explicit KVZ_FormParam(QWidget* parent = nullptr);
    ~KVZ_FormParam() override;

    void addFormat(int formatNumber, int pageIndex);
    int pageForFormat(int formatNumber) const;

private:
    KVZ_FormParamForm ui;
};

#endif // KVZ_FORMPARAM_H

#include "cmo_lockrows.h"

#include <QPushButton>

void CMO_LockRows::build(QWidget* parent, QGridLayout* grid, CMO_FormKit::Row (&rows)[2],
                         const QByteArray& first, const QByteArray& second)
{
    const QByteArray names[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        const QByteArray& n = names[i];
        rows[i] = CMO_FormKit::addRow(parent, grid, i, "label_" + n + "_Icon", "label_" + n,
                                      "label_" + n + "_Text", "speedometer", 70);
        CMO_FormKit::addLockButtons(rows[i], parent, grid, i, n);
    }
}

void CMO_LockRows::setEnabled(CMO_FormKit::Row (&rows)[2], bool on)
{
    for (CMO_FormKit::Row& row : rows) {
        row.on->setEnabled(on);
        row.off->setEnabled(on);
    }
}

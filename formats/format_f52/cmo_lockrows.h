// The two-row layout that the pulse and the analog group share: per row a
// speedometer icon, a caption 70 wide, a value, an unlock and a lock button.
#ifndef CMO_LOCKROWS_H
#define CMO_LOCKROWS_H

#include "cmo_formkit.h"

#include <QByteArray>

class CMO_LockRows
{
public:
    // Rows "label_<first>_Icon", "label_<first>", "label_<first>_Text",
    // "pushButton_ON_<first>", "pushButton_OFF_<first>" in grid row 0, the
    // same for second in row 1.
    static void build(QWidget* parent, QGridLayout* grid, CMO_FormKit::Row (&rows)[2],
                      const QByteArray& first, const QByteArray& second);
    // Enables or disables the four buttons together.
    static void setEnabled(CMO_FormKit::Row (&rows)[2], bool on);
};

#endif // CMO_LOCKROWS_H

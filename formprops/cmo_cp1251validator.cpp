#include "cmo_cp1251validator.h"

#include "kvz_text.h"

CMO_Cp1251Validator::CMO_Cp1251Validator(QObject* parent)
    : QValidator(parent)
{
}

QValidator::State CMO_Cp1251Validator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    for (const QChar c : input) {
        if (c.category() == QChar::Other_Control || c.isSurrogate())
            return Invalid;
    }
    return KvzText::canEncode(input) ? Acceptable : Invalid;
}

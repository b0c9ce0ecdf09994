// Accepts text that can reach a terminal unchanged: no control characters
// and nothing that windows-1251 cannot hold (it would arrive as "?").
#ifndef CMO_CP1251VALIDATOR_H
#define CMO_CP1251VALIDATOR_H

#include <QValidator>

class CMO_Cp1251Validator : public QValidator
{
    Q_OBJECT
public:
    explicit CMO_Cp1251Validator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
};

#endif // CMO_CP1251VALIDATOR_H

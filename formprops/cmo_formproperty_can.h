// Seventeen vehicle values read from the CAN bus; the page hands over
// finished texts.
#ifndef CMO_FORMPROPERTY_CAN_H
#define CMO_FORMPROPERTY_CAN_H

#include <QWidget>

class QGridLayout;
class QLabel;

class CMO_FormProperty_CAN : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_CAN(QWidget* parent = nullptr);
    ~CMO_FormProperty_CAN() override;

    void setFuelLevel(const QString& text);
    void setFuelConsumption(const QString& text);
    void setFullRun(const QString& text);
    void setAxleLoad1(const QString& text);
    void setAxleLoad2(const QString& text);
    void setAxleLoad3(const QString& text);
    void setAxleLoad4(const QString& text);
    void setAxleLoad5(const QString& text);
    void setSpeed(const QString& text);
    void setTemp(const QString& text);
    void setEngineTurns(const QString& text);
    void setPedalAccel(const QString& text);
    void setPedalStop(const QString& text);
    void setEngineLoad(const QString& text);
    void setLevelFiltr(const QString& text);
    void setEngineTime(const QString& text);
    void setTimeTO(const QString& text);

private:
    enum Row {
        FuelLevel, FuelConsumption, FullRun,
        AxleLoad1, AxleLoad2, AxleLoad3, AxleLoad4, AxleLoad5,
        Speed, Temp, EngineTurns, PedalAccel, PedalStop, EngineLoad,
        LevelFiltr, EngineTime, TimeTO,
        RowCount
    };

    void setupUi();
    void retranslateUi();

    QGridLayout* gridLayout = nullptr;
    QLabel* captions[RowCount] = {};
    QLabel* values[RowCount] = {};
};

#endif // CMO_FORMPROPERTY_CAN_H

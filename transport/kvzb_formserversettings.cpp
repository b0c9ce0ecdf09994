#include "kvzb_formserversettings.h"

#include "ui_kvzb_formserversettings.h"

KVZB_FormServerSettings::KVZB_FormServerSettings(QWidget* parent)
    : QWidget(parent), ui(new Ui::KVZB_FormServerSettingsClass)
{
    ui->setupUi(this);
    ui->checkBox_PacketBreak->hide();
    connect(ui->checkBox_PacketBreak, &QCheckBox::stateChanged, this, &KVZB_FormServerSettings::slot_stateChanged_Break);
}

KVZB_FormServerSettings::~KVZB_FormServerSettings()
{
    delete ui;
}

bool KVZB_FormServerSettings::serverEnabled() const
{
    return ui->groupBox_Marvane->isChecked();
}

int KVZB_FormServerSettings::port() const
{
    return ui->spinBox_Port->value();
}

bool KVZB_FormServerSettings::packetBreak() const
{
    return ui->checkBox_PacketBreak->isChecked();
}

void KVZB_FormServerSettings::lockSettings()
{
    ui->groupBox_Marvane->setCheckable(false);
    ui->label_Port->setEnabled(false);
    ui->spinBox_Port->setEnabled(false);
}

void KVZB_FormServerSettings::unlockSettings()
{
    ui->groupBox_Marvane->setCheckable(true);
    ui->label_Port->setEnabled(true);
    ui->spinBox_Port->setEnabled(true);
}

void KVZB_FormServerSettings::slot_stateChanged_Break(int state)
{
    emit signalPacketBreak(state == Qt::Checked);
}

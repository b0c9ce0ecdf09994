// The transport's settings page: enable, port, and the split flag for replies.
#ifndef KVZB_FORMSERVERSETTINGS_H
#define KVZB_FORMSERVERSETTINGS_H

#include <QWidget>

namespace Ui { class KVZB_FormServerSettingsClass; }

class KVZB_FormServerSettings : public QWidget
{
    Q_OBJECT
public:
    explicit KVZB_FormServerSettings(QWidget* parent = nullptr);
    ~KVZB_FormServerSettings() override;

    bool serverEnabled() const;
    int port() const;
    bool packetBreak() const;
    // While the server runs its port cannot be changed.
    void lockSettings();
    void unlockSettings();

signals:
    void signalPacketBreak(bool checked);

private slots:
    void slot_stateChanged_Break(int state);

private:
    Ui::KVZB_FormServerSettingsClass* ui;
};

#endif // KVZB_FORMSERVERSETTINGS_H

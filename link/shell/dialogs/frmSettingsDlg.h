#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

// "Settings": the herd number (at most 9 characters) and the remote connection.
// It shows the settings as read afresh; OK stores both into the settings and
// saves them to the settings file.
class frmSettingsDlg : public QDialog {
    Q_OBJECT

public:
    explicit frmSettingsDlg(QWidget* parent = nullptr);

    QString HerdNo() const;
    void SetHerdNo(const QString& herdNo);
    bool RemoteConnection() const;
    void SetRemoteConnection(bool on);

public slots:
    void accept() override;

private:
    QLineEdit* txtHerdNo_ = nullptr;
    QCheckBox* chkRemoteConnection_ = nullptr;
};

#pragma once

#include <QDialog>

class QLineEdit;

// "New Herd": asks for the number of a herd to add to the herd list. An empty
// herd number is refused: the focus stays in the box.
class frmNewHerdDlg : public QDialog {
    Q_OBJECT

public:
    explicit frmNewHerdDlg(QWidget* parent = nullptr);

    QString HerdNo() const;
    void SetHerdNo(const QString& herdNo);
    void SetHerdNoMaxLength(int length);

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* txtHerdNo_ = nullptr;
};

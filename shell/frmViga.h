// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message dialog: a title, an information icon, three lines and "&Olgu".
// Callers go through ShowNotice (notice.h); the dialog decides nothing.
#include <QDialog>

class QLabel;
class QPushButton;

class frmViga : public QDialog
{
    Q_OBJECT

public:
    explicit frmViga(QWidget *owner = nullptr);

    QPushButton *Command1;
    QLabel *lblKolmas;
    QLabel *lblTeine;
    QLabel *lblEsimene;
    QLabel *Image1;

    void Command1_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool positioned_ = false;
};

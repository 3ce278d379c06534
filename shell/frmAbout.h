// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About dialog: the program's identity, and a way to the system's own
// information tool.
#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // `aboutPicture` is the main window's About picture, given back its sun
    // when the dialog is closed with "&Olgu" (it may be null).
    explicit frmAbout(QLabel *aboutPicture, QWidget *parent = nullptr);

    QLabel *picIcon;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblDescription;
    QLabel *lblCopyright;
    QLabel *lblComments;
    QLabel *lblDisclaimer;
    QPushButton *cmdSysInfo;
    QPushButton *cmdOK;

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QPointer<QLabel> aboutPicture_;
    bool positioned_ = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The splash window: the program's identity for at most 1.3 seconds, then the
// main window. The hand-over happens once, on the timer, on the first key that
// produces a character, or on a click on the frame.
#include <QWidget>
#include <functional>

class QGroupBox;
class QLabel;
class QTimer;

class frmAlgus : public QWidget
{
    Q_OBJECT

public:
    // `showMainWindow` creates and shows the main window.
    explicit frmAlgus(std::function<QWidget *()> showMainWindow, QWidget *parent = nullptr);

    QGroupBox *fraVäli;
    QTimer *tmrKäiviti;
    QLabel *lblLicenseTo;
    QLabel *lblProductName;
    QLabel *lblVersion;
    QLabel *lblCopyright;
    QLabel *lblComments;
    QLabel *lblWarning;
    QLabel *imgLogo;

    void Form_Load();
    void tmrKäiviti_Timer();
    void Form_KeyPress();
    void fraVäli_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void handOver();

    std::function<QWidget *()> showMainWindow_;
    bool handedOver_ = false;
    bool framePressed_ = false;
    bool positioned_ = false;
};

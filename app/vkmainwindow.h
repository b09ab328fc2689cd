// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef VKMAINWINDOW_H
#define VKMAINWINDOW_H

#include "ui_vkmainwindow.h"

#include <QMainWindow>

class VkApp;

/**
 * The program's fixed-size main window: title, version line and a Quit
 * button. It opens where it was last closed, in its normal state and on a
 * screen, and creates the application's message console.
 */
class VkMainWindow : public QMainWindow, public Ui::VkMainWindowUi
{
    Q_OBJECT

public:
    explicit VkMainWindow(VkApp* app, QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~VkMainWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QString usableSettingsFile();
    void warnAboutSettings(const QString& reason);
    void readSettings();
    void writeSettings();
    void keepOnScreen();

    VkApp* TheApp;
    bool SettingsWarned = false;
};

#endif

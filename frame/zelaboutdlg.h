// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELABOUTDLG_H
#define ZELABOUTDLG_H

#include "ui_zelaboutdlg.h"

#include <QDialog>

class ZelApp;

/**
 * The About dialog: the application's name and version, a copyright line and
 * a button that closes it. Built anew for every showing, so it always shows
 * the application's current identity.
 */
class ZelAboutDlg : public QDialog, public Ui::ZelAboutDlgUi
{
    Q_OBJECT

public:
    explicit ZelAboutDlg(ZelApp* app);
    ~ZelAboutDlg() override;

private:
    ZelApp* TheApp;
};

#endif

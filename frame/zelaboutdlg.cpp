// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "zelaboutdlg.h"

#include "zelapp.h"

ZelAboutDlg::ZelAboutDlg(ZelApp* app)
    : QDialog(app->MainWidget)
    , TheApp(app)
{
    setupUi(this);
    setWindowTitle(TheApp->Name);
    // One pass over the format, so a "%" in the name is not taken for a placeholder.
    ApplicationTx->setText(tr("%1   version %2.%3.%4")
                               .arg(TheApp->Name, QString::number(TheApp->MajorVersion),
                                    QString::number(TheApp->MinorVersion),
                                    QString::number(TheApp->Release)));
}

ZelAboutDlg::~ZelAboutDlg() = default;

// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef TESTAPP_H
#define TESTAPP_H

#include "zelapp.h"

class TestApp : public ZelApp
{
public:
    using ZelApp::ZelApp;
    bool Init() override { return true; }
};

#endif

// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// A platform plugin the toolkit finds but cannot use: its metadata names the
// platform "broken", and it is no platform integration. A start that tries it
// fails as one does whose platform plugin is there but lacks a library.

#include <QObject>
#include <QtPlugin>

class BrokenPlatform : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface.5.3" FILE
                          "brokenplatform.json")
};

#include "brokenplatform.moc"

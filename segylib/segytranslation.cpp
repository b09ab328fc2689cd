// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "zelsegy.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

// The resource's initialiser lies in the global namespace, outside any
// other one.
static void InitialiseCatalogues()
{
    Q_INIT_RESOURCE(zelsegy_translations);
}

bool zel::InstallSegyTranslation()
{
    InitialiseCatalogues();
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale::system(), QStringLiteral("zelsegy"), QStringLiteral("_"),
                         QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// Both lists live in this one file so that MonthNames is built before
// YearNames and destroyed after it.
#include "zelfunctions.h"

QString MonthNames[13] = {
    QStringLiteral("not set"),   QStringLiteral("January"), QStringLiteral("February"),
    QStringLiteral("March"),     QStringLiteral("April"),   QStringLiteral("May"),
    QStringLiteral("June"),      QStringLiteral("July"),    QStringLiteral("August"),
    QStringLiteral("September"), QStringLiteral("October"), QStringLiteral("November"),
    QStringLiteral("December"),
};

QString YearNames[21] = {
    QStringLiteral("not set"), QStringLiteral("2001"), QStringLiteral("2002"),
    QStringLiteral("2003"),    QStringLiteral("2004"), QStringLiteral("2005"),
    QStringLiteral("2006"),    QStringLiteral("2007"), QStringLiteral("2008"),
    QStringLiteral("2009"),    QStringLiteral("2010"), QStringLiteral("2011"),
    QStringLiteral("2012"),    QStringLiteral("2013"), QStringLiteral("2014"),
    QStringLiteral("2015"),    QStringLiteral("2016"), QStringLiteral("2017"),
    QStringLiteral("2018"),    QStringLiteral("2019"), QStringLiteral("2020"),
};

// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef GEOMETRYREPORT_H
#define GEOMETRYREPORT_H

#include <zelsegy.h>

#include <QByteArray>
#include <QString>

// What `geometry` prints: the kind of survey, the fields of its lines, the
// sorting, ranges, bins and corners, as lines of text.
QString GeometryText(const QString& path, const zel::SurveyGeometry& geometry);

// The same as one JSON object.
QByteArray GeometryJson(const QString& path, const zel::SurveyGeometry& geometry);

#endif

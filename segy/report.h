// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef REPORT_H
#define REPORT_H

#include "samplestats.h"

#include <zelsegy.h>

#include <QByteArray>
#include <QString>

// What `info` prints about a file: its layout, its textual header and, when
// `stats` is given, the figures of a scan of its samples.
// A finding in one line: what, where, and the option that reads the file
// otherwise.
QString FindingText(const zel::SegyFinding& finding);

QString InfoText(const QString& path, const zel::SegyLayout& layout, const SampleStats* stats);

// The same as one JSON object.
QByteArray InfoJson(const QString& path, const zel::SegyLayout& layout, const SampleStats* stats);

#endif

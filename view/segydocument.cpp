// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "segydocument.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <limits>

bool LoadSegy(const QString& path, qint64 sampleBudget, SegyDocument& document,
              zel::SegyFinding& problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = {QCoreApplication::translate("SegyDocument", "cannot open %1: %2")
                       .arg(path, file.errorString()),
                   -1, QString()};
        return false;
    }
    SegyDocument read;
    read.Path = path;
    if (!zel::ReadLayout(file, {}, read.Layout, problem) ||
        !zel::ReadFileHeaders(file, read.Layout, read.Headers, problem))
        return false;

    const zel::SegyLayout& layout = read.Layout;
    const qint64 longest = std::max<qint64>(1, layout.SamplesPerTrace);
    const qint64 traces = std::min(layout.Traces, std::max<qint64>(1, sampleBudget / longest));
    std::vector<std::vector<float>> rows(std::size_t(std::max<qint64>(traces, 0)));
    qint64 samples = 0;
    for (qint64 trace = 0; trace < traces; ++trace) {
        if (!zel::ReadTraceSamples(file, layout, trace, rows[std::size_t(trace)], problem))
            return false;
        samples = std::max<qint64>(samples, qint64(rows[std::size_t(trace)].size()));
    }
    read.Samples.Traces = int(traces);
    read.Samples.Samples = int(std::min<qint64>(samples, std::numeric_limits<int>::max()));
    read.Samples.Values.assign(std::size_t(traces * read.Samples.Samples),
                               std::numeric_limits<float>::quiet_NaN());
    for (qint64 trace = 0; trace < traces; ++trace) {
        const std::vector<float>& row = rows[std::size_t(trace)];
        std::copy(row.begin(),
                  row.begin() + std::min<qint64>(qint64(row.size()), read.Samples.Samples),
                  read.Samples.Values.begin() + trace * read.Samples.Samples);
    }
    const bool headersRead = zel::ForEachTraceHeader(
        file, layout, zel::TraceRange{0, traces, 1},
        [&read](qint64, const char* headers) {
            read.TraceHeaders.append(headers, int(zel::TraceHeaderBytes));
            return true;
        },
        problem);
    if (!headersRead && traces > 0)
        return false;
    document = std::move(read);
    return true;
}

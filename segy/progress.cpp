// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "progress.h"

#include <cstdio>
#include <unistd.h>
#include <utility>

namespace {

constexpr qint64 RedrawMilliseconds = 250;

} // namespace

Progress::Progress(bool enabled, QString action, qint64 totalBytes)
    : Enabled(enabled)
    , Action(std::move(action))
    , Total(totalBytes)
{
    Clock.start();
}

void Progress::Advance(qint64 bytes)
{
    Done += bytes;
    if (Enabled && (LastDrawn < 0 || Clock.elapsed() - LastDrawn >= RedrawMilliseconds))
        Draw();
}

void Progress::Finish()
{
    if (!Enabled || LastDrawn < 0)
        return;
    Draw();
    std::fputc('\n', stderr);
    Enabled = false;
}

void Progress::Draw()
{
    LastDrawn = Clock.elapsed();
    const double percent =
        Total > 0 ? 100.0 * static_cast<double>(Done) / static_cast<double>(Total) : 100.0;
    const double megabytesPerSecond =
        LastDrawn > 0 ? static_cast<double>(Done) / 1e3 / static_cast<double>(LastDrawn) : 0.0;
    std::fprintf(stderr, "\r%s: %3.0f%%  %.0f MB/s ", qPrintable(Action), percent,
                 megabytesPerSecond);
    std::fflush(stderr);
}

bool StandardErrorIsTerminal()
{
    return isatty(STDERR_FILENO) != 0;
}

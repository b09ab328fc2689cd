// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "interruption.h"

#include <csignal>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t Requested = 0;

extern "C" void RequestInterruption(int /*signal*/)
{
    Requested = 1;
}

} // namespace

void CatchInterruptions()
{
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signal, RequestInterruption);
}

bool InterruptionRequested()
{
    return Requested != 0;
}

// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef INTERRUPTION_H
#define INTERRUPTION_H

// Turns SIGINT, SIGTERM and SIGHUP into a request that long work checks
// between chunks, so that it can remove what it has half written and end
// with a message instead of dying mid-write.
void CatchInterruptions();

bool InterruptionRequested();

#endif

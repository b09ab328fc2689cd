// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELCONSOLE_H
#define ZELCONSOLE_H

#include "zelframe_export.h"

class QString;

/**
 * The frame's reporting interface: five operations by severity. Warnings and
 * errors may ask for an extra message box (@p postDialog).
 *
 * A console is owned and deleted as its concrete type; the destructor is
 * protected so that deleting through this interface does not compile.
 */
class ZELFRAME_EXPORT ZelConsole
{
public:
    /** Reports @p message as it is. */
    virtual void Message(const QString& message) = 0;
    /** Reports @p message as an error. */
    virtual void ErrorMessage(const QString& message, bool postDialog) = 0;
    /** Reports @p message as a warning. */
    virtual void WarningMessage(const QString& message, bool postDialog) = 0;
    /** Reports @p message for debugging, at a raised verbosity only. */
    virtual void DebugMessage(const QString& message) = 0;
    /** Reports @p message for low-level tracing, at the highest verbosity only. */
    virtual void LowLevelMessage(const QString& message) = 0;

protected:
    /** Not through this interface: see above. */
    ~ZelConsole() = default;
};

#endif

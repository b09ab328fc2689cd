// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELCONSOLE_H
#define ZELCONSOLE_H

class QString;

/**
 * The frame's reporting interface: five operations by severity. Warnings and
 * errors may ask for an extra message box (@p postDialog).
 *
 * A console is owned and deleted as its concrete type; the destructor is
 * protected so that deleting through this interface does not compile.
 */
class ZelConsole
{
public:
    virtual void Message(const QString& message) = 0;
    virtual void ErrorMessage(const QString& message, bool postDialog) = 0;
    virtual void WarningMessage(const QString& message, bool postDialog) = 0;
    virtual void DebugMessage(const QString& message) = 0;
    virtual void LowLevelMessage(const QString& message) = 0;

protected:
    ~ZelConsole() = default;
};

#endif

// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// Converts a known IBM word to a float and back, and decodes it through the
// SEG-Y library when built on the two libraries without the frame; else has
// a worker thread report through the console.
#include <zelfunctions.h>

#include <cstring>

#ifdef WITH_SEGY
#include <zelsegy.h>
#endif

#ifndef CONVERSION_ONLY
#include <appconsole.h>
#include <zelapp.h>
#include <zelthreadmessenger.h>

#include <QTextEdit>

#include <thread>

struct ConsumerApp : ZelApp
{
    using ZelApp::ZelApp;
    bool Init() override { return true; }
};
#endif

int main([[maybe_unused]] int argc, [[maybe_unused]] char** argv)
{
    // -118.625 as the IBM word C276A000, least significant byte first.
    char ibm[4] = {0x00, static_cast<char>(0xA0), 0x76, static_cast<char>(0xC2)};
    float value = 0;
    IbmToFloat(ibm, &value, 1);
    char back[4] = {};
    FloatToIbm(&value, back, 1);
    const bool converted = value == -118.625F && std::memcmp(back, ibm, sizeof ibm) == 0;
#ifdef CONVERSION_ONLY
    bool decoded = true;
#ifdef WITH_SEGY
    const char file[4] = {static_cast<char>(0xC2), 0x76, static_cast<char>(0xA0), 0x00};
    decoded = zel::DecodeSample(file, *zel::FindSampleFormat(zel::IbmFloatCode),
                                zel::ByteOrder::BigEndian) == -118.625;
#endif
    return converted && decoded ? 0 : 1;
#else
    ConsumerApp app(argc, argv, false);
    QTextEdit text;
    AppConsole console(&app, &text, QString(), 1);
    ZelThreadMessenger messenger(&console);
    const QString report = QStringLiteral("reported from a worker thread");
    std::thread([&] { messenger.Report(report, AppConsole::ThreadMessage); }).join();
    QCoreApplication::sendPostedEvents(); // the messenger queued the report to this thread
    return converted && console.GetText().contains(report) ? 0 : 1;
#endif
}

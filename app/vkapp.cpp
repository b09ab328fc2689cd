#include "vkapp.h"

#include "vkmainwindow.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int ClosingSignals[] = {SIGTERM, SIGINT, SIGHUP};
// A signal handler may do next to nothing: it writes one byte into this
// pipe, whose other end the event loop watches.
int SignalPipe[2] = {-1, -1};

extern "C" void NoteSignal(int /*signal*/)
{
    const int savedErrno = errno;
    const char byte = 1;
    // Non-blocking: with the pipe full, a close is pending anyway.
    [[maybe_unused]] const ssize_t written = ::write(SignalPipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

void args(int& /*argc*/, char** /*argv*/) {}

VkApp::VkApp(int& argc, char** argv)
    : ZelApp(argc, argv, true)
{}

// The handlers go before the pipe they write to.
VkApp::~VkApp()
{
    if (SignalPipe[0] < 0)
        return;
    for (int signal : ClosingSignals)
        std::signal(signal, SIG_DFL);
    ::close(SignalPipe[0]);
    ::close(SignalPipe[1]);
    SignalPipe[0] = SignalPipe[1] = -1;
}

bool VkApp::Init()
{
    Name = QStringLiteral("ZEL Vornik");
    MajorVersion = VK_VERSION_MAJOR;
    MinorVersion = VK_VERSION_MINOR;
    Release = VK_VERSION_PATCH;
    // The id of the installed desktop entry, metainfo and icon.
    setDesktopFileName(QStringLiteral("example.zelmorra.Vornik"));

    MainWindow = new VkMainWindow(this);
    MainWindow->show();
    CloseOnSignals();
    return true;
}

// A request to end the program closes the main window the normal way, so that
// its position is stored and the event loop ends with its own result.
void VkApp::CloseOnSignals()
{
    if (SignalPipe[0] >= 0 || ::pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[64];
        while (::read(SignalPipe[0], bytes, sizeof bytes) > 0) {
        }
        MainWindow->close();
    });
    struct sigaction action = {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : ClosingSignals)
        sigaction(signal, &action, nullptr);
}

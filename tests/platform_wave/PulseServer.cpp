#include "tests/platform_wave/PulseServer.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

// ThreadSanitizer reads these suppressions in every test program that links this helper, that is
// every program that talks to a sound server. libpulse is not instrumented: it hands its objects
// between the caller and its main loop thread with atomic operations of its own, which the
// sanitizer cannot see, so it reports races between an allocation and a later lock inside
// libpulse. Only reports with a libpulse frame are suppressed; races in our own code still show.
extern "C" const char* __tsan_default_suppressions()
{
    return "race:libpulsecommon-*.so\n"
           "race:libpulse.so*\n";
}

namespace {

bool Accepts(const std::string& socketPath)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof(address.sun_path) - 1);
    const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    return ok;
}

pid_t Spawn(const std::vector<std::string>& arguments, const std::vector<std::string>& environment, int stdoutFd)
{
    // Everything the child needs is built before fork: only async-signal-safe calls follow it.
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& variable : environment)
        envp.push_back(const_cast<char*>(variable.c_str()));
    for (char** variable = environ; *variable; ++variable)
        envp.push_back(*variable);
    envp.push_back(nullptr);
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    if (stdoutFd >= 0)
        dup2(stdoutFd, STDOUT_FILENO);
    const int devNull = open("/dev/null", O_WRONLY);
    if (devNull >= 0)
        dup2(devNull, STDERR_FILENO);
    execvpe(argv[0], argv.data(), envp.data());
    _exit(127);
}

void StopChild(pid_t& pid, int signal)
{
    if (pid <= 0)
        return;
    kill(pid, signal);
    int status = 0;
    waitpid(pid, &status, 0);
    pid = -1;
}

}  // namespace

PulseServer::~PulseServer()
{
    Stop();
}

bool PulseServer::Start(int sinkCount, std::string* error)
{
    char folderTemplate[] = "/tmp/phrasebook-pulse-XXXXXX";
    if (!mkdtemp(folderTemplate)) {
        *error = std::string("mkdtemp: ") + std::strerror(errno);
        return false;
    }
    m_folder = folderTemplate;
    const std::string socketPath = m_folder + "/native";
    m_address = "unix:" + socketPath;

    std::vector<std::string> arguments = {
        "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
        "--log-target=stderr", "-L", "module-native-protocol-unix socket=" + socketPath + " auth-anonymous=1"};
    for (int i = 0; i < sinkCount; ++i) {
        arguments.push_back("-L");
        arguments.push_back("module-null-sink sink_name=" + SinkName(i) + " rate=22050 channels=1 format=s16le norewinds=1");
    }
    m_pid = Spawn(arguments, {"XDG_RUNTIME_DIR=" + m_folder, "HOME=" + m_folder}, -1);
    if (m_pid < 0) {
        *error = "fork failed";
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (!Accepts(socketPath)) {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            *error = "pulseaudio exited at start (is it installed?)";
            return false;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            *error = "pulseaudio did not accept connections within 15 s";
            Stop();
            return false;
        }
        usleep(20000);
    }
    if (const char* previous = std::getenv("PULSE_SERVER")) {
        m_hadPreviousServer = true;
        m_previousServer = previous;
    }
    setenv("PULSE_SERVER", m_address.c_str(), 1);
    return true;
}

void PulseServer::Stop()
{
    StopChild(m_pid, SIGTERM);
    if (!m_folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
        m_folder.clear();
        if (m_hadPreviousServer)
            setenv("PULSE_SERVER", m_previousServer.c_str(), 1);
        else
            unsetenv("PULSE_SERVER");
    }
}

MonitorRecorder::~MonitorRecorder()
{
    Stop();
}

bool MonitorRecorder::Start(const PulseServer& server, int sinkIndex, std::string* error)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        *error = "pipe failed";
        return false;
    }
    m_pid = Spawn({"parec", "--server=" + server.Address(), "--device=" + PulseServer::SinkName(sinkIndex) + ".monitor",
                   "--format=s16le", "--rate=22050", "--channels=1", "--raw", "--latency-msec=20"},
                  {}, fds[1]);
    close(fds[1]);
    if (m_pid < 0) {
        close(fds[0]);
        *error = "fork failed";
        return false;
    }
    m_pipe = fds[0];
    m_reader = std::thread([this] {
        char chunk[4096];
        for (;;) {
            const ssize_t got = read(m_pipe, chunk, sizeof chunk);
            if (got <= 0)
                break;
            m_bytes.insert(m_bytes.end(), chunk, chunk + got);
        }
    });
    return true;
}

std::vector<int16_t> MonitorRecorder::Stop()
{
    StopChild(m_pid, SIGINT);
    if (m_reader.joinable())
        m_reader.join();
    if (m_pipe >= 0) {
        close(m_pipe);
        m_pipe = -1;
    }
    std::vector<int16_t> samples(m_bytes.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(static_cast<uint8_t>(m_bytes[2 * i]) |
                                          (static_cast<uint8_t>(m_bytes[2 * i + 1]) << 8));
    m_bytes.clear();
    return samples;
}

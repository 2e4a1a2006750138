#include "MockKernelSoak.h"

#include "MockKernelClient.h"
#include "mockkernel/MockKernel.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// Our environment with umockdev's preload library, which the test bed's owner and the program both
// need: the mock /sys and /dev exist only through it.
QList<QByteArray> preloadedEnvironment()
{
    QList<QByteArray> environment;
    QByteArray preload = "libumockdev-preload.so.0";
    QByteArray sanitizerOptions = "verify_asan_link_order=0";
    for (char **entry = environ; *entry; ++entry) {
        const QByteArray variable(*entry);
        if (variable.startsWith("LD_PRELOAD="))
            preload = variable.mid(11) + ':' + preload;
        else if (variable.startsWith("ASAN_OPTIONS="))
            sanitizerOptions = variable.mid(13) + ':' + sanitizerOptions;
        else
            environment << variable;
    }
    // A sanitizer runtime linked into the program must stay ahead of the preload library.
    environment << "LD_PRELOAD=" + preload << "ASAN_OPTIONS=" + sanitizerOptions;
    return environment;
}

// Every plug keeps the pulled nodes' descriptors in this process until the end.
void raiseDescriptorLimit()
{
    rlimit limit {};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

QByteArray serve(MockKernel &kernel, const QByteArray &request)
{
    if (request == "unplug")
        kernel.unplug(MockKernel::Receiver);
    else if (request == "plug")
        kernel.plug(MockKernel::Receiver);
    else if (request.startsWith("report "))
        kernel.injectReport(MockKernel::Receiver, QByteArray::fromHex(request.mid(7)));
    else if (request == "forget")
        kernel.clearReports();
    else
        return "unknown request";
    return "ok";
}

std::vector<char *> pointers(QList<QByteArray> &strings)
{
    std::vector<char *> result;
    for (QByteArray &string : strings)
        result.push_back(string.data());
    result.push_back(nullptr);
    return result;
}

} // namespace

int runMockKernelSoak(int argc, char *argv[], int divisor)
{
    if (!qEnvironmentVariable("LD_PRELOAD").contains(QLatin1String("libumockdev-preload"))) {
        QList<QByteArray> environment = preloadedEnvironment();
        execve("/proc/self/exe", argv, pointers(environment).data());
        std::perror("cannot start again with umockdev's preload library");
        return 2;
    }
    QCoreApplication app(argc, argv);
    raiseDescriptorLimit();
    MockKernel kernel;
    kernel.plug(MockKernel::Receiver);

    int requests[2] = { -1, -1 };
    int answers[2] = { -1, -1 };
    if (pipe2(requests, O_CLOEXEC) != 0 || pipe2(answers, O_CLOEXEC) != 0) {
        std::perror("pipe");
        return 2;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, requests[1], MockKernelClient::RequestDescriptor);
    posix_spawn_file_actions_adddup2(&actions, answers[0], MockKernelClient::AnswerDescriptor);
    const QByteArray program = QCoreApplication::applicationFilePath().toLocal8Bit();
    const QByteArray divisorText = QByteArray::number(divisor);
    char *childArguments[] = { const_cast<char *>(program.constData()),
                               const_cast<char *>("--soak-on-mock-kernel"),
                               const_cast<char *>(divisorText.constData()), nullptr };
    // The child inherits the preload library and the test bed's folder (UMOCKDEV_DIR).
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.constData(), &actions, nullptr, childArguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(requests[1]);
    ::close(answers[0]);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", program.constData(), std::strerror(spawned));
        return 2;
    }

    FILE *input = fdopen(requests[0], "r");
    char *line = nullptr;
    size_t capacity = 0;
    ssize_t length = 0;
    while ((length = getline(&line, &capacity, input)) > 0) {
        const QByteArray answer = serve(kernel, QByteArray(line, int(length)).trimmed()) + '\n';
        if (::write(answers[1], answer.constData(), size_t(answer.size())) != answer.size())
            break;
    }
    std::free(line);
    std::fclose(input);
    ::close(answers[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) { }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 6;
}

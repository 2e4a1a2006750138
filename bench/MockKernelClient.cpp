#include "MockKernelClient.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <unistd.h>

void MockKernelClient::unplug()
{
    ask("unplug");
}

void MockKernelClient::plug()
{
    ask("plug");
}

void MockKernelClient::sendReport(const QByteArray &report)
{
    ask("report " + report.toHex());
}

void MockKernelClient::forgetReports()
{
    ask("forget");
}

void MockKernelClient::ask(const QByteArray &request)
{
    const QByteArray line = request + '\n';
    int written = 0;
    while (written < line.size()) {
        const ssize_t n = ::write(RequestDescriptor, line.constData() + written, size_t(line.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            std::fprintf(stderr, "mock kernel gone: cannot send \"%s\"\n", request.constData());
            std::exit(5);
        }
        written += int(n);
    }
    QByteArray answer;
    char c = 0;
    for (;;) {
        const ssize_t n = ::read(AnswerDescriptor, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || c == '\n')
            break;
        answer += c;
    }
    if (answer != "ok") {
        std::fprintf(stderr, "mock kernel did not do \"%s\": %s\n", request.constData(), answer.constData());
        std::exit(5);
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "childprocess.h"

#include <QProcess>

#include <csignal>
#include <memory>
#include <sys/prctl.h>
#include <unistd.h>
#include <vector>

namespace {
// The command as execve takes it, made before the fork: the child may not allocate.
struct ExecArguments
{
    explicit ExecArguments(const ChildCommand &command)
        : bytes(command)
    {
        argv.push_back(bytes.program.data());
        for (QByteArray &argument : bytes.arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        for (QByteArray &variable : bytes.environment)
            envp.push_back(variable.data());
        envp.push_back(nullptr);
    }
    ChildCommand bytes;
    std::vector<char *> argv;
    std::vector<char *> envp;
};
} // namespace

void protectChild(QProcess *process, const ChildCommand &command)
{
    const pid_t kavari = getpid();
    std::shared_ptr<ExecArguments> exec;
    if (!command.program.isEmpty())
        exec = std::make_shared<ExecArguments>(command);
    process->setChildProcessModifier([kavari, exec] {
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        // Kavari died between fork and prctl: nobody would ever reap or kill this child.
        if (getppid() != kavari)
            _exit(127);
        // Where this fails, QProcess tries its own, and reports why that failed.
        if (exec)
            execve(exec->argv[0], exec->argv.data(), exec->envp.data());
    });
    process->setStandardInputFile(QProcess::nullDevice());
}

qint64 childGroup(QProcess *process)
{
    const qint64 group = process->processId();
    if (group > 0)
        setpgid(static_cast<pid_t>(group), static_cast<pid_t>(group));
    return group;
}

void killGroup(qint64 group)
{
    // The group's id stays taken while any member lives, so this cannot reach a stranger that got
    // the number later.
    if (group > 0)
        ::kill(-static_cast<pid_t>(group), SIGKILL);
}

#include "support/cli_run.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "support/temp_dir.h"

namespace plumora::testing {

std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

namespace {

CliRun RunShellCli(const std::string& prefix, const std::vector<std::string>& args,
                   const std::string& scratchDir, const std::string& configDir,
                   const std::string& stdoutTo, const std::string& stdinFrom = "/dev/null") {
    // A program that blocks (on a FIFO, say) fails its test instead of
    // hanging the suite: exit status 124.
    std::string command = prefix + "timeout -k 5 120 env ";
    if (!configDir.empty()) command += "PLUMORA_CONFIG_DIR=" + ShellQuote(configDir) + " ";
    command += ShellQuote(PLUMORA_CLI_PATH);
    for (const auto& a : args) command += " " + ShellQuote(a);
    const std::string out = stdoutTo.empty() ? scratchDir + "/stdout.txt" : stdoutTo;
    const std::string err = scratchDir + "/stderr.txt";
    command += " >" + ShellQuote(out) + " 2>" + ShellQuote(err) + " <" + ShellQuote(stdinFrom);
    const int status = std::system(command.c_str());
    CliRun run;
    run.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (stdoutTo.empty()) run.Out = ReadAll(out);
    run.Err = ReadAll(err);
    return run;
}

}  // namespace

CliRun RunCli(const std::vector<std::string>& args, const std::string& scratchDir,
              const std::string& configDir, const std::string& stdoutTo) {
    return RunShellCli("", args, scratchDir, configDir, stdoutTo);
}

CliRun RunCliWithInput(const std::vector<std::string>& args, const std::string& input,
                       const std::string& scratchDir, const std::string& configDir) {
    const std::string in = scratchDir + "/stdin.txt";
    {
        std::FILE* f = std::fopen(in.c_str(), "wb");
        if (!f) return CliRun{};
        std::fwrite(input.data(), 1, input.size(), f);
        std::fclose(f);
    }
    return RunShellCli("", args, scratchDir, configDir, "", in);
}

CliRun RunCliIn(const std::string& cwd, const std::vector<std::string>& args,
                const std::string& scratchDir, const std::string& configDir) {
    return RunShellCli("cd " + ShellQuote(cwd) + " && ", args, scratchDir, configDir, "");
}

CliRun RunCliOnTerminal(const std::vector<std::string>& args, const std::string& scratchDir,
                        const std::string& configDir) {
    CliRun run;
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0) return run;
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 || !::ptsname(master)) {
        ::close(master);
        return run;
    }
    // Opened before the fork, so the terminal has a holder from the start and
    // the reads below end exactly when the program has exited.
    const int slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
    if (slave < 0) {
        ::close(master);
        return run;
    }
    const std::string err = scratchDir + "/stderr.txt";
    const pid_t child = ::fork();
    if (child == 0) {
        const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int in = ::open("/dev/null", O_RDONLY);
        if (slave < 0 || errFd < 0 || in < 0) ::_exit(127);
        ::dup2(in, 0);
        ::dup2(slave, 1);
        ::dup2(errFd, 2);
        if (!configDir.empty()) ::setenv("PLUMORA_CONFIG_DIR", configDir.c_str(), 1);
        ::alarm(120);  // survives the exec: a blocked program ends instead of the suite hanging
        std::vector<char*> argv;
        std::string program = PLUMORA_CLI_PATH;
        argv.push_back(program.data());
        std::vector<std::string> copies(args);
        for (std::string& a : copies) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(slave);
    if (child < 0) {
        ::close(master);
        return run;
    }
    // Read until the last holder of the terminal's other end is gone.
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(master, buffer, sizeof buffer);
        if (got > 0) {
            run.Out.append(buffer, static_cast<std::size_t>(got));
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else {
            break;
        }
    }
    ::close(master);
    int status = 0;
    ::waitpid(child, &status, 0);
    run.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::string plain;
    for (std::size_t i = 0; i < run.Out.size(); ++i) {
        if (run.Out[i] == '\r' && i + 1 < run.Out.size() && run.Out[i + 1] == '\n') continue;
        plain += run.Out[i];
    }
    run.Out = plain;
    run.Err = ReadAll(err);
    return run;
}

}  // namespace plumora::testing

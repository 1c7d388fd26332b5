#pragma once
// The commands of mousecfgctl. Each command file registers itself with one static
// CliCommandRegistrar, so adding a command never touches main.cpp:
//
//     namespace {
//     int runStatus(CliContext &context, const QStringList &args) { ... }
//     const CliCommandRegistrar registrar({"status", "status  one battery query", runStatus});
//     }

#include <QString>
#include <QStringList>

#include <vector>

class CliContext;

// Exit status besides 0 (success) and the device result codes 1, 2, 4, 5.
constexpr int kExitOk = 0;
constexpr int kExitUsage = 64;     // bad options or arguments
constexpr int kExitBadInput = 65;  // refused or unreadable input file

struct CliCommand {
    const char *name;
    // Synopsis, two spaces and a short description, one line: "status  one battery query".
    const char *usage;
    // args: what follows the command name. Returns the exit status.
    int (*run)(CliContext &context, const QStringList &args);
};

class CliCommandRegistrar {
public:
    explicit CliCommandRegistrar(const CliCommand &command);
};

// Every registered command, sorted by name.
std::vector<CliCommand> cliCommands();
const CliCommand *findCliCommand(const QString &name);

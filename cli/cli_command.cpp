#include "cli/cli_command.h"

#include <algorithm>
#include <cstring>

namespace {

// A function-local table, so registrars in other files may run in any order.
std::vector<CliCommand> &registry()
{
    static std::vector<CliCommand> commands;
    return commands;
}

} // namespace

CliCommandRegistrar::CliCommandRegistrar(const CliCommand &command) { registry().push_back(command); }

std::vector<CliCommand> cliCommands()
{
    std::vector<CliCommand> sorted = registry();
    std::sort(sorted.begin(), sorted.end(),
              [](const CliCommand &a, const CliCommand &b) { return std::strcmp(a.name, b.name) < 0; });
    return sorted;
}

const CliCommand *findCliCommand(const QString &name)
{
    for (const CliCommand &command : registry()) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

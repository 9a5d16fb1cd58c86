#include "cli/options.h"

#include "cli/command.h"

namespace cli {

namespace {

bool isOptionName(const QString& argument)
{
    return argument.startsWith(QLatin1String("--"));
}

} // namespace

Options::Options(const QStringList& arguments, const QStringList& named, const QStringList& flags,
                 Positionals positionals)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!isOptionName(argument)) {
            if (positionals == Positionals::AfterOptions) {
                m_positional = arguments.mid(i);
                return;
            }
            m_positional.append(argument);
            continue;
        }
        if (!named.contains(argument) && !flags.contains(argument))
            throw UsageError("unknown option " + argument.toStdString());
        if (m_values.count(argument) || m_flags.contains(argument))
            throw UsageError("repeated option " + argument.toStdString());
        if (flags.contains(argument)) {
            m_flags.append(argument);
            continue;
        }
        if (i + 1 >= arguments.size() || isOptionName(arguments[i + 1]))
            throw UsageError(argument.toStdString() + " needs a value");
        m_values[argument] = arguments[++i];
    }
}

std::optional<QString> Options::value(const QString& name) const
{
    const auto found = m_values.find(name);
    return found == m_values.end() ? std::nullopt : std::optional(found->second);
}

QString Options::onlyPositional(const char* wanted) const
{
    if (m_positional.size() != 1)
        throw UsageError(wanted);
    return m_positional.first();
}

void Options::noPositional(const char* command) const
{
    if (!m_positional.isEmpty())
        throw UsageError(std::string(command) + " takes no arguments");
}

bool asksForHelp(const QStringList& arguments)
{
    return arguments.contains(QLatin1String("--help"));
}

} // namespace cli

#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace cli {

// A command line's options and positional arguments. Options are the ones declared: named
// options "--name value", each at most once, and flags "--name" without a value. Anything else
// that starts with "--" is refused, as is a named option whose value is missing.
class Options final {
public:
    // Where positional arguments may stand: anywhere among the options, or only after them,
    // the first one ending the options (the global options before the command).
    enum class Positionals { Anywhere, AfterOptions };

    // Throws UsageError.
    Options(const QStringList& arguments, const QStringList& named, const QStringList& flags = {},
            Positionals positionals = Positionals::Anywhere);

    std::optional<QString> value(const QString& name) const;
    bool flag(const QString& name) const { return m_flags.contains(name); }
    bool noOptions() const { return m_values.empty() && m_flags.isEmpty(); }
    const QStringList& positional() const { return m_positional; }

    // The only positional argument, or a UsageError saying what the command wants instead.
    QString onlyPositional(const char* wanted) const;
    // A UsageError "COMMAND takes no arguments" where there is a positional argument.
    void noPositional(const char* command) const;

private:
    std::map<QString, QString> m_values;
    QStringList m_flags;
    QStringList m_positional;
};

// "--help" anywhere in a command's arguments asks for its usage instead of running it.
bool asksForHelp(const QStringList& arguments);

} // namespace cli

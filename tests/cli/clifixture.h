#pragma once

#include "support/httpfixture.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

struct CliRun {
    int exitCode = -1;
    QJsonObject json;      // standard output read as one JSON object
    QString standardOutput;
    QString standardError;
};

// lantuo-cli run as a program against a quote feed, index page and status reply in the test
// process, with its own data folder. The fixture server lives on this thread, so the wait for
// the program keeps the loop running.
class CliTest : public ::testing::Test {
protected:
    CliTest();

    void writeConfig(const QString& base);
    QString config() const { return dir.path() + QStringLiteral("/sites.ini"); }
    // Where the program keeps its settings database and state files.
    QString dataFolder() const { return dir.path() + QStringLiteral("/data/lantuo"); }

    CliRun run(const QStringList& arguments);
    QStringList withConfig(const QStringList& command)
    {
        return QStringList{QStringLiteral("--config"), config()} + command;
    }

    // The feed's record of a code, from field 2 on; a code without one gets an empty record.
    QHash<QString, QByteArray> feedRows;
    testsupport::HttpFixture server;
    QTemporaryDir dir;
};

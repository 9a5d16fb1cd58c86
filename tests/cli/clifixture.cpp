#include "clifixture.h"

#include <QEventLoop>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonDocument>
#include <QProcess>
#include <QTimer>

CliTest::CliTest()
{
    feedRows.insert(QStringLiteral("600036"), "600036,招商银行,12.34,-1.25%,-0.16,12.33,120,12.34,88,"
                                              "456789,56789.5,12.50,x,12.60,12.20,-120,35,");
    server.serve(QStringLiteral("/EM_Quote2007/optional.aspx"),
                 [this](const QHttpServerRequest& request, QHttpServerResponder& responder) {
                     const QString code = request.query().queryItemValue(QStringLiteral("fav"));
                     const QByteArray body = feedRows.contains(code)
                                                 ? "var quote=\"1," + feedRows.value(code) + "\""
                                                 : QByteArray("var quote=\"\";");
                     responder.write(body, "text/html; charset=utf-8");
                 });
    server.serveBytes(QStringLiteral("/EM_Quote2007/default.aspx"),
                      QByteArray("上证指数,3051.23,-12.34,-0.40%,1235000,1,2;"
                                 "深证成指,10234.50,56.70,0.56%,1225000,9"),
                      "text/html; charset=utf-8");
    server.serveGbk(QStringLiteral("/gplogin.asp"),
                    QStringLiteral("<body text=\"#000000\">1||http://s/start&2 8||http://s/notice&2</body>"));
    writeConfig(server.base());
}

void CliTest::writeConfig(const QString& base)
{
    QFile ini(config());
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write("[sites]\nall=" + base.toUtf8() + "\n");
}

CliRun CliTest::run(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.path() + QStringLiteral("/data"));
    process.setProcessEnvironment(environment);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    process.start(QStringLiteral(LANTUO_CLI_BIN), arguments);
    loop.exec();
    CliRun result;
    result.exitCode = process.exitCode();
    result.standardError = QString::fromUtf8(process.readAllStandardError());
    const QByteArray output = process.readAllStandardOutput();
    result.standardOutput = QString::fromUtf8(output);
    result.json = QJsonDocument::fromJson(output).object();
    return result;
}

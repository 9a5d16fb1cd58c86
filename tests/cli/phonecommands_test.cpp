// lantuo-cli register and save: the phone window's registration and the settings window's save,
// against a service in the test process.
#include "clifixture.h"

#include "support/phoneservice.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonArray>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

const QString number = QStringLiteral("13812345678");

class CliPhoneCommandsTest : public CliTest {
protected:
    CliPhoneCommandsTest()
    {
        feedRows.insert(QStringLiteral("000001"), "000001,平安银行,10.00,0.50%,0.05,9.99,10,10.00,20,"
                                                  "1000,100.0,9.90,x,10.10,9.80,10,5,");
        for (const QString& path : testsupport::phoneServicePaths())
            server.serve(path,
                         [this](const QHttpServerRequest& request, QHttpServerResponder& responder) {
                             if (failing) {
                                 responder.write(QHttpServerResponder::StatusCode::ServiceUnavailable);
                                 return;
                             }
                             const bool known = request.url().path() == QLatin1String("/gpaddsj.asp")
                                                && registered.contains(request.body());
                             registered << request.body();
                             responder.write(QStringEncoder("GBK").encode(known ? QStringLiteral("已存在")
                                                                                : QStringLiteral("好")),
                                             "text/html");
                         });
    }

    QStringList servicePaths() const
    {
        QStringList paths;
        for (const auto& request : server.requests())
            if (request.path.startsWith(QLatin1String("/gp")) && request.path != QLatin1String("/gplogin.asp"))
                paths << request.path;
        return paths;
    }

    bool failing = false;
    QByteArrayList registered;
};

TEST_F(CliPhoneCommandsTest, RegisterStoresTheNumberAndAKnownNumberIsToldSo)
{
    const CliRun first = run(withConfig({"register", number}));
    ASSERT_EQ(first.exitCode, 0) << first.standardError.toStdString();
    EXPECT_FALSE(first.json[QStringLiteral("known")].toBool());
    EXPECT_EQ(first.json[QStringLiteral("message")].toString(),
              number + QStringLiteral("手机号码保存成功,稍候您将收到 \"岚拓股票\" 字样的飞信邀请"));
    EXPECT_EQ(run(withConfig({"watch"})).json[QStringLiteral("phoneNumber")].toString(), number);

    const CliRun again = run(withConfig({"register", number}));
    EXPECT_TRUE(again.json[QStringLiteral("known")].toBool());
    EXPECT_EQ(again.json[QStringLiteral("message")].toString(), number + QStringLiteral("手机号码已存在"));
}

TEST_F(CliPhoneCommandsTest, TenDigitsAndAFailingServiceAreRefusedAndStoreNothing)
{
    const CliRun tenDigits = run(withConfig({"register", "1381234567"}));
    EXPECT_EQ(tenDigits.exitCode, 2);
    EXPECT_TRUE(tenDigits.standardError.contains(QStringLiteral("必须输入11位手机号码!")));
    EXPECT_TRUE(servicePaths().isEmpty());

    failing = true;
    const CliRun down = run(withConfig({"register", number}));
    EXPECT_EQ(down.exitCode, 2);
    EXPECT_TRUE(down.standardError.contains(QStringLiteral("当前服务器故障，请联系作者!")));
    EXPECT_EQ(run(withConfig({"watch"})).json[QStringLiteral("phoneNumber")].toString(), QString());
}

TEST_F(CliPhoneCommandsTest, SaveSendsTheCopyInOrderAndPrintsIt)
{
    ASSERT_EQ(run(withConfig({"watch", "add", "600036"})).exitCode, 0);
    ASSERT_EQ(run(withConfig({"watch", "add", "000001"})).exitCode, 0);
    ASSERT_EQ(run(withConfig({"watch", "set", "000001", "--report", "1", "--minutes", "30"})).exitCode, 0);
    ASSERT_EQ(run(withConfig({"register", number})).exitCode, 0);
    ASSERT_EQ(run(withConfig({"switches", "--local", "1", "--remote", "1"})).exitCode, 0);
    server.clearRequests();

    const CliRun saved = run(withConfig({"save"}));
    ASSERT_EQ(saved.exitCode, 0) << saved.standardError.toStdString();
    const QStringList expected = {"/gpycf.asp", "/gpdel1.asp", "/gpadd1.asp", "/gpadd1.asp", "/gpdel2.asp",
                                  "/gpadd2.asp", "/gpadd2.asp", "/gpdel3.asp", "/gpadd3.asp"};
    EXPECT_EQ(servicePaths(), expected);
    const QJsonArray printed = saved.json[QStringLiteral("requests")].toArray();
    ASSERT_EQ(printed.size(), 9);
    QStringList printedPaths;
    for (const QJsonValue& request : printed)
        printedPaths << request[QStringLiteral("path")].toString();
    EXPECT_EQ(printedPaths, expected);
    EXPECT_EQ(printed[8][QStringLiteral("fields")].toArray(),
              (QJsonArray{"sn=13812345678", "sjjg=30", "gpdm=000001", "gpmc=平安银行"}));
    EXPECT_EQ(saved.json[QStringLiteral("status")].toString(),
              QStringLiteral("本机监视股价：启用  手机接收股价：启用"));
}

TEST_F(CliPhoneCommandsTest, SaveWithoutANumberSendsNothingAndAFailingServiceExitsTwo)
{
    ASSERT_EQ(run(withConfig({"watch", "add", "600036"})).exitCode, 0);
    const CliRun noNumber = run(withConfig({"save"}));
    ASSERT_EQ(noNumber.exitCode, 0) << noNumber.standardError.toStdString();
    EXPECT_TRUE(noNumber.json[QStringLiteral("requests")].toArray().isEmpty());
    EXPECT_TRUE(servicePaths().isEmpty());

    ASSERT_EQ(run(withConfig({"register", number})).exitCode, 0);
    failing = true;
    const CliRun down = run(withConfig({"save"}));
    EXPECT_EQ(down.exitCode, 2);
    EXPECT_TRUE(down.standardError.contains(QStringLiteral("当前服务器故障，请联系作者!")));
}

} // namespace

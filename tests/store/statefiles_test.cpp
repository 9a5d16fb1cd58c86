#include "store/statefiles.h"
#include "support/namedcase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testsupport::PrintTo;

class StateFilesTest : public ::testing::Test {
protected:
    void writeRaw(const char* name, const QByteArray& bytes)
    {
        QFile file(files.path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readRaw(const char* name)
    {
        QFile file(files.path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QByteArray gbk(const QString& text) { return QStringEncoder("GBK").encode(text); }

    QTemporaryDir dir;
    store::StateFiles files{dir.path()};
};

struct StockFileCase {
    const char* name;
    std::optional<QByteArray> bytes;
    QString expected;
};

class StockFileReadTest : public StateFilesTest,
                          public ::testing::WithParamInterface<StockFileCase> {};

TEST_P(StockFileReadTest, ReadsTheFirstLineOrNothing)
{
    if (GetParam().bytes)
        writeRaw(store::StateFiles::stockFileName, *GetParam().bytes);
    EXPECT_EQ(files.readStockCode(), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StockFileReadTest,
    ::testing::Values(StockFileCase{"missing file", std::nullopt, QString()},
                      StockFileCase{"crlf line", QByteArray("600036\r\n"), "600036"},
                      StockFileCase{"no line end", QByteArray("300059"), "300059"},
                      StockFileCase{"lf only, extra lines", QByteArray("000002\nxyz\n"), "000002"},
                      StockFileCase{"empty first line", QByteArray("\r\n600036\r\n"), QString()},
                      StockFileCase{"empty file", QByteArray(), QString()},
                      StockFileCase{"garbage", QByteArray("\xff\xfe<html>"), QString()},
                      StockFileCase{"five digits", QByteArray("60003\r\n"), QString()}));

TEST_F(StateFilesTest, StockCodeWrittenAsOneGbkCrlfLineReplacingTheFile)
{
    writeRaw(store::StateFiles::stockFileName, "999999\r\nold second line\r\n");
    files.writeStockCode(QStringLiteral("600036"));
    EXPECT_EQ(readRaw(store::StateFiles::stockFileName), QByteArray("600036\r\n"));
    EXPECT_EQ(files.readStockCode(), QStringLiteral("600036"));
}

struct ChannelCase {
    const char* name;
    QString content;
    QStringList names;
    QStringList urls;
    int lineCount;
};

class ChannelReadTest : public StateFilesTest, public ::testing::WithParamInterface<ChannelCase> {};

TEST_P(ChannelReadTest, SplitsEachLineAtItsFirstAmpersand)
{
    writeRaw(store::StateFiles::favouritesFileName, gbk(GetParam().content));
    const store::ChannelList list = files.readFavourites();
    EXPECT_EQ(list.names, GetParam().names) << GetParam().name;
    EXPECT_EQ(list.urls, GetParam().urls) << GetParam().name;
    EXPECT_EQ(list.lineCount, GetParam().lineCount) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChannelReadTest,
    ::testing::Values(
        ChannelCase{"two lines", QStringLiteral("央视新闻&http://a/1\r\n财经频道&http://a/2\r\n"),
                    {QStringLiteral("央视新闻"), QStringLiteral("财经频道")},
                    {QStringLiteral("http://a/1"), QStringLiteral("http://a/2")}, 2},
        ChannelCase{"query string stays in the address",
                    QStringLiteral("台&http://a/p?x=1&y=2\r\n"), {QStringLiteral("台")},
                    {QStringLiteral("http://a/p?x=1&y=2")}, 1},
        ChannelCase{"line without ampersand adds nothing but counts",
                    QStringLiteral("no separator\r\n\r\n甲&http://b\r\n"), {QStringLiteral("甲")},
                    {QStringLiteral("http://b")}, 3},
        ChannelCase{"lf line ends", QStringLiteral("a&u1\nb&u2"), {"a", "b"}, {"u1", "u2"}, 2},
        ChannelCase{"empty file", QString(), {}, {}, 0}));

TEST_F(StateFilesTest, MissingChannelFilesGiveEmptyLists)
{
    EXPECT_FALSE(files.favouritesExist());
    const store::ChannelList recent = files.readRecent();
    EXPECT_TRUE(recent.names.isEmpty());
    EXPECT_EQ(recent.lineCount, 0);
}

TEST_F(StateFilesTest, ChannelListsRoundTripAndAnEmptyListWritesAnEmptyFile)
{
    const QStringList names{QStringLiteral("凤凰卫视"), QStringLiteral("第一财经")};
    const QStringList urls{QStringLiteral("http://h/live?id=1&q=2"), QStringLiteral("http://h/2")};
    files.writeFavourites(names, urls);
    EXPECT_EQ(readRaw(store::StateFiles::favouritesFileName),
              gbk(QStringLiteral("凤凰卫视&http://h/live?id=1&q=2\r\n第一财经&http://h/2\r\n")));
    const store::ChannelList back = files.readFavourites();
    EXPECT_EQ(back.names, names);
    EXPECT_EQ(back.urls, urls);

    files.writeRecent({}, {});
    EXPECT_TRUE(QFileInfo::exists(files.path(store::StateFiles::recentFileName)));
    EXPECT_TRUE(readRaw(store::StateFiles::recentFileName).isEmpty());
}

TEST_F(StateFilesTest, WriteIntoAFolderThatCannotHoldFilesThrows)
{
    // A plain file where the folder should be: every write must fail loudly, never silently.
    const QString notAFolder = dir.path() + QStringLiteral("/plain");
    QFile plain(notAFolder);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    store::StateFiles broken(notAFolder);
    EXPECT_THROW(broken.writeFavourites({}, {}), store::StateFileError);
    EXPECT_THROW(broken.writeStockCode(QStringLiteral("600036")), store::StateFileError);
}

} // namespace

#pragma once

#include "shellfixture.h"

#include "ui/mainwindow.h"
#include "ui/splashwindow.h"

#include <QColor>
#include <QLabel>
#include <QStringList>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

class QMenu;

namespace uitest {

inline const QColor red(255, 0, 0);
inline const QColor green(0, 128, 0);

// The index box as the market fixture's index page fills it.
inline const QString shanghaiLine = QStringLiteral("上证：3112.85  跌-6.29↓ 成交1385亿");
inline const QString shenzhenLine = QStringLiteral("深成：9994.62  涨11.16↑ 成交2474亿");

QString readGbk(const QString& path);
void writeGbk(const QString& path, const QString& text);
// A menu's item texts, separators as "-".
QStringList menuTexts(const QMenu& menu);

// Every warning the program logs while it lives; a refused request logs one.
class WarningLog final {
public:
    WarningLog();
    ~WarningLog();
    Q_DISABLE_COPY_MOVE(WarningLog)

    QStringList refusals() const;

private:
    QtMessageHandler m_previous;
};

// A main window against the in-process market, not shown until a test says so.
class StockCoreTest : public ::testing::Test {
protected:
    void build();
    // Builds and shows the window, lets the splash go and stops Timer1, so a test ticks it
    // itself.
    void start();

    QLabel& label(const char* name) const;
    QString file(const char* name) const;
    // Types the code into the code box and clicks the picture button.
    void lookUp(const QString& code);
    QUrl stockPageUrl() const;
    QString boxTitle(const char* name) const;
    // The quote panel as the fixture's row of the code fills it.
    void expectPanel(const QString& code) const;
    void expectIndexBox() const;

    ShellObjects objects;
    std::unique_ptr<ui::TForm12> splash;
    std::unique_ptr<ui::TForm1> window;
};

} // namespace uitest

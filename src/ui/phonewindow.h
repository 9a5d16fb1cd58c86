#pragma once

#include "net/httpclient.h"
#include "ui/services.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;

namespace store {
class SettingsDatabase;
}

namespace ui {

// Registration of the mobile number that receives the alerts.
class TForm4 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm4)

public:
    TForm4(const Services& services, store::SettingsDatabase& database, QWidget* parent = nullptr);

    // Shows the window for a first number or for replacing the one on record.
    void openFor(bool phoneOnRecord, const QString& number);
    net::HttpClient& client() { return m_client; }

signals:
    // The service took the number and it is the number on record.
    void registered(const QString& number);
    // The window was closed, whichever way.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BitBtn1Click();

    const app::Sites& m_sites;
    app::Prompter& m_prompter;
    net::BrowserOpener& m_browserOpener;
    store::SettingsDatabase& m_database;
    net::HttpClient m_client{QStringLiteral("IdHTTP1")};

    QLabel* m_status = nullptr;
    QGroupBox* m_group = nullptr;
    QLineEdit* m_numberBox = nullptr;
};

} // namespace ui

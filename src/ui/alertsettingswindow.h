#pragma once

#include "alerts/alertsettingseditor.h"
#include "net/httpclient.h"
#include "ui/services.h"

#include <QWidget>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace alerts {
class LocalAlerts;
}

namespace ui {

// The alert settings: the watched stocks, what to be told about each, the number that receives
// the alerts and the two delivery switches. It edits a copy of the saved list; only a save
// reaches the database, the service and the engine.
class TForm3 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm3)

public:
    TForm3(const Services& services, alerts::LocalAlerts& alerts, QWidget* parent = nullptr);

    // ToolButton5Click / N17Click: loads the saved settings and shows the window; nothing when it
    // is already open.
    void openSettings();
    // The main window's command that opens the window.
    void serve(QAction& openCommand);
    // The phone window registered a number: it is the number on record from now on.
    void numberRegistered(const QString& number);

    bool phoneOnRecord() const { return m_editor.phoneOnRecord(); }
    QString shownNumber() const { return m_editor.shownNumber(); }
    const alerts::AlertSettingsEditor& editor() const { return m_editor; }
    net::HttpClient& client() { return m_client; }

signals:
    // The window opens: the alert timers and the ticker stop, the main window is disabled.
    void opening();
    // A save went through: the status bar's text and the number of watched stocks, for the
    // ticker's rows; then the same as left().
    void saved(const QString& statusText, int stockCount);
    // The window closes without saving.
    void left();
    // The link "点这里添加或修改号码" was clicked.
    void phoneWindowRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildStockGroup();
    void buildOptionGroup();
    void buildPhoneBox(QGroupBox& group);
    void buildBottomRow();
    QCheckBox* addCheckBox(QWidget& parent, const char* name, const QString& text, const QPoint& at);
    QComboBox* addComboBox(QWidget& parent, const char* name, const QStringList& items, const QRect& at);
    void connectOptions();

    void showList();
    void showPhone();
    void delclick();
    void enableOptions(bool enabled);
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

    const app::Sites& m_sites;
    app::Prompter& m_prompter;
    net::BrowserOpener& m_browserOpener;
    alerts::LocalAlerts& m_alerts;
    net::HttpClient m_client{QStringLiteral("IdHTTP1")};
    alerts::AlertSettingsEditor m_editor;

    QLineEdit* m_codeBox = nullptr;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_priceLabel = nullptr;
    QListWidget* m_list = nullptr;
    std::array<QCheckBox*, 6> m_options{};   // CheckBox1-CheckBox6
    std::array<QComboBox*, 4> m_choices{};   // ComboBox1-ComboBox4
    QLabel* m_numberLabel = nullptr;
    QCheckBox* m_remoteBox = nullptr;       // CheckBox7
    QCheckBox* m_localBox = nullptr;        // CheckBox8
    bool m_closingAfterSave = false;
};

} // namespace ui

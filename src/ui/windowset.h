#pragma once

#include "ui/alertsettingswindow.h"
#include "ui/announcementswindow.h"
#include "ui/bigorderpopup.h"
#include "ui/bigtradepopup.h"
#include "ui/capitalflowwindow.h"
#include "ui/digestwindow.h"
#include "ui/flowpopup.h"
#include "ui/holdingspopup.h"
#include "ui/limitpopup.h"
#include "ui/mainwindow.h"
#include "ui/phonewindow.h"
#include "ui/piewindow.h"
#include "ui/pricegridwindow.h"
#include "ui/recommendwindow.h"
#include "ui/risefallpopup.h"
#include "ui/searchnoticepopup.h"
#include "ui/selectedstockswindow.h"
#include "ui/splashwindow.h"
#include "ui/tendaychartwindow.h"
#include "ui/tickerwindow.h"

#include "ui/mainwindowhold.h"
#include "ui/services.h"

namespace ui {

// Every window of the client. The members are declared in the start-up order, so they are
// created in it (the splash first, then the main window, whose first show runs inside its
// creation, then the rest, hidden) and destroyed in reverse.
struct WindowSet final {
    Q_DISABLE_COPY_MOVE(WindowSet)

    explicit WindowSet(const Services& services, bool showAtCreation = true);

    TForm12 splash;
    TForm1 mainWindow;
    TForm2 announcements;
    TForm3 alertSettings;
    TForm4 phone;
    TForm5 priceGrid;
    TForm6 limitPopup;
    TForm7 bigTradePopup;
    TForm8 bigOrderPopup;
    TForm9 riseFallPopup;
    TForm10 flowPopup;
    TForm11 searchNotice;
    TForm13 tenDayChart;
    TForm14 pie;
    TForm15 ticker;
    TForm16 recommend;
    TForm17 holdingsPopup;
    TForm18 capitalFlow;
    TForm20 selectedStocks;
    TForm21 digest;

    MainWindowHold mainWindowHold{mainWindow};

private:
    // How the windows reach each other, all in one place.
    void wire();
    void wireAlertSettings();
    void endAlertSettings();
    void wireBigOrders();
    void showPie();
    void showTenDays();
    void showCapitalFlow();
    void showAlert(const alerts::AlertEvent& event);
};

} // namespace ui

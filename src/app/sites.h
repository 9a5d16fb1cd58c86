#pragma once

#include <QString>

namespace app {

// Where every outside site and the own service live. Compiled-in defaults, overridden by the
// [sites] section of sites.ini:
//
//   [sites]
//   all=http://127.0.0.1:8856        ; every site key the file does not set itself
//   serviceBase=http://127.0.0.1:8856
//   quoteSite=http://quote.example   ; site keys: scheme and host, optional port, no slash
//   faultPage=http://…/fault.html    ; page keys: a whole address
//   authorQQ=12345                   ; plain text
struct Sites {
    QString serviceBase;
    QString quoteSite;
    QString bigOrderSite;
    QString holdingsSite;
    QString capitalFlowSite;
    QString chartImageSite;
    QString forumSite;
    QString sinaFinanceSite;
    QString noticeSite;
    QString p5wSite;
    QString eastmoneyNewsSite;
    QString jrjStockSite;
    QString jrjForumSite;
    QString privateFundLetterSite;
    QString qqFinanceSite;
    QString insiderLetterSite;
    QString institutionLetterSite;
    QString marketDataSite;
    QString stockPoolSite;

    QString faultPage;
    QString authorContact;
    QString phoneServiceHome;
    QString authorQQ;

    static Sites defaults();
    // Defaults overridden by the file; a missing file leaves the defaults.
    static Sites fromFile(const QString& iniPath);
    // sites.ini in the application's config folder (follows XDG_CONFIG_HOME).
    static QString defaultIniPath();
};

} // namespace app

#pragma once

#include <QHttpServerResponse>
#include <QString>

namespace service {

// Reply page of the own service: an HTML page in GBK whose body tag ends with text="#000000">;
// the payload runs from right after that tag to "</body>". Inside the payload each path has its
// own layout of fields ended by "&1" … "&4" (the recommendation list uses "$a0" … "$a4", the
// channel list also ends its records with "***"). Pages meant for a browser are plain GBK HTML.
class ServicePage final {
public:
    static QString envelope(const QString& payload);
    // A data reply: the payload in the envelope.
    static QHttpServerResponse data(const QString& payload);
    // A page for a browser; bodyHtml is markup that the caller has already escaped.
    static QHttpServerResponse html(const QString& title, const QString& bodyHtml,
                                    int status = 200);
    // A refused request: the status and the reason, in the envelope so a reader finds it.
    // The reasons never contain the words the client looks for in replies.
    static QHttpServerResponse error(int status, const QString& message);
    static QHttpServerResponse gbkResponse(const QString& text, int status);
    static QString escape(const QString& text) { return text.toHtmlEscaped(); }
};

} // namespace service

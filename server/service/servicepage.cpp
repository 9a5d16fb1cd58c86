#include "service/servicepage.h"

#include "service/gbk.h"

#include "net/serviceenvelope.h"

namespace service {

namespace {

const QString kHead = QStringLiteral(
    "<html>\r\n<head>\r\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
    "<title>%1</title>\r\n</head>\r\n");

} // namespace

QString ServicePage::envelope(const QString& payload)
{
    return net::envelopePage(payload);
}

QHttpServerResponse ServicePage::gbkResponse(const QString& text, int status)
{
    const auto bytes = Gbk::encode(text);
    if (!bytes) {
        return QHttpServerResponse("text/plain", "500 reply not encodable\n",
                                   QHttpServerResponse::StatusCode::InternalServerError);
    }
    return QHttpServerResponse("text/html; charset=GBK", *bytes,
                               static_cast<QHttpServerResponse::StatusCode>(status));
}

QHttpServerResponse ServicePage::data(const QString& payload)
{
    return gbkResponse(envelope(payload), 200);
}

QHttpServerResponse ServicePage::html(const QString& title, const QString& bodyHtml, int status)
{
    const QString page = kHead.arg(escape(title))
                       + QStringLiteral("<body bgcolor=\"#FFFFFF\" text=\"#000000\">\r\n")
                       + bodyHtml + QStringLiteral("\r\n</body>\r\n</html>\r\n");
    return gbkResponse(page, status);
}

QHttpServerResponse ServicePage::error(int status, const QString& message)
{
    return gbkResponse(envelope(QStringLiteral("错误：") + escape(message)), status);
}

} // namespace service

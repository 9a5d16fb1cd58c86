#include "service/formbody.h"

#include "service/gbk.h"

#include <optional>

namespace service {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<QByteArray> percentDecode(QByteArrayView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            bytes.append(' ');
        } else if (c == '%') {
            if (i + 2 >= text.size())
                return std::nullopt;
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high < 0 || low < 0)
                return std::nullopt;
            bytes.append(char(high * 16 + low));
            i += 2;
        } else {
            bytes.append(c);
        }
    }
    return bytes;
}

bool isKeyText(const QByteArray& key)
{
    if (key.isEmpty() || key.size() > 32)
        return false;
    for (char c : key) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
                     || c == '_';
        if (!ok)
            return false;
    }
    return true;
}

bool isFormType(const QByteArray& contentType)
{
    const QByteArray type = contentType.split(';').first().trimmed().toLower();
    return type.isEmpty() || type == "application/x-www-form-urlencoded";
}

} // namespace

std::variant<FormBody, FormBody::Error> FormBody::parse(const QByteArray& body,
                                                        const QByteArray& contentType)
{
    if (!isFormType(contentType))
        return Error{415, QStringLiteral("表单类型应为 application/x-www-form-urlencoded")};
    if (body.size() > kMaxBytes)
        return Error{413, QStringLiteral("表单太大")};
    FormBody form;
    if (body.isEmpty())
        return form;
    const QList<QByteArray> pairs = body.split('&');
    if (pairs.size() > kMaxFields)
        return Error{400, QStringLiteral("表单字段太多")};
    for (const QByteArray& pair : pairs) {
        const qsizetype equals = pair.indexOf('=');
        if (equals < 0)
            return Error{400, QStringLiteral("表单格式错误")};
        const auto key = percentDecode(QByteArrayView(pair).first(equals));
        const auto raw = percentDecode(QByteArrayView(pair).sliced(equals + 1));
        if (!key || !raw || !isKeyText(*key))
            return Error{400, QStringLiteral("表单格式错误")};
        const auto text = Gbk::decode(*raw);
        if (!text)
            return Error{400, QStringLiteral("表单含有非GBK编码的字节")};
        const QString name = QString::fromLatin1(*key);
        if (form.m_fields.contains(name))
            return Error{400, QStringLiteral("表单字段重复：") + name};
        form.m_fields.insert(name, *text);
    }
    return form;
}

} // namespace service

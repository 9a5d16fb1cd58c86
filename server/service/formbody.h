#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <variant>

namespace service {

// A posted form: "application/x-www-form-urlencoded", key=value pairs joined by "&", each value
// percent-encoded from its GBK bytes ("+" stands for a blank). Keys are ASCII. A body that breaks
// any of these rules is refused as a whole, never half read.
class FormBody final {
public:
    static constexpr qsizetype kMaxBytes = 64 * 1024;
    static constexpr int kMaxFields = 32;

    struct Error {
        int status = 400;
        QString message;
    };

    static std::variant<FormBody, Error> parse(const QByteArray& body,
                                               const QByteArray& contentType);

    bool has(const QString& key) const { return m_fields.contains(key); }
    QString value(const QString& key) const { return m_fields.value(key); }

private:
    QHash<QString, QString> m_fields;
};

} // namespace service

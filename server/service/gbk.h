#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace service {

// The own service speaks GBK (code page 936) both ways.
class Gbk final {
public:
    // Fails on bytes that are not GBK text: broken sequences, and the user-defined areas, which
    // decode to private-use characters that no client can show.
    static std::optional<QString> decode(const QByteArray& bytes);
    // Fails on characters GBK cannot write.
    static std::optional<QByteArray> encode(const QString& text);
};

} // namespace service

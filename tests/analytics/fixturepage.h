#pragma once

#include "net/pagetext.h"

#include <QFile>
#include <QString>

namespace analyticstest {

// A page of tests/fixtures as the site sends it: its GBK bytes, decoded as the client does.
inline QString fixturePage(const QString& name)
{
    QFile file(QStringLiteral(LANTUO_FIXTURES_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return net::decodePage(file.readAll(), net::Encoding::Gbk);
}

} // namespace analyticstest

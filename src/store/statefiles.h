#pragma once

// The three state files in systemDir, plain GBK text, one record a line, lines ended by CR LF
// (reading accepts any common line end):
//
//   gp06856.dat     line 1: the six-digit code of the stock last loaded
//   gpnew06858.dat  recent channels, one "name&address" a line
//   gpnew06857.dat  favourite channels, same form
//
// A channel line is split at its first "&", so an address with a query string stays whole; a line
// without "&" adds nothing. Every write replaces its file through QSaveFile, so a failed write
// leaves the previous file as it was.

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace store {

class StateFileError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Names and addresses as parallel lists, plus the number of lines the file had.
struct ChannelList {
    QStringList names;
    QStringList urls;
    int lineCount = 0;
};

class StateFiles final {
public:
    static constexpr const char* stockFileName = "gp06856.dat";
    static constexpr const char* recentFileName = "gpnew06858.dat";
    static constexpr const char* favouritesFileName = "gpnew06857.dat";
    static constexpr const char* defaultStockCode = "000001";

    explicit StateFiles(QString dir) : m_dir(std::move(dir)) {}

    // The remembered code; empty when the file is missing or its first line is not a code.
    QString readStockCode() const;
    // Throws StateFileError when the file cannot be written.
    void writeStockCode(const QString& code) const;

    // Nothing when the file is missing.
    ChannelList readRecent() const { return readChannels(path(recentFileName)); }
    ChannelList readFavourites() const { return readChannels(path(favouritesFileName)); }
    bool favouritesExist() const;

    // Throws StateFileError when the file cannot be written.
    void writeRecent(const QStringList& names, const QStringList& urls) const
    {
        writeChannels(path(recentFileName), names, urls);
    }
    void writeFavourites(const QStringList& names, const QStringList& urls) const
    {
        writeChannels(path(favouritesFileName), names, urls);
    }

    QString path(const char* fileName) const;

private:
    static ChannelList readChannels(const QString& filePath);
    static void writeChannels(const QString& filePath, const QStringList& names,
                              const QStringList& urls);

    QString m_dir;
};

} // namespace store

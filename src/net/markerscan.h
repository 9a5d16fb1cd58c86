#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace net {

// The scraping idiom: values cut out of a page between literal start and end markers.
//
// The rules, at every position of the text in turn (never skipping ahead after a match):
// - every start marker standing there (in pair order) opens its pair and moves the pair's cut
//   start to just after itself, so of several starts before an end the last one wins;
// - then every end marker standing there whose pair is open cuts the value from the cut start up
//   to the end marker and closes the pair; an end of a pair that is not open is ignored;
// - a start and an end of one pair may overlap or stand at the same position: the value is then
//   empty, never of negative length;
// - a gated pair's start counts only once the gate pair's start has been seen (at an earlier
//   position, or at the same position earlier in pair order);
// - with a shared cut start, every counted start of any pair moves the one cut start.
// A page without the markers yields nothing, which is not an error. Empty markers never match,
// so a pair with an empty end never cuts: as a gate it stands for "nothing counts until this
// marker was seen". Scans with their own state (a cut that keeps its end marker, a scan that ends
// at one marker) walk the hits of markerwalk.h directly.

enum class Trim { No, Yes };       // Yes: drop leading and trailing characters of code 0 to 32
enum class Records { All, First }; // First: stop after the first value cut

struct ScanOptions {
    Trim trim = Trim::No;
    Records records = Records::All;
    bool sharedStart = false;
};

struct MarkerPair {
    QString start;
    QString end;
    int gate = -1; // index of the pair whose start must have been seen first; -1 for none
};

struct ByteMarkerPair {
    QByteArray start;
    QByteArray end;
    int gate = -1;
};

struct Cut {
    int pair = 0;
    QString value;
    friend bool operator==(const Cut&, const Cut&) = default;
};

struct ByteCut {
    int pair = 0;
    QByteArray value;
    friend bool operator==(const ByteCut&, const ByteCut&) = default;
};

// Gets each value as it is cut, in text order, with the index of its pair; returns false to end
// the scan there.
using CutHandler = std::function<bool(int pair, QStringView value)>;
using ByteCutHandler = std::function<bool(int pair, QByteArrayView value)>;

// Every value in text order. Throws std::invalid_argument for a gate that names no other pair.
std::vector<Cut> scan(QStringView text, std::span<const MarkerPair> pairs,
                      const ScanOptions& options = {});
void scan(QStringView text, std::span<const MarkerPair> pairs, const ScanOptions& options,
          const CutHandler& onCut);

// The same over undecoded reply bytes, for pages whose markers are all ASCII.
std::vector<ByteCut> scan(QByteArrayView bytes, std::span<const ByteMarkerPair> pairs,
                          const ScanOptions& options = {});
void scan(QByteArrayView bytes, std::span<const ByteMarkerPair> pairs, const ScanOptions& options,
          const ByteCutHandler& onCut);

// One pair, every value / the first value.
QStringList cutAll(QStringView text, QStringView start, QStringView end, Trim trim = Trim::No);
std::optional<QString> cutFirst(QStringView text, QStringView start, QStringView end,
                                Trim trim = Trim::No);
QList<QByteArray> cutAll(QByteArrayView bytes, QByteArrayView start, QByteArrayView end,
                         Trim trim = Trim::No);
std::optional<QByteArray> cutFirst(QByteArrayView bytes, QByteArrayView start,
                                   QByteArrayView end, Trim trim = Trim::No);

// Without leading and trailing characters of code 0 to 32 (blanks, line breaks, controls). Not
// QString::trimmed(): that keeps most controls and drops wide Unicode spaces.
QStringView trimControls(QStringView text);
QByteArrayView trimControls(QByteArrayView bytes);

} // namespace net

#include "net/serviceenvelope.h"

#include "net/markerscan.h"
#include "net/markerwalk.h"

namespace net {

namespace {

// Walks the marks; with a start marker, pieces begin only after it and "</body>" ends the walk.
std::vector<MarkedPiece> cutPieces(QStringView text, std::span<const QString> marks,
                                   std::optional<QStringView> marker)
{
    std::vector<QStringView> searched;
    if (marker) {
        searched.push_back(*marker);
        searched.push_back(envelopeEnd);
    }
    const int firstMark = int(searched.size());
    searched.insert(searched.end(), marks.begin(), marks.end());

    std::vector<MarkedPiece> pieces;
    bool started = !marker;
    qsizetype pieceStart = 0;
    MarkerWalk walk(text, searched);
    MarkerWalk::Hit hit;
    while (walk.next(hit)) {
        if (marker && hit.marker == 0) {
            started = true;
            pieceStart = hit.position + marker->size();
            continue;
        }
        if (!started)
            continue;
        if (marker && hit.marker == 1)
            break;
        const qsizetype length = hit.position - pieceStart;
        pieces.push_back(MarkedPiece{hit.marker - firstMark,
                                     length > 0 ? text.sliced(pieceStart, length).toString()
                                                : QString()});
        pieceStart = hit.position + searched[std::size_t(hit.marker)].size();
    }
    return pieces;
}

} // namespace

QString envelopePage(const QString& payload)
{
    return QStringLiteral("<html>\r\n<head>\r\n"
                          "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
                          "<title>lantuo</title>\r\n</head>\r\n<body bgcolor=\"#FFFFFF\" ")
           + envelopeMarker.toString() + payload + QStringLiteral("</body>\r\n</html>\r\n");
}

std::optional<QString> envelopePayload(QStringView page, QStringView marker)
{
    std::optional<qsizetype> start;
    MarkerWalk walk(page, {marker, envelopeEnd});
    MarkerWalk::Hit hit;
    while (walk.next(hit)) {
        if (hit.marker == 0) {
            start = hit.position + marker.size();
        } else if (start) {
            const qsizetype length = hit.position - *start;
            return length > 0 ? page.sliced(*start, length).toString() : QString();
        }
    }
    if (!start)
        return std::nullopt;
    return page.sliced(*start).toString();
}

std::vector<MarkedPiece> splitAtMarks(QStringView text, std::span<const QString> marks)
{
    return cutPieces(text, marks, std::nullopt);
}

std::vector<MarkedPiece> envelopePieces(QStringView page, std::span<const QString> marks,
                                        QStringView marker)
{
    return cutPieces(page, marks, marker);
}

QStringList envelopeSegments(QStringView page, QStringView mark, QStringView marker)
{
    const QString marks[] = {mark.toString()};
    QStringList segments;
    for (const MarkedPiece& piece : cutPieces(page, marks, marker)) {
        const QStringView segment = trimControls(piece.text);
        if (!segment.isEmpty())
            segments.append(segment.toString());
    }
    return segments;
}

} // namespace net

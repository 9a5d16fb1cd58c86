#include "ui/tickerwindow.h"

#include "ui/fonts.h"
#include "ui/labelcolours.h"
#include "ui/widgetparts.h"
#include "ui/windowshell.h"

#include <QLabel>

#include <optional>

namespace ui {

namespace {

constexpr int tickerFontPixels = 11;
constexpr int cellHeight = 18;

struct CellPlace {
    int left;
    int width;
};
constexpr std::array<CellPlace, 4> cellPlaces = {{{68, 52}, {128, 45}, {184, 52}, {251, 69}}};

// Until the first index page arrives the cells stand on a dark ground.
const QColor idleGround(64, 64, 64);

void showCell(QLabel& label, const std::optional<quotes::TickerCell>& cell)
{
    if (!cell)
        return;
    label.setText(cell->text);
    if (cell->background)
        setCellGround(label, toQColor(*cell->background));
}

} // namespace

TForm15::TForm15(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm15");
    setFont(songFont(tickerFontPixels));
    m_shanghai = makeIndexRow({"Label8", "Label9", "Label11", "Label12"}, 21);
    m_shenzhen = makeIndexRow({"Label16", "Label17", "Label18", "Label19"}, 42);
    m_tickerActive = true;
}

TForm15::IndexCells TForm15::makeIndexRow(const std::array<const char*, 4>& names, int top)
{
    IndexCells cells{};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        QLabel* label = plainLabel(
            *this, {.name = names[i],
                    .geometry = QRect(cellPlaces[i].left, top, cellPlaces[i].width, cellHeight),
                    .fontPixels = tickerFontPixels,
                    .bold = true,
                    .alignment = Qt::AlignCenter});
        setTextColour(*label, Qt::white);
        setCellGround(*label, idleGround);
        cells[i] = label;
    }
    return cells;
}

void TForm15::showIndices(const quotes::IndexBox& box)
{
    if (!m_tickerActive)
        return;
    showIndexCells(m_shanghai, box.shanghai);
    showIndexCells(m_shenzhen, box.shenzhen);
}

void TForm15::showIndexCells(const IndexCells& cells, const quotes::IndexDisplay& display)
{
    showCell(*cells[0], display.value);
    showCell(*cells[1], display.change);
    showCell(*cells[2], display.percent);
    showCell(*cells[3], display.turnover);
}

} // namespace ui

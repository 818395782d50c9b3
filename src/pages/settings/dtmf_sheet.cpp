// The DTMF sheet: the DTMF ANI page on paper, every value as its binding
// prints it. The global options and the dial memories at the margin; the
// paging parameters, the paging codes and the ANI settings 70 columns to the
// right, from the same top line; the columns narrow where the 130 of them would
// not fit the paper.
#include <array>
#include <utility>

#include "pages/settings/dtmf_page.h"
#include "ui/print/sheet_writer.h"

namespace {

constexpr int kRightColumn = 70;
constexpr int kSheetWidth = kRightColumn + 60;

constexpr SheetCell Value(int id) { return {id, 38, 56}; }

// The location texts of the sheet: the dial rows begin with "Location #0",
// the paging rows are numbered 1 to 10.
constexpr const char* kDialLocations[kDtmfRows] = {"    0", "    1", "    2", "    3", "    4",
                                                   "    5", "    6", "    7", "    8", "    9"};
constexpr const char* kPagingLocations[kDtmfRows] = {"    1", "    2", "    3", "    4", "    5",
                                                     "    6", "    7", "    8", "    9", "   10"};

template <std::size_t... Row>
constexpr auto DialRows(std::index_sequence<Row...>) {
  return std::array{Line({}, Fixed(kDialLocations[Row], 8, 18), {IDC_DT_DIAL_TAG[Row], 18, 33},
                         {IDC_DT_DIAL[Row], 33, 56})
                        .Table()...};
}
template <std::size_t... Row>
constexpr auto PagingRows(std::index_sequence<Row...>) {
  return std::array{Line({}, Fixed(kPagingLocations[Row], 8, 18), {IDC_DT_PAGING_CODE[Row], 18, 33},
                         {IDC_DT_DECODING[Row], 33, 53})
                        .Table()...};
}
constexpr auto kDialRows = DialRows(std::make_index_sequence<kDtmfRows>());
constexpr auto kPagingRows = PagingRows(std::make_index_sequence<kDtmfRows>());

const SheetRow kLeft[] = {
    Block(60),
    Title("Global Setting"),
    Line("DTMF Monitor", Value(IDC_DT_MONITOR)),
    Line("DTMF pause character", Value(IDC_DT_PAUSE_CHAR)),
    Line("DTMF pause character code", Value(IDC_DT_PAUSE_CODE)),
    Line("Pause Time", Value(IDC_DT_PAUSE_TIME)),
    Line("DTMF Speed", Value(IDC_DT_SPEED)),
    Line("DTMF Keypad", Value(IDC_DT_KEYPAD)),
    Block(60),
    Title("Individual Dial Memory setting"),
    Line({}),
    Line({}, Fixed("Location", 8, 18), Fixed("Dial Tagging", 18, 33), Fixed("Dial #", 33, 56)).Table(),
    Include(kDialRows),
    Line({}),
};

const SheetRow kRight[] = {
    Block(60),
    Title("Paging Parameter Setting"),
    Line({}, Caption("Global Setting", 3), Caption("Calling Times", 23), {IDC_DT_CALLING_TIMES, 43, 53}),
    Line({}),
    Block(60).Joined(),
    Title("Individual Paging code"),
    Line({}),
    Line({}, Fixed("Location", 8, 18), Fixed("Code", 18, 33), Fixed("Decoding", 33, 53)).Table(),
    Include(kPagingRows),
    Line({}),
    Block(60).Joined(),
    Title("ANI Setting"),
    Line("ANI Transmission", {IDC_DT_ANI_TRANSMISSION, 33, 51}),
    Line("ANI Code", {IDC_DT_ANI_CODE, 33, 51}),
    Line("ANI Speed", {IDC_DT_ANI_SPEED, 33, 51}),
    Line("1st digit Delay", {IDC_DT_FIRST_DIGIT_DELAY, 33, 51}),
    Line({}),
};

std::string TextOf(int id) { return PrintText(DtmfBindings(), id); }

}  // namespace

void PrintDtmfSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap) {
  dc.StartPage();
  const int column = FitColumnWidth(dc, charW, x, kSheetWidth);
  PrintSheetRows(dc, column, x, pitch, gap, kLeft, TextOf);
  PrintSheetRows(dc, column, x + kRightColumn * column, pitch, gap, kRight, TextOf);
}

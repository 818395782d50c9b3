#include "model/conversions.h"

#include "model/dfa_table.h"
#include "model/edit_model.h"

// Receive and transmit limits of a row follow its channel numbers; transmit lies
// 5 MHz above receive on the "Band 5b" rows.
const BandPlanRow g_bandPlan[kBandPlanRowCount] = {
    {0, "Band 0", 0.0, 851.0125, 866.0125, 806.0125, 821.0125, false, 0, 0},
    {1, "Band 1", 0.0, 935.0125, 939.9875, 896.0125, 900.9875, false, 0, 0},
    {2, "Band 2", 400.0, 400.0125, 419.9875, 405.0125, 424.9875, false, 0, 0},
    {3, "Band 3", 420.0, 420.0125, 439.9875, 425.0125, 444.9875, false, 0, 0},
    {4, "Band 4", 440.0, 440.0125, 459.9875, 445.0125, 464.9875, false, 0, 0},
    {5, "Band 5", 450.0, 450.0125, 469.9875, 455.0125, 474.9875, false, 0, 0},
    {6, "Band 5b-1", 450.0, 450.0125, 455.0, 455.0125, 460.0, true, 0, 400},
    {6, "Band 5b-1", 450.0, 460.0125, 465.0, 465.0125, 470.0, true, 801, 1200},
    {6, "Band 5b-1", 450.0, 470.0125, 472.3625, 475.0125, 477.3625, true, 1601, 1789},
    {6, "Band 5b-2", 444.99375, 450.00625, 454.99375, 455.00625, 459.99375, true, 401, 800},
    {6, "Band 5b-2", 444.99375, 460.00625, 464.99375, 465.00625, 469.99375, true, 1201, 1600},
    {7, "Band 6", 460.0, 460.0125, 479.9875, 465.0125, 484.9875, false, 0, 0},
    {8, "Band 7", 470.0, 470.0125, 490.9875, 473.0125, 498.9875, false, 0, 0},
    {9, "Band 8", 480.0, 480.0125, 499.9875, 483.0125, 502.9875, false, 0, 0},
    {10, "Band 9", 490.0, 490.0125, 511.9875, 493.0125, 514.9875, false, 0, 0},
    {11, "Band 10", 0.0, 409.0125, 429.9875, 414.0125, 434.9875, false, 0, 0},
    {12, "Band 11", 0.0, 406.1125, 419.9875, 411.1125, 424.9875, false, 0, 0},
};

const BandPlanRow* BandPlan(int row) {
  return (row >= 0 && row < kBandPlanRowCount) ? &g_bandPlan[row] : nullptr;
}

double BandChannelToFrequency(std::uint32_t n, int row, double x) {
  const BandPlanRow* r = BandPlan(row);
  if (!r) return -1.0;
  if (r->hasWindow && (n < r->firstChannel || n > r->lastChannel)) return -1.0;
  return r->base + x;
}

double ChannelToFrequency(const CDfaTable& table, std::uint32_t n, int bandCode, int useTable, int splitFlag,
                          double* out) {
  n &= 0xFFFF;
  if (useTable) {
    if (n >= 1 && n <= kDfaEntryCount) return table.GetEntry(int(n) - 1) * 0.00001;
    return 0.0;
  }
  const double x = n * kChannelStep;
  for (int row = 0; row < kBandPlanRowCount; ++row) {
    const BandPlanRow& r = g_bandPlan[row];
    if (r.code != bandCode) continue;
    const double f = BandChannelToFrequency(n, row, x);
    if (f == -1.0) continue;
    const bool viaOut = r.hasWindow || (splitFlag && row == 5);
    if (!viaOut) return f;
    if (out) *out = f;
    return -1.0;
  }
  // No row gave a frequency: a defined "none" through both channels.
  if (out) *out = 0.0;
  return 0.0;
}

namespace {

const char* const kCtcssTexts[kCtcssCount] = {
    " 67.0", " 69.3", " 71.9", " 74.4", " 77.0", " 79.7", " 82.5", " 85.4", " 88.5", " 91.5",
    " 94.8", " 97.4", "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9",
    "186.2", "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3", "159.8",
    "165.5", "171.3", "177.3", "183.5", "189.9", "196.6", "199.5", "206.5", "229.1", "254.1",
};

const char* const kDcsTexts[kDcsCount] = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072",
    "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155",
    "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246",
    "250", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306", "311", "315", "325",
    "331", "332", "343", "346", "351", "356", "364", "365", "371", "411", "412", "413", "423", "431",
    "432", "435", "445", "446", "452", "454", "455", "462", "464", "465", "466", "503", "506", "516",
    "523", "526", "532", "546", "565", "606", "612", "624", "627", "631", "632", "654", "662", "664",
    "703", "712", "723", "731", "732", "734", "743", "754",
};

}  // namespace

const CTextTable g_ctcssTexts(kCtcssTexts, kCtcssCount);
const CTextTable g_dcsTexts(kDcsTexts, kDcsCount);

char NibbleToHexChar(int v) {
  if (v < 0 || v > 15) return '-';
  return "0123456789ABCDEF"[v];
}

char NibbleToHexCharOrZero(int v) {
  if (v < 0 || v > 15) return '0';
  return "0123456789ABCDEF"[v];
}

int HexCharToValue(char c) { return c < ':' ? c - '0' : c - '7'; }

int HexCharToValueNoCase(char c) {
  if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

void PrintLine(IPrintContext* dc, int x, int* y, int step, const std::string& text, int advance) {
  if (!y) return;
  if (dc) dc->TextOut(x, *y, text);
  if (advance == 1) *y += step;
}

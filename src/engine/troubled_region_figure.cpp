#include "engine/troubled_region_figure.h"

#include <sstream>

#include "engine/troubled_region.h"
#include "engine/troubled_region_tables.h"

namespace ventora::troubled {
namespace {

// Every other FAR and SAR cell gets a panel: 7 by 7 panels.
constexpr int kEvery = 2;
constexpr int kPanels = kRatioCells / kEvery;
constexpr int kBandWidth = 4;   // px per PAD band
constexpr int kCellHeight = 5;  // px per RbH cell
constexpr int kPanelWidth = kBandWidth * kPADBands;
constexpr int kPanelHeight = kCellHeight * kRatioCells;
constexpr int kGap = 14;
constexpr int kLeft = 124;
constexpr int kTop = 58;
constexpr int kWidth = kLeft + kPanels * (kPanelWidth + kGap) + 10;
constexpr int kHeight = kTop + kPanels * (kPanelHeight + kGap) + 70;

const char* Colour(char found) {
  switch (found) {
    case kNegativeAbove:
      return "#e69f00";
    case kBeyond:
      return "#56b4e9";
    case kBoth:
      return "#d55e00";
    default:
      break;
  }
  return "#f0f0f0";
}

std::string Span(int cell) {
  std::ostringstream text;
  text << CellLow(cell) << "\u2013" << CellLow(cell + 1);
  return text.str();
}

void Text(std::ostream& out, int x, int y, const std::string& text, const char* anchor = "middle",
          int size = 11) {
  out << "<text x=\"" << x << "\" y=\"" << y << "\" font-size=\"" << size << "\" text-anchor=\""
      << anchor << "\">" << text << "</text>\n";
}

// One panel: RbH up, PAD to the right; runs of one finding drawn as one rect.
void Panel(std::ostream& out, int slice, int far, int sar, int x0, int y0) {
  out << "<rect x=\"" << x0 << "\" y=\"" << y0 << "\" width=\"" << kPanelWidth << "\" height=\""
      << kPanelHeight << "\" fill=\"" << Colour(kNothing) << "\"/>\n";
  for (int rbh = 0; rbh < kRatioCells; ++rbh) {
    const std::string_view found = kTroubledCells[CellIndex(slice, rbh, far, sar)];
    const int y = y0 + (kRatioCells - 1 - rbh) * kCellHeight;
    for (int band = 0; band < kPADBands;) {
      int end = band + 1;
      while (end < kPADBands && found[end] == found[band])
        ++end;
      if (found[band] != kNothing)
        out << "<rect x=\"" << x0 + band * kBandWidth << "\" y=\"" << y << "\" width=\""
            << (end - band) * kBandWidth << "\" height=\"" << kCellHeight << "\" fill=\""
            << Colour(found[band]) << "\"/>\n";
      band = end;
    }
  }
  out << "<rect x=\"" << x0 << "\" y=\"" << y0 << "\" width=\"" << kPanelWidth << "\" height=\""
      << kPanelHeight << "\" fill=\"none\" stroke=\"#606060\" stroke-width=\"0.6\"/>\n";
}

void Axes(std::ostream& out) {
  const int bottom = kTop + kPanels * (kPanelHeight + kGap) - kGap;
  for (int i = 0; i < kPanels; ++i) {
    const int x0 = kLeft + i * (kPanelWidth + kGap);
    const int y0 = kTop + i * (kPanelHeight + kGap);
    Text(out, x0 + kPanelWidth / 2, kTop - 8, "SAR " + Span(i * kEvery));
    Text(out, 8, y0 + kPanelHeight / 2 + 4, "FAR " + Span(i * kEvery), "start");
    for (const int pad : {0, 15, 30})
      Text(out, x0 + pad * kBandWidth, bottom + 13, std::to_string(pad), "middle", 9);
  }
  const int lastRow = kTop + (kPanels - 1) * (kPanelHeight + kGap);
  Text(out, kLeft - 4, lastRow + kPanelHeight + 3, "0.5", "end", 9);
  Text(out, kLeft - 4, lastRow + 8, "4", "end", 9);
  Text(out, kLeft - 4, lastRow + kPanelHeight / 2 + 3, "RbH", "end", 9);
  Text(out, kLeft + kPanels * (kPanelWidth + kGap) / 2, bottom + 28,
       "PAD (%) from 0 to 35 to the right in every panel; RbH from 0.5 to 4 upwards; every "
       "other FAR and SAR cell");
}

void Legend(std::ostream& out) {
  const int y = kHeight - 28;
  const char* labels[] = {"nothing found", "Cp below 0 above the surroundings",
                          "Cp beyond the windward envelope (-0.7 to +1.0)", "both"};
  const char found[] = {kNothing, kNegativeAbove, kBeyond, kBoth};
  int x = kLeft;
  for (int i = 0; i < 4; ++i) {
    out << "<rect x=\"" << x << "\" y=\"" << y - 10 << "\" width=\"14\" height=\"12\" fill=\""
        << Colour(found[i]) << "\" stroke=\"#606060\" stroke-width=\"0.6\"/>\n";
    Text(out, x + 20, y, labels[i], "start");
    x += 40 + 7 * static_cast<int>(std::string(labels[i]).size());
  }
}

}  // namespace

std::string RegionFigureSvg(int slice) {
  std::ostringstream out;
  out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kWidth << "\" height=\"" << kHeight
      << "\" viewBox=\"0 0 " << kWidth << " " << kHeight << "\" font-family=\"sans-serif\">\n"
      << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  std::ostringstream title;
  title << "Head-on wind on a wall, profile exponent " << SliceLow(slice) << " to "
        << SliceHigh(slice) << ": where the scan finds its Cp misbehaving";
  Text(out, kWidth / 2, 22, title.str(), "middle", 13);
  for (int row = 0; row < kPanels; ++row)
    for (int column = 0; column < kPanels; ++column)
      Panel(out, slice, row * kEvery, column * kEvery, kLeft + column * (kPanelWidth + kGap),
            kTop + row * (kPanelHeight + kGap));
  Axes(out);
  Legend(out);
  out << "</svg>\n";
  return out.str();
}

}  // namespace ventora::troubled

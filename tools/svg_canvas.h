#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scenario::tools {

// A rectangle in drawing units, y downwards.
struct Box {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;

  double width() const { return right - left; }
  double height() const { return bottom - top; }
  bool overlaps(const Box& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
};

enum class Anchor { kStart, kMiddle, kEnd };

struct TextStyle {
  double size = 12.0;
  Anchor anchor = Anchor::kStart;
  bool bold = false;
  std::string_view fill = "#222222";
  bool vertical = false;  // turned a quarter left, reading upwards
};

// The space a text takes in DejaVu Sans, the font the document names first:
// the advance widths of its letters (tools/font_widths.h), and the font's
// height above and below the baseline. Used to lay labels out before they
// are drawn; the browser test checks the boxes Chromium reports.
Box text_box(double x, double y, std::string_view utf8, const TextStyle& style);

// Builds one self-contained SVG document. Shapes take their presentation
// attributes as written (`stroke="#333" fill="none"`); texts are escaped
// and their estimated boxes kept, so that a test can check the layout.
class SvgCanvas {
 public:
  SvgCanvas(double width, double height, std::string_view title);

  void line(double x1, double y1, double x2, double y2, std::string_view attributes);
  void rect(const Box& box, std::string_view attributes);
  void circle(double x, double y, double radius, std::string_view attributes);
  // Points as x, y pairs.
  void polyline(const std::vector<double>& xy, std::string_view attributes);
  void polygon(const std::vector<double>& xy, std::string_view attributes);
  void text(double x, double y, std::string_view utf8, const TextStyle& style);

  const std::vector<Box>& text_boxes() const { return text_boxes_; }
  const std::vector<std::string>& texts() const { return texts_; }

  // The whole document.
  std::string document() const;

 private:
  double width_;
  double height_;
  std::string title_;
  std::string body_;
  std::vector<Box> text_boxes_;
  std::vector<std::string> texts_;
};

// A number for an attribute: at most two decimals, no trailing zeros.
std::string svg_number(double value);

// `text` with &, <, >, " and ' written as entities.
std::string xml_escaped(std::string_view text);

}  // namespace scenario::tools

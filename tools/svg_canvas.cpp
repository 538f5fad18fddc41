#include "tools/svg_canvas.h"

#include <cmath>
#include <cstdio>

#include "tools/font_widths.h"

namespace scenario::tools {
namespace {

// DejaVu Sans rises 0.76 of its size above the baseline (capitals and
// accents up to 0.93) and falls 0.24 below it; the boxes take a little
// more, so that texts that touch in the browser are kept apart here.
constexpr double kAscent = 0.95;
constexpr double kDescent = 0.25;

std::string points(const std::vector<double>& xy) {
  std::string text;
  for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
    if (i > 0)
      text += ' ';
    text += svg_number(xy[i]) + "," + svg_number(xy[i + 1]);
  }
  return text;
}

}  // namespace

std::string svg_number(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  std::string text = buffer;
  while (text.back() == '0')
    text.pop_back();
  if (text.back() == '.')
    text.pop_back();
  if (text == "-0")
    text = "0";
  return text;
}

std::string xml_escaped(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&apos;";
        break;
      default:
        // XML allows no control characters but tab, line feed and return.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
          escaped += "?";
        else
          escaped += c;
    }
  }
  return escaped;
}

Box text_box(double x, double y, std::string_view utf8, const TextStyle& style) {
  const double length = text_advance(utf8, style.size, style.bold);
  double start = 0.0;
  switch (style.anchor) {
    case Anchor::kStart:
      start = 0.0;
      break;
    case Anchor::kMiddle:
      start = -length / 2;
      break;
    case Anchor::kEnd:
      start = -length;
      break;
  }
  if (style.vertical) {
    // Turned a quarter left about (x, y): the text runs upwards from y.
    return {x - kAscent * style.size, y - start - length, x + kDescent * style.size, y - start};
  }
  return {x + start, y - kAscent * style.size, x + start + length, y + kDescent * style.size};
}

SvgCanvas::SvgCanvas(double width, double height, std::string_view title)
    : width_(width), height_(height), title_(title) {}

void SvgCanvas::line(double x1, double y1, double x2, double y2, std::string_view attributes) {
  body_ += "<line x1=\"" + svg_number(x1) + "\" y1=\"" + svg_number(y1) + "\" x2=\"" +
           svg_number(x2) + "\" y2=\"" + svg_number(y2) + "\" " + std::string(attributes) + "/>\n";
}

void SvgCanvas::rect(const Box& box, std::string_view attributes) {
  body_ += "<rect x=\"" + svg_number(box.left) + "\" y=\"" + svg_number(box.top) + "\" width=\"" +
           svg_number(box.width()) + "\" height=\"" + svg_number(box.height()) + "\" " +
           std::string(attributes) + "/>\n";
}

void SvgCanvas::circle(double x, double y, double radius, std::string_view attributes) {
  body_ += "<circle cx=\"" + svg_number(x) + "\" cy=\"" + svg_number(y) + "\" r=\"" +
           svg_number(radius) + "\" " + std::string(attributes) + "/>\n";
}

void SvgCanvas::polyline(const std::vector<double>& xy, std::string_view attributes) {
  body_ += "<polyline points=\"" + points(xy) + "\" " + std::string(attributes) + "/>\n";
}

void SvgCanvas::polygon(const std::vector<double>& xy, std::string_view attributes) {
  body_ += "<polygon points=\"" + points(xy) + "\" " + std::string(attributes) + "/>\n";
}

void SvgCanvas::text(double x, double y, std::string_view utf8, const TextStyle& style) {
  static constexpr const char* kAnchors[] = {"start", "middle", "end"};
  std::string element = "<text x=\"" + svg_number(x) + "\" y=\"" + svg_number(y) +
                        "\" font-size=\"" + svg_number(style.size) + "\" text-anchor=\"" +
                        kAnchors[static_cast<int>(style.anchor)] + "\" fill=\"" +
                        std::string(style.fill) + "\"";
  if (style.bold)
    element += " font-weight=\"bold\"";
  if (style.vertical)
    element += " transform=\"rotate(-90 " + svg_number(x) + " " + svg_number(y) + ")\"";
  body_ += element + ">" + xml_escaped(utf8) + "</text>\n";
  text_boxes_.push_back(text_box(x, y, utf8, style));
  texts_.emplace_back(utf8);
}

std::string SvgCanvas::document() const {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
         svg_number(width_) + "\" height=\"" + svg_number(height_) + "\" viewBox=\"0 0 " +
         svg_number(width_) + " " + svg_number(height_) +
         "\" font-family=\"DejaVu Sans, Arial, Helvetica, sans-serif\">\n<title>" +
         xml_escaped(title_) + "</title>\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n" +
         body_ + "</svg>\n";
}

}  // namespace scenario::tools

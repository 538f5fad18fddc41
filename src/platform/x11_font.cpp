#include "platform/x11_font.h"

#include <fontconfig/fontconfig.h>

#include <stdexcept>

namespace scenario::platform {
namespace {

const FcChar8* fc_text(const std::string& text) {
  return reinterpret_cast<const FcChar8*>(text.c_str());
}

const FcChar8* fc_text(std::string_view text) {
  return reinterpret_cast<const FcChar8*>(text.data());
}

}  // namespace

X11Font::X11Font(const X11Connection& connection, const FontRequest& request)
    : connection_(connection), font_(nullptr) {
  const X11Library& x11 = connection.x11();
  FcPattern* pattern = x11.FcPatternCreate();
  for (const std::string& family : request.families) {
    x11.FcPatternAddString(pattern, FC_FAMILY, fc_text(family));
  }
  x11.FcPatternAddDouble(pattern, FC_PIXEL_SIZE, request.pixel_size);
  x11.FcPatternAddInteger(pattern, FC_WEIGHT, x11.FcWeightFromOpenType(request.weight));
  x11.FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  FcResult result;
  FcPattern* match = x11.XftFontMatch(connection.display(), connection.screen(), pattern, &result);
  x11.FcPatternDestroy(pattern);
  if (match != nullptr)
    font_ = x11.XftFontOpenPattern(connection.display(), match);
  if (font_ == nullptr) {
    if (match != nullptr)
      x11.FcPatternDestroy(match);
    throw std::runtime_error("nessun carattere disponibile per la finestra");
  }
}

X11Font::~X11Font() {
  connection_.x11().XftFontClose(connection_.display(), font_);
}

int X11Font::width(std::string_view text) const {
  XGlyphInfo extents;
  connection_.x11().XftTextExtentsUtf8(connection_.display(), font_, fc_text(text),
                                       static_cast<int>(text.size()), &extents);
  return extents.xOff;
}

std::string X11Font::family() const {
  FcChar8* family = nullptr;
  if (connection_.x11().FcPatternGetString(font_->pattern, FC_FAMILY, 0, &family) != FcResultMatch)
    return {};
  return reinterpret_cast<const char*>(family);
}

void X11Font::draw(Drawable drawable, const std::vector<std::string>& lines, int left, int top,
                   Rgb colour, const PixelRect& clip) const {
  const X11Library& x11 = connection_.x11();
  ::Display* display = connection_.display();
  XftDraw* draw =
      x11.XftDrawCreate(display, drawable, connection_.visual(), connection_.colormap());
  XRectangle area{static_cast<short>(clip.left), static_cast<short>(clip.top),
                  static_cast<unsigned short>(clip.width),
                  static_cast<unsigned short>(clip.height)};
  x11.XftDrawSetClipRectangles(draw, 0, 0, &area, 1);
  const XRenderColor render{.red = static_cast<unsigned short>(((colour >> 16) & 0xff) * 0x101),
                            .green = static_cast<unsigned short>(((colour >> 8) & 0xff) * 0x101),
                            .blue = static_cast<unsigned short>((colour & 0xff) * 0x101),
                            .alpha = 0xffff};
  XftColor pen;
  x11.XftColorAllocValue(display, connection_.visual(), connection_.colormap(), &render, &pen);
  int baseline = top + ascent();
  for (const std::string& line : lines) {
    x11.XftDrawStringUtf8(draw, &pen, font_, left, baseline, fc_text(line),
                          static_cast<int>(line.size()));
    baseline += line_height();
  }
  x11.XftColorFree(display, connection_.visual(), connection_.colormap(), &pen);
  x11.XftDrawDestroy(draw);
}

}  // namespace scenario::platform

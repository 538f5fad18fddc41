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
  FcPattern* pattern = FcPatternCreate();
  for (const std::string& family : request.families) {
    FcPatternAddString(pattern, FC_FAMILY, fc_text(family));
  }
  FcPatternAddDouble(pattern, FC_PIXEL_SIZE, request.pixel_size);
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(request.weight));
  FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  FcResult result;
  FcPattern* match = XftFontMatch(connection.display(), connection.screen(), pattern, &result);
  FcPatternDestroy(pattern);
  if (match != nullptr)
    font_ = XftFontOpenPattern(connection.display(), match);
  if (font_ == nullptr) {
    if (match != nullptr)
      FcPatternDestroy(match);
    throw std::runtime_error("nessun carattere disponibile per la finestra");
  }
}

X11Font::~X11Font() {
  XftFontClose(connection_.display(), font_);
}

int X11Font::width(std::string_view text) const {
  XGlyphInfo extents;
  XftTextExtentsUtf8(connection_.display(), font_, fc_text(text), static_cast<int>(text.size()),
                     &extents);
  return extents.xOff;
}

std::string X11Font::family() const {
  FcChar8* family = nullptr;
  if (FcPatternGetString(font_->pattern, FC_FAMILY, 0, &family) != FcResultMatch)
    return {};
  return reinterpret_cast<const char*>(family);
}

void X11Font::draw(Drawable drawable, const std::vector<std::string>& lines, int left, int top,
                   Rgb colour, const PixelRect& clip) const {
  ::Display* display = connection_.display();
  XftDraw* draw = XftDrawCreate(display, drawable, connection_.visual(), connection_.colormap());
  XRectangle area{static_cast<short>(clip.left), static_cast<short>(clip.top),
                  static_cast<unsigned short>(clip.width),
                  static_cast<unsigned short>(clip.height)};
  XftDrawSetClipRectangles(draw, 0, 0, &area, 1);
  const XRenderColor render{.red = static_cast<unsigned short>(((colour >> 16) & 0xff) * 0x101),
                            .green = static_cast<unsigned short>(((colour >> 8) & 0xff) * 0x101),
                            .blue = static_cast<unsigned short>((colour & 0xff) * 0x101),
                            .alpha = 0xffff};
  XftColor pen;
  XftColorAllocValue(display, connection_.visual(), connection_.colormap(), &render, &pen);
  int baseline = top + ascent();
  for (const std::string& line : lines) {
    XftDrawStringUtf8(draw, &pen, font_, left, baseline, fc_text(line),
                      static_cast<int>(line.size()));
    baseline += line_height();
  }
  XftColorFree(display, connection_.visual(), connection_.colormap(), &pen);
  XftDrawDestroy(draw);
}

}  // namespace scenario::platform

#pragma once

#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fontconfig/fontconfig.h>

#include <memory>
#include <string>

namespace scenario::platform {

// Every function of Xlib, Xft and fontconfig that the X11 window calls.
// The installer links none of these libraries: they are loaded when a
// window is to be opened, so that a run without a display starts without
// them and a machine without them still installs, on the console.
#define SCENARIO_XLIB_FUNCTIONS(F) \
  F(XAllocClassHint)               \
  F(XAllocColor)                   \
  F(XAllocSizeHints)               \
  F(XAllocWMHints)                 \
  F(XChangeProperty)               \
  F(XCheckWindowEvent)             \
  F(XClearWindow)                  \
  F(XCloseDisplay)                 \
  F(XCreateGC)                     \
  F(XCreatePixmap)                 \
  F(XCreateSimpleWindow)           \
  F(XDestroyWindow)                \
  F(XDrawRectangle)                \
  F(XFillRectangle)                \
  F(XFlush)                        \
  F(XFree)                         \
  F(XFreeGC)                       \
  F(XFreePixmap)                   \
  F(XGetWindowAttributes)          \
  F(XInternAtom)                   \
  F(XLookupKeysym)                 \
  F(XMapRaised)                    \
  F(XMapWindow)                    \
  F(XNextEvent)                    \
  F(XOpenDisplay)                  \
  F(XSelectInput)                  \
  F(XSetErrorHandler)              \
  F(XSetForeground)                \
  F(XSetInputFocus)                \
  F(XSetTransientForHint)          \
  F(XSetWMProperties)              \
  F(XSetWMProtocols)               \
  F(XSetWindowBackground)          \
  F(XSetWindowBackgroundPixmap)    \
  F(XSetWindowBorder)              \
  F(XSetWindowBorderWidth)         \
  F(XStoreName)                    \
  F(XSync)                         \
  F(XTranslateCoordinates)         \
  F(Xutf8TextListToTextProperty)

#define SCENARIO_XFT_FUNCTIONS(F) \
  F(XftColorAllocValue)           \
  F(XftColorFree)                 \
  F(XftDrawCreate)                \
  F(XftDrawDestroy)               \
  F(XftDrawSetClipRectangles)     \
  F(XftDrawStringUtf8)            \
  F(XftFontClose)                 \
  F(XftFontMatch)                 \
  F(XftFontOpenPattern)           \
  F(XftTextExtentsUtf8)

#define SCENARIO_FONTCONFIG_FUNCTIONS(F) \
  F(FcPatternAddDouble)                  \
  F(FcPatternAddInteger)                 \
  F(FcPatternAddString)                  \
  F(FcPatternCreate)                     \
  F(FcPatternDestroy)                    \
  F(FcPatternGetString)                  \
  F(FcWeightFromOpenType)

// The functions above, found in the loaded libraries; each member carries
// the function's own name and type, so `x11.XFlush(display)` reads as the
// call it stands for.
struct X11Library {
#define SCENARIO_X11_FUNCTION_POINTER(name) decltype(&::name) name = nullptr;
  SCENARIO_XLIB_FUNCTIONS(SCENARIO_X11_FUNCTION_POINTER)
  SCENARIO_XFT_FUNCTIONS(SCENARIO_X11_FUNCTION_POINTER)
  SCENARIO_FONTCONFIG_FUNCTIONS(SCENARIO_X11_FUNCTION_POINTER)
#undef SCENARIO_X11_FUNCTION_POINTER
};

// The shared libraries to load, by the names the system's loader knows
// them by (their sonames: what the runtime packages install, without the
// development links).
struct X11LibraryFiles {
  std::string xlib = "libX11.so.6";
  std::string xft = "libXft.so.2";
  std::string fontconfig = "libfontconfig.so.1";
};

// What loading gave: the table, or nothing and the reason (the library
// that could not be loaded, or the function it lacks, in the loader's
// words).
struct X11LibraryLoad {
  std::unique_ptr<const X11Library> library;
  std::string failure;
};

// Loads the three libraries and looks up every function. Whatever was
// loaded stays loaded until the process ends, even when a later library or
// function is missing: Xlib and fontconfig are not made to be unloaded.
X11LibraryLoad load_x11_library(const X11LibraryFiles& files = {});

}  // namespace scenario::platform

#include "platform/x11_library.h"

#include <dlfcn.h>

namespace scenario::platform {
namespace {

// Loading stops at the first library or function that is missing.
class Loader {
 public:
  void* open(const std::string& file) {
    if (!failure_.empty())
      return nullptr;
    void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
      failure_ = loader_message(file);
    return handle;
  }

  template <typename Function>
  void look_up(void* library, const std::string& file, const char* name, Function& function) {
    if (!failure_.empty())
      return;
    ::dlerror();
    function = reinterpret_cast<Function>(::dlsym(library, name));
    if (function == nullptr)
      failure_ = loader_message(file + ": " + name + " not found");
  }

  const std::string& failure() const { return failure_; }

 private:
  static std::string loader_message(const std::string& otherwise) {
    const char* message = ::dlerror();
    return message != nullptr ? message : otherwise;
  }

  std::string failure_;
};

}  // namespace

X11LibraryLoad load_x11_library(const X11LibraryFiles& files) {
  auto library = std::make_unique<X11Library>();
  Loader loader;
  void* xlib = loader.open(files.xlib);
  void* xft = loader.open(files.xft);
  void* fontconfig = loader.open(files.fontconfig);
#define SCENARIO_LOOK_UP(handle, name) loader.look_up(handle, files.handle, #name, library->name);
#define SCENARIO_LOOK_UP_XLIB(name) SCENARIO_LOOK_UP(xlib, name)
#define SCENARIO_LOOK_UP_XFT(name) SCENARIO_LOOK_UP(xft, name)
#define SCENARIO_LOOK_UP_FONTCONFIG(name) SCENARIO_LOOK_UP(fontconfig, name)
  SCENARIO_XLIB_FUNCTIONS(SCENARIO_LOOK_UP_XLIB)
  SCENARIO_XFT_FUNCTIONS(SCENARIO_LOOK_UP_XFT)
  SCENARIO_FONTCONFIG_FUNCTIONS(SCENARIO_LOOK_UP_FONTCONFIG)
#undef SCENARIO_LOOK_UP_FONTCONFIG
#undef SCENARIO_LOOK_UP_XFT
#undef SCENARIO_LOOK_UP_XLIB
#undef SCENARIO_LOOK_UP
  if (!loader.failure().empty())
    return {nullptr, loader.failure()};
  return {std::move(library), {}};
}

}  // namespace scenario::platform

#include "print/cairo_library.h"

#include <dlfcn.h>

namespace corvanta {

namespace {

struct Loaded {
  CairoLibrary library;
  std::string error;  // empty when every function was found
};

// The symbol `name` of `handle` into `pointer`; false when it is missing.
template <typename Pointer>
bool Find(void* handle, const char* name, Pointer& pointer, std::string& error) {
  pointer = reinterpret_cast<Pointer>(dlsym(handle, name));
  if (pointer == nullptr) error = std::string("no ") + name + " in the cairo libraries";
  return pointer != nullptr;
}

Loaded Load() {
  Loaded loaded;
  // The run-time names of the libraries, as the packages install them.
  void* const cairo = dlopen("libcairo.so.2", RTLD_NOW | RTLD_LOCAL);
  void* const fontconfig = dlopen("libfontconfig.so.1", RTLD_NOW | RTLD_LOCAL);
  if (cairo == nullptr || fontconfig == nullptr) {
    const char* reason = dlerror();
    loaded.error = reason != nullptr ? reason : "cannot open the cairo libraries";
    return loaded;
  }
  CairoLibrary& library = loaded.library;
#define CORVANTA_CAIRO_FIND(name) \
  if (!Find(cairo, "cairo_" #name, library.name, loaded.error)) return loaded;
  CORVANTA_CAIRO_FUNCTIONS(CORVANTA_CAIRO_FIND)
#undef CORVANTA_CAIRO_FIND
  Find(fontconfig, "FcFini", library.fcFini, loaded.error);
  return loaded;
}

}  // namespace

const CairoLibrary* LoadCairoLibrary(std::string* error) {
  static const Loaded loaded = Load();
  if (!loaded.error.empty()) {
    if (error) *error = loaded.error;
    return nullptr;
  }
  return &loaded.library;
}

}  // namespace corvanta

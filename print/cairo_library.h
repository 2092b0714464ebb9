// cairo and fontconfig, opened when the first PDF sheet is drawn rather than
// when the program starts. Most runs of the command-line solver write no
// sheet, and loading the two libraries (with the X, font and image
// libraries they bring) costs a start more than the search of a small job.
#ifndef CORVANTA_PRINT_CAIRO_LIBRARY_H
#define CORVANTA_PRINT_CAIRO_LIBRARY_H

#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <string>

namespace corvanta {

// The functions the PDF sheet calls, each `name` standing for cairo_name.
// clang-format off
#define CORVANTA_CAIRO_FUNCTIONS(X)                                                      \
  X(create) X(debug_reset_static_data) X(destroy) X(font_extents) X(font_face_destroy) \
  X(get_scaled_font) X(glyph_extents) X(glyph_free) X(matrix_init_scale) X(move_to)    \
  X(pdf_surface_create_for_stream) X(pdf_surface_set_metadata) X(scale)                \
  X(scaled_font_text_to_glyphs) X(select_font_face) X(set_font_face) X(set_font_matrix) \
  X(set_font_size) X(set_source_rgb) X(show_page) X(show_text) X(show_text_glyphs)     \
  X(status_to_string) X(surface_destroy) X(surface_finish) X(surface_status)           \
  X(text_extents) X(toy_font_face_create) X(translate)
// clang-format on

struct CairoLibrary {
#define CORVANTA_CAIRO_POINTER(name) decltype(&cairo_##name) name = nullptr;
  CORVANTA_CAIRO_FUNCTIONS(CORVANTA_CAIRO_POINTER)
#undef CORVANTA_CAIRO_POINTER
  decltype(&FcFini) fcFini = nullptr;
};

// The libraries, opened on the first call and kept open; nullptr, with the
// reason in *error, when either cannot be opened or lacks a function.
const CairoLibrary* LoadCairoLibrary(std::string* error);

}  // namespace corvanta

#endif

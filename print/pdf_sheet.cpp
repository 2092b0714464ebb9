#include "print/pdf_sheet.h"

#include <memory>
#include <vector>

#include "print/cairo_library.h"
#include "print/file_replacement.h"
#include "print/sheet_text.h"

namespace corvanta {

namespace {

// The loaded libraries; only called once WriteSheetPdf has loaded them.
const CairoLibrary& Cairo() { return *LoadCairoLibrary(nullptr); }

// Metrics of the Arial face (and of Liberation Sans, which fontconfig gives
// for it and which keeps Arial's metrics), in font units per em of 2048: a
// Windows logical font's height is the cell (ascent + descent) and its width
// the average character width, where cairo wants the em size.
constexpr double kArialUnitsPerEm = 2048.0;
constexpr double kArialCell = 1854.0 + 434.0;
constexpr double kArialAverageWidth = 904.0;

struct CairoDeleter {
  void operator()(cairo_surface_t* s) const { Cairo().surface_destroy(s); }
  void operator()(cairo_t* c) const { Cairo().destroy(c); }
  void operator()(cairo_font_face_t* f) const { Cairo().font_face_destroy(f); }
};
using Surface = std::unique_ptr<cairo_surface_t, CairoDeleter>;
using Context = std::unique_ptr<cairo_t, CairoDeleter>;
using FontFace = std::unique_ptr<cairo_font_face_t, CairoDeleter>;

struct PdfFont {
  FontFace face;
  bool symbol = false;
  cairo_matrix_t matrix;  // em sizes in device pixels
  double ascent = 0;      // top of the cell to the baseline, device pixels
};

// The em size that gives a cell of `cellHeight` pixels in `face`, from the
// face's own ascent and descent at a known size.
double EmForCell(cairo_t* cr, cairo_font_face_t* face, double cellHeight) {
  constexpr double kProbe = 1000.0;
  Cairo().set_font_face(cr, face);
  Cairo().set_font_size(cr, kProbe);
  cairo_font_extents_t extents;
  Cairo().font_extents(cr, &extents);
  const double cell = extents.ascent + extents.descent;
  return cell > 0 ? cellHeight * kProbe / cell : cellHeight;
}

PdfFont MakeFont(cairo_t* cr, const SheetFontSpec& style) {
  PdfFont font;
  const bool symbol = style.face == SheetFace::kSymbol;
  font.symbol = symbol;
  font.face.reset(Cairo().toy_font_face_create(symbol ? "Symbol" : "Arial", CAIRO_FONT_SLANT_NORMAL,
                                               CAIRO_FONT_WEIGHT_NORMAL));
  double emY, emX;
  if (symbol) {
    emY = EmForCell(cr, font.face.get(), style.height);
    emX = emY;  // width 0: the face's own proportions
  } else {
    emY = style.height * kArialUnitsPerEm / kArialCell;
    emX = style.width > 0 ? style.width * kArialUnitsPerEm / kArialAverageWidth : emY;
  }
  Cairo().matrix_init_scale(&font.matrix, emX, emY);
  Cairo().set_font_face(cr, font.face.get());
  Cairo().set_font_matrix(cr, &font.matrix);
  cairo_font_extents_t extents;
  Cairo().font_extents(cr, &extents);
  font.ascent = extents.ascent;
  return font;
}

// The glyphs of `utf8` in the current font at (x, y); empty when the font
// lacks one of them (glyph 0).
std::vector<cairo_glyph_t> GlyphsOf(cairo_t* cr, double x, double y, const std::string& utf8) {
  cairo_glyph_t* glyphs = nullptr;
  int count = 0;
  std::vector<cairo_glyph_t> result;
  if (Cairo().scaled_font_text_to_glyphs(Cairo().get_scaled_font(cr), x, y, utf8.c_str(),
                                         static_cast<int>(utf8.size()), &glyphs, &count, nullptr,
                                         nullptr, nullptr) == CAIRO_STATUS_SUCCESS) {
    result.assign(glyphs, glyphs + count);
  }
  Cairo().glyph_free(glyphs);
  for (const cairo_glyph_t& g : result) {
    if (g.index == 0) return {};
  }
  return result;
}

// The glyphs of a run in one of the Symbol fonts, at the origin. The Symbol
// faces a machine offers come in two kinds: with Unicode codes for their
// glyphs, or with the face's own byte codes only (the URW face fontconfig
// gives for "Symbol" is of that kind; FreeType reaches its glyphs by those
// bytes). The glyphs are found either way, and the PDF's text is always the
// Unicode characters, so that it reads as a therefore sign and a psi when
// copied or searched.
struct SymbolGlyphs {
  std::string unicode;
  std::vector<cairo_glyph_t> glyphs;
};

SymbolGlyphs FindSymbolGlyphs(cairo_t* cr, const SheetRun& run) {
  SymbolGlyphs found;
  found.unicode = Utf8FromUtf16(SymbolFaceToUnicode(run.text));
  found.glyphs = GlyphsOf(cr, 0, 0, found.unicode);
  if (found.glyphs.empty()) found.glyphs = GlyphsOf(cr, 0, 0, run.text);
  if (found.glyphs.empty()) {
    // No Symbol face at all: the nearest face the machine has for them.
    Cairo().select_font_face(cr, "Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    found.glyphs = GlyphsOf(cr, 0, 0, found.unicode);
  }
  return found;
}

// cairo's writes go through here, so that each one's result is seen
// whatever the library's status says afterwards (cairo 1.16 has reported
// success after a failed write to a file of its own).
cairo_status_t WriteToFile(void* closure, const unsigned char* data, unsigned int length) {
  return static_cast<FileReplacement*>(closure)->Write(data, length) ? CAIRO_STATUS_SUCCESS
                                                                     : CAIRO_STATUS_WRITE_ERROR;
}

// Draws the page into `file`; false when cairo itself failed (the reason is
// then recorded in `file`) or a write did.
bool DrawSheetPdf(const std::vector<SheetRun>& runs, FileReplacement& file) {
  const PdfPage& page = kPdfLetterPage;
  const double pointsPerPixel = 72.0 / page.dotsPerInch;
  Surface surface(Cairo().pdf_surface_create_for_stream(WriteToFile, &file,
                                                        page.physicalWidth * pointsPerPixel,
                                                        page.physicalHeight * pointsPerPixel));
  Context cr(Cairo().create(surface.get()));
  Cairo().pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, "Change Gears");
  // Device pixels of the modelled printer, origin at the printable corner.
  Cairo().scale(cr.get(), pointsPerPixel, pointsPerPixel);
  Cairo().translate(cr.get(), page.offsetX, page.offsetY);
  Cairo().set_source_rgb(cr.get(), 0, 0, 0);

  const SheetLayout layout =
      LayoutFromPage(page.physicalWidth, page.physicalHeight, page.offsetX, page.offsetY);
  PdfFont fonts[kSheetFontCount];
  for (int i = 0; i < kSheetFontCount; ++i) {
    fonts[i] = MakeFont(cr.get(), SheetFontFor(static_cast<SheetFontId>(i), layout));
  }

  double currentX = 0, currentY = 0;  // the current point, top of the cell
  for (const SheetRun& run : runs) {
    const PdfFont& font = fonts[static_cast<int>(run.font)];
    Cairo().set_font_face(cr.get(), font.face.get());
    Cairo().set_font_matrix(cr.get(), &font.matrix);
    const std::string text = Windows1252ToUtf8(run.text);
    SymbolGlyphs symbol;
    if (font.symbol) symbol = FindSymbolGlyphs(cr.get(), run);

    // The advance decides where an aligned run starts.
    cairo_text_extents_t extents{};
    if (font.symbol) {
      Cairo().glyph_extents(cr.get(), symbol.glyphs.data(), static_cast<int>(symbol.glyphs.size()),
                            &extents);
    } else {
      Cairo().text_extents(cr.get(), text.c_str(), &extents);
    }
    const double advance = extents.x_advance;
    double x = run.positioned ? layout.ColumnX(run.column) : currentX;
    const double y = run.positioned ? layout.RowY(run.row) : currentY;
    switch (run.align) {
      case SheetAlign::kCentre: x -= advance / 2; break;
      case SheetAlign::kRight: x -= advance; break;
      case SheetAlign::kLeft:
      case SheetAlign::kFlow: break;
    }
    if (!font.symbol) {
      Cairo().move_to(cr.get(), x, y + font.ascent);
      Cairo().show_text(cr.get(), text.c_str());
    } else if (!symbol.glyphs.empty()) {
      for (cairo_glyph_t& g : symbol.glyphs) {
        g.x += x;
        g.y += y + font.ascent;
      }
      const cairo_text_cluster_t cluster = {static_cast<int>(symbol.unicode.size()),
                                            static_cast<int>(symbol.glyphs.size())};
      Cairo().show_text_glyphs(cr.get(), symbol.unicode.c_str(),
                               static_cast<int>(symbol.unicode.size()), symbol.glyphs.data(),
                               static_cast<int>(symbol.glyphs.size()), &cluster, 1,
                               static_cast<cairo_text_cluster_flags_t>(0));
    }
    if (run.align == SheetAlign::kFlow) {
      currentX = x + advance;
      currentY = y;
    }
  }
  Cairo().show_page(cr.get());
  cr.reset();
  // Finishing writes the rest of the document; nothing is written after it.
  Cairo().surface_finish(surface.get());
  const cairo_status_t status = Cairo().surface_status(surface.get());
  surface.reset();
  // A failed write is the file's own reason; any other failure is cairo's.
  if (status != CAIRO_STATUS_SUCCESS && file.Error().empty())
    file.Fail(Cairo().status_to_string(status));
  return file.Error().empty();
}

}  // namespace

bool WriteSheetPdf(const std::vector<SheetRun>& runs, const std::string& path, std::string* error) {
  if (LoadCairoLibrary(error) == nullptr) return false;
  FileReplacement file(path);
  // A file that cannot even be opened needs no page drawn.
  const bool written = file.Error().empty() && DrawSheetPdf(runs, file) && file.Commit();
  if (!written && error) *error = file.Error();
  // cairo keeps the fonts it has looked up (and fontconfig's patterns) for
  // the life of the process; a tool that writes one sheet and ends has no
  // use for them, and releasing them keeps leak checkers quiet. Every cairo
  // object of the page is gone by now, as the release requires.
  Cairo().debug_reset_static_data();
  Cairo().fcFini();
  return written;
}

}  // namespace corvanta

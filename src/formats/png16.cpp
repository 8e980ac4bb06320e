#include "formats/png16.h"

#include <png.h>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include "core/ablage.h"
#include "core/atomare_datei.h"
#include "core/puffer.h"
#include "formats/hoehe16.h"
#include "formats/pixel.h"

namespace gm {

namespace {

struct PngFehler {
    char meldung[200];
};

[[noreturn]] void fehlerAusgang(png_structp png, png_const_charp text) {
    auto* f = static_cast<PngFehler*>(png_get_error_ptr(png));
    std::snprintf(f->meldung, sizeof f->meldung, "%s", text);
    png_longjmp(png, 1);
}

void warnungIgnorieren(png_structp, png_const_charp) {}

struct Quelle {
    const unsigned char* daten;
    std::size_t laenge;
    std::size_t pos;
};

void lesenAusSpeicher(png_structp png, png_bytep ziel, png_size_t n) {
    auto* q = static_cast<Quelle*>(png_get_io_ptr(png));
    if (n > q->laenge - q->pos) png_error(png, "the file ends early");
    std::memcpy(ziel, q->daten + q->pos, n);
    q->pos += n;
}

void schreibenInString(png_structp png, png_bytep daten, png_size_t n) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(daten), n);
}

void nichtsSpuelen(png_structp) {}

// Only plain C objects between setjmp and the last libpng call.
int kodieren(png_structp png, png_infop info, const Dokument& dok, std::vector<png_byte>& zeile,
             std::string& aus) {
    if (setjmp(png_jmpbuf(png))) return 1;
    png_set_write_fn(png, &aus, schreibenInString, nichtsSpuelen);
    png_set_IHDR(png, info, png_uint_32(dok.punkteX()), png_uint_32(dok.punkteY()), 16,
                 PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y <= dok.MaxY; ++y) {
        for (int x = 0; x <= dok.MaxX; ++x) {
            const unsigned v = hoeheZu16(dok.Hoehenfeld(x, y));
            zeile[std::size_t(x) * 2] = png_byte(v >> 8);  // PNG samples are big-endian
            zeile[std::size_t(x) * 2 + 1] = png_byte(v & 0xFF);
        }
        png_write_row(png, zeile.data());
    }
    png_write_end(png, info);
    return 0;
}

void nachGrau16(png_structp png, png_infop info) {
    const int farbtyp = png_get_color_type(png, info);
    if (farbtyp == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (farbtyp == PNG_COLOR_TYPE_GRAY) png_set_expand_gray_1_2_4_to_8(png);
    png_set_strip_alpha(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (farbtyp & PNG_COLOR_MASK_COLOR) png_set_rgb_to_gray_fixed(png, 1, -1, -1);
    png_set_expand_16(png);
}

// 0 success, 1 libpng error, 2 size refused.
int dekodieren(png_structp png, png_infop info, Quelle& quelle, std::vector<png_byte>& pixel,
               std::vector<png_bytep>& zeilen, Grau16Bild& bild) {
    if (setjmp(png_jmpbuf(png))) return 1;
    png_set_read_fn(png, &quelle, lesenAusSpeicher);
    // The size is checked below, in the words of every picture reader, before
    // any pixel memory is taken; libpng only refuses what PNG itself cannot hold.
    png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
    png_set_chunk_malloc_max(png, 8u << 20);
    png_read_info(png, info);
    bild.breite = int(png_get_image_width(png, info));
    bild.hoehe = int(png_get_image_height(png, info));
    if (!punkteGueltig(bild.breite, bild.hoehe)) return 2;
    nachGrau16(png, info);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const std::size_t w = std::size_t(bild.breite), h = std::size_t(bild.hoehe);
    if (png_get_rowbytes(png, info) != w * 2) png_error(png, "unexpected row size");
    pixel.assign(w * 2 * h, 0);
    zeilen.resize(h);
    for (std::size_t y = 0; y < h; ++y)
        zeilen[y] = pixel.data() + y * w * 2;
    png_read_image(png, zeilen.data());
    png_read_end(png, nullptr);
    return 0;
}

}  // namespace

Status png16Kodieren(const Dokument& dok, std::string& png) {
    PngFehler fehler{};
    png_structp p =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &fehler, fehlerAusgang, warnungIgnorieren);
    if (!p) return Status::fehler("PNG: cannot set up the encoder");
    png_infop info = png_create_info_struct(p);
    std::vector<png_byte> zeile(std::size_t(dok.punkteX()) * 2);
    std::string aus;
    const int ergebnis = info ? kodieren(p, info, dok, zeile, aus) : 1;
    png_destroy_write_struct(&p, &info);
    if (ergebnis != 0) return Status::fehler(std::string("PNG: ") + fehler.meldung);
    png = std::move(aus);
    return {};
}

Status png16Schreiben(const Dokument& dok, const std::string& pfad) {
    std::string png;
    if (Status s = png16Kodieren(dok, png); !s) return s;
    return dateiAtomarSchreiben(pfad, png);
}

Status png16Dekodieren(std::string_view daten, Grau16Bild& bild) {
    PngFehler fehler{};
    png_structp p =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, &fehler, fehlerAusgang, warnungIgnorieren);
    if (!p) return Status::fehler("PNG: cannot set up the decoder");
    png_infop info = png_create_info_struct(p);
    Quelle quelle{reinterpret_cast<const unsigned char*>(daten.data()), daten.size(), 0};
    std::vector<png_byte> pixel;
    std::vector<png_bytep> zeilen;
    Grau16Bild neu;
    const int ergebnis = info ? dekodieren(p, info, quelle, pixel, zeilen, neu) : 1;
    png_destroy_read_struct(&p, &info, nullptr);
    if (ergebnis == 1) return Status::fehler(std::string("PNG picture: ") + fehler.meldung);
    if (ergebnis == 2) {
        return Status::fehler("PNG picture: " + bildGroesseMeldung(neu.breite, neu.hoehe));
    }
    neu.werte.resize(pixel.size() / 2);
    for (std::size_t i = 0; i < neu.werte.size(); ++i) {
        neu.werte[i] = std::uint16_t(pixel[2 * i] << 8 | pixel[2 * i + 1]);
    }
    bild = std::move(neu);
    return {};
}

Status png16Lesen(Dokument& dok, const std::string& pfad) {
    std::string daten;
    Grau16Bild bild;
    if (Status s = dateiLesen(pfad, daten, Png16MaxBytes); !s) return s;
    if (Status s = png16Dekodieren(daten, bild); !s)
        return Status::fehler(pfad + ": " + s.meldung());
    NeueGroesse(dok, bild.breite - 1, bild.hoehe - 1, true);
    for (int x = 0; x <= dok.MaxX; ++x) {
        double* spalte = dok.Hoehenfeld.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            spalte[y] =
                bild.werte[std::size_t(y) * std::size_t(bild.breite) + std::size_t(x)] / 65535.0;
        }
    }
    UndoSichern(dok);
    Freigeben(dok);
    return {};
}

}  // namespace gm

#include "formats/jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <string>
// clang-format off
#include <jpeglib.h>
// clang-format on

namespace gm {

namespace {

struct Fehlerfang {
    jpeg_error_mgr basis;
    std::jmp_buf sprung;
    char meldung[JMSG_LENGTH_MAX];
};

[[noreturn]] void fehlerAusgang(j_common_ptr info) {
    auto* f = reinterpret_cast<Fehlerfang*>(info->err);
    (*info->err->format_message)(info, f->meldung);
    std::longjmp(f->sprung, 1);
}

// Warnings (corrupt data that libjpeg would silently repair) are fatal too.
void meldungAusgeben(j_common_ptr info, int stufe) {
    if (stufe < 0) fehlerAusgang(info);
}

struct Fortschritt {
    jpeg_progress_mgr basis;
    int maxScans;
};

void fortschrittPruefen(j_common_ptr info) {
    auto* d = reinterpret_cast<j_decompress_ptr>(info);
    const int grenze = reinterpret_cast<Fortschritt*>(info->progress)->maxScans;
    if (d->progressive_mode && d->input_scan_number > grenze) {
        auto* f = reinterpret_cast<Fehlerfang*>(info->err);
        std::snprintf(f->meldung, sizeof f->meldung, "more than %d progressive scans", grenze);
        std::longjmp(f->sprung, 1);
    }
}

// Everything between setjmp and the last libjpeg call lives in plain C objects
// so that a longjmp skips no destructor. Returns 0 on success, 1 on a libjpeg
// error, 2 when the size is refused.
int dekodieren(jpeg_decompress_struct& info, Fehlerfang& fang, Fortschritt& fortschritt,
               const unsigned char* daten, unsigned long laenge, int maxKante, RGBBild& bild,
               int& breite, int& hoehe) {
    if (setjmp(fang.sprung)) return 1;
    jpeg_create_decompress(&info);  // clears every field but the error manager
    info.progress = &fortschritt.basis;
    jpeg_mem_src(&info, daten, laenge);
    jpeg_read_header(&info, TRUE);
    breite = int(info.image_width);
    hoehe = int(info.image_height);
    if (info.image_width < 1 || info.image_height < 1 || info.image_width > unsigned(maxKante) ||
        info.image_height > unsigned(maxKante)) {
        return 2;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        std::snprintf(fang.meldung, sizeof fang.meldung, "colour space not convertible to RGB");
        return 1;
    }
    // The vector is sized before any decoding; a longjmp leaves it valid.
    bild.rgb.assign(std::size_t(breite) * std::size_t(hoehe) * 3, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW zeile =
            bild.rgb.data() + std::size_t(info.output_scanline) * std::size_t(breite) * 3;
        jpeg_read_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_decompress(&info);
    return 0;
}

}  // namespace

Status jpegDekodieren(std::string_view daten, int maxKante, RGBBild& bild, int maxScans) {
    jpeg_decompress_struct info{};
    Fehlerfang fang{};
    Fortschritt fortschritt{};
    info.err = jpeg_std_error(&fang.basis);
    fang.basis.error_exit = fehlerAusgang;
    fang.basis.emit_message = meldungAusgeben;
    fortschritt.basis.progress_monitor = fortschrittPruefen;
    fortschritt.maxScans = maxScans;
    RGBBild neu;
    int breite = 0, hoehe = 0;
    const int ergebnis =
        dekodieren(info, fang, fortschritt, reinterpret_cast<const unsigned char*>(daten.data()),
                   static_cast<unsigned long>(daten.size()), maxKante, neu, breite, hoehe);
    jpeg_destroy_decompress(&info);
    if (ergebnis == 1) return Status::fehler(std::string("JPEG picture: ") + fang.meldung);
    if (ergebnis == 2) {
        return Status::fehler("JPEG picture: " + bildGroesseMeldung(breite, hoehe, maxKante));
    }
    neu.breite = breite;
    neu.hoehe = hoehe;
    bild = std::move(neu);
    return {};
}

}  // namespace gm

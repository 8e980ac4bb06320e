#pragma once
// JPEG files for the reader tests, encoded by libjpeg itself so that they do
// not come from the code under test.

#include <cstdint>
#include <cstdio>  // jpeglib.h needs FILE declared first
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace gm::test {

// Encodes a w x h picture given as rows of r, g, b bytes, top-down.
inline std::string jpeg(int w, int h, const std::vector<std::uint8_t>& rgb,
                        bool progressiv = false) {
    jpeg_compress_struct info{};
    jpeg_error_mgr fehler{};
    info.err = jpeg_std_error(&fehler);
    jpeg_create_compress(&info);
    unsigned char* puffer = nullptr;
    unsigned long laenge = 0;
    jpeg_mem_dest(&info, &puffer, &laenge);
    info.image_width = JDIMENSION(w);
    info.image_height = JDIMENSION(h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    if (progressiv) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW zeile = const_cast<std::uint8_t*>(rgb.data()) + info.next_scanline * w * 3;
        jpeg_write_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_compress(&info);
    std::string s(reinterpret_cast<char*>(puffer), laenge);
    jpeg_destroy_compress(&info);
    std::free(puffer);
    return s;
}

}  // namespace gm::test

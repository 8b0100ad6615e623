// Arbitrary pictures through the PNG encoder with every filter choice and
// level, compressed whole and streamed: whatever the encoder writes must
// decode to the picture's own pixels. The first bytes shape the picture:
// width, height, pixel format, filter choice and level, then the ways of
// compressing and of repeating rows; the rest are its pixel bytes, repeated
// as far as needed.
#include "imaging/picturecanvas.h"
#include "imaging/pngencoder_p.h"

#include <QImage>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t HeaderSize = 5;

const QImage::Format Formats[] = { QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
                                   QImage::Format_RGB888 };
const PngEncoder::FilterChoice Choices[] = { PngEncoder::FilterChoice::SubOrUp,     PngEncoder::FilterChoice::AnyOfFive,
                                             PngEncoder::FilterChoice::AnyOfFiveScreened,
                                             PngEncoder::FilterChoice::LeastEntropy,
                                             PngEncoder::FilterChoice::OnlyNone,    PngEncoder::FilterChoice::OnlySub,
                                             PngEncoder::FilterChoice::OnlyUp,      PngEncoder::FilterChoice::OnlyAverage,
                                             PngEncoder::FilterChoice::OnlyPaeth,   PngEncoder::FilterChoice::TrySeveral };

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < HeaderSize)
        return 0;
    const int width = 1 + data[0] % 160;
    const int height = 1 + data[1] % 48;
    const QImage::Format format = Formats[data[2] % std::size(Formats)];
    PngEncoder::Tuning tuning;
    tuning.filters = Choices[data[3] % std::size(Choices)];
    // BySize, ByBusyBytes and the levels 1 to 12.
    tuning.level = int(data[3] / std::size(Choices) % 14) - 1;
    const bool streamed = data[4] & 1;
    const bool repeatRows = data[4] & 2;

    QImage picture(width, height, QImage::Format_ARGB32);
    const uint8_t *pixels = data + HeaderSize;
    const size_t pixelBytes = size - HeaderSize;
    size_t at = 0;
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        if (repeatRows && y % 3 != 0) {
            std::memcpy(line, picture.constScanLine(y - 1), size_t(width) * 4);
            continue;
        }
        for (int x = 0; x < width; ++x) {
            uint8_t channel[4] = {};
            for (uint8_t &value : channel) {
                value = pixelBytes > 0 ? pixels[at % pixelBytes] : 0;
                ++at;
            }
            line[x] = qRgba(channel[0], channel[1], channel[2], channel[3]);
        }
    }
    picture = picture.convertToFormat(format);

    const QByteArray bytes = PngEncoder::encode(picture, tuning, streamed ? 0 : PngEncoder::DefaultWholeLimit);
    if (bytes.isEmpty())
        std::abort();
    const QImage back = QImage::fromData(bytes, "png").convertToFormat(QImage::Format_ARGB32);
    // Premultiplied pixels are divided back exactly, as the encoder does.
    if (back != PictureCanvas::straight(picture).convertToFormat(QImage::Format_ARGB32))
        std::abort();
    return 0;
}

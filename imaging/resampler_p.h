#ifndef LOOMWRIGHT_RESAMPLER_P_H
#define LOOMWRIGHT_RESAMPLER_P_H

#include <QImage>
#include <QSize>

// The arithmetic of the one scaler (PictureCanvas::scaled): portable integer
// code, no instruction chosen by the processor at run time, so that a picture
// scales to the same bytes on every machine.
//
// Every output pixel is a weighted mean of source pixels in premultiplied
// alpha: each source pixel counts with its alpha times its colour (16 bits,
// nothing lost), the sums are exact integers, and the result is rounded once,
// when it is written as straight alpha. So a nearly transparent pixel keeps
// its colour, where 8-bit premultiplied arithmetic would lose most of it.
//
// The weights are separable, one table per axis:
// - smaller: the exact area average. Each output pixel is the mean of the
//   source area under it, source pixels cut by its edges counting with the
//   part that they cover.
// - larger: bilinear interpolation between the two source pixels nearest to
//   the output pixel's centre (pixel centres aligned, edges repeated), with
//   weights in 256ths, so that its sums fit 32 bits.
// - fast transformation: the source pixel under the output pixel's centre.
// - the same size: each source pixel as it is.
class Resampler
{
public:
    // The bilinear weights are fractions of this.
    static constexpr quint32 InterpolationUnit = 256;

    // picture resampled to size (both sides positive): ARGB32 with straight
    // alpha when the picture has an alpha channel, RGB32 otherwise. picture
    // must be in one of the formats that readable() gives. A null image when
    // the memory for the result cannot be had.
    static QImage resampled(const QImage &picture, const QSize &size, Qt::TransformationMode mode);

    // picture in a format that resampled() reads directly: ARGB32, RGB32 and
    // ARGB32_Premultiplied come back unchanged; other formats are converted
    // to one of them (premultiplied formats to ARGB32_Premultiplied, other
    // formats with alpha to ARGB32, the rest to RGB32) without a round trip
    // through premultiplied 8-bit pixels.
    static QImage readable(const QImage &picture);

    // picture as straight-alpha ARGB32 when it has an alpha channel, else as
    // RGB32; premultiplied pixels are divided back exactly, rounding to the
    // nearest value (Qt's own conversion takes a shortcut whose rounding
    // depends on the processor). A fully transparent pixel is 0.
    static QImage straight(const QImage &picture);
};

#endif

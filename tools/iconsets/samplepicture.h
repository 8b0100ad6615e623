#ifndef LOOMWRIGHT_TOOLS_SAMPLEPICTURE_H
#define LOOMWRIGHT_TOOLS_SAMPLEPICTURE_H

#include <QImage>

constexpr int SamplePictureSide = 1024;

// The project's own sample app picture, SamplePictureSide pixels square. It has
// what the generators must cope with: gradients, hard and soft edges, fine
// detail that scaling must keep, transparent corners and a half-transparent
// shadow. Shapes and gradients only, so no window system is needed.
QImage paintSamplePicture();

#endif

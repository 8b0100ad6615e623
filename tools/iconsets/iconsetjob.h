#ifndef LOOMWRIGHT_TOOLS_ICONSETJOB_H
#define LOOMWRIGHT_TOOLS_ICONSETJOB_H

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QVector>

#include <functional>

class QObject;

// How a picture that is not square becomes the square that app icons are:
// padded with transparency (or the icon background), or cut to its middle.
enum class Squaring { Pad, Crop };

// What one run of the tool makes: the app icon and launch-image sets of the
// chosen platforms from one picture, each platform into a folder of its own
// under the output folder.
struct IconSetRequest
{
    QString picture;
    QString outputFolder;
    QStringList platforms;
    // Empty: each set's own default background.
    QString iconBackground;
    QString launchBackground;
    QString launchBackgroundImage;
    QString launchOverlayImage;
    // The launch images' icon; empty: the picture itself.
    QString launchIcon;
    // The installer's pictures, when they differ from the launch images'.
    QString installerBackgroundImage;
    QString installerOverlayImage;
    // The smallest PNG files, for a release: many times the time, the same
    // pixels.
    bool smallest = false;
    Squaring squaring = Squaring::Pad;
    // The icon background as a person asked for it: on the icons of every
    // platform, also of those whose generator reads no colour.
    bool iconBackgroundEverywhere = false;
    // What the app icons are made from, when prepareIconPictures() made it;
    // empty: the picture itself.
    QString iconPicture;
    QString iosIconPicture;
};

// One call of the facade: a platform's set, such as its app icon.
struct IconSetCall
{
    QString platform;
    QString label;
    std::function<bool(QObject *facade, const QString &folder)> run;
};

// Why a request's picture or output folder cannot serve, found before
// anything is written. Each front end words it in its own voice.
enum class InputFault {
    None,
    Missing,      // no picture at the path
    IsFolder,     // a folder where a picture is expected
    Unreadable,   // no picture that can be read (reason: why, for people)
    IsFile,       // a file where the output folder is expected
    CannotCreate, // the output folder cannot be made
    CannotWrite,  // the output folder takes no files (reason: the system's words)
};

struct InputCheck
{
    InputFault fault = InputFault::None;
    QString reason;
    // The picture's size, when it is one.
    QSize size;
    // The picture decoded whole, so that the caller need not decode it again.
    QImage picture;
};

namespace IconSetJob {

// The largest icon of any set (macOS and iOS): a smaller picture is scaled up.
constexpr int LargestIcon = 1024;

// A picture file that the sets can be made from: a regular file, decoded
// whole by the plugin's loader and its rules. A header that reads says
// nothing of the pixels behind it, and a picture that the generators refuse
// once the first sets are written would leave a mix of new and old files.
InputCheck checkPicture(const QString &path);

// A folder that takes the sets: made when it is missing, and tried with a
// file, so that a run never stops half-way for want of a folder.
InputCheck checkOutputFolder(const QString &folder, const QString &probeName);

// Every platform in the order the sets are made.
QStringList knownPlatforms();

// Makes in folder what the app icons need where the picture itself will not
// do, and names it in the request: a square of a picture that is not one; a
// picture flattened onto the icon background when every platform is to have
// it; and for iOS always an opaque picture, on white when no background is
// given, as the App Store refuses icons with transparency (said in
// warnings). False, with problem, when a picture cannot be made or written.
// picture is the request's picture, decoded.
bool prepareIconPictures(IconSetRequest *request, const QImage &picture, const QString &folder, QStringList *warnings,
                         QString *problem);

// The calls that make the requested sets, platform by platform.
QVector<IconSetCall> calls(const IconSetRequest &request);

// The folder of a platform's sets.
QString platformFolder(const IconSetRequest &request, const QString &platform);

}

#endif

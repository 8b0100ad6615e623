#ifndef LOOMWRIGHT_EXAMPLES_ICONSETJOB_H
#define LOOMWRIGHT_EXAMPLES_ICONSETJOB_H

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QVector>

#include <functional>

class QObject;

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
};

// One call of the facade: a platform's set, such as its app icon.
struct IconSetCall
{
    QString platform;
    QString label;
    std::function<bool(QObject *facade, const QString &folder)> run;
};

namespace IconSetJob {

// Every platform in the order the sets are made.
QStringList knownPlatforms();

// The calls that make the requested sets, platform by platform.
QVector<IconSetCall> calls(const IconSetRequest &request);

// The folder of a platform's sets.
QString platformFolder(const IconSetRequest &request, const QString &platform);

}

#endif

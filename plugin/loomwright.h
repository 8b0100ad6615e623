#ifndef LOOMWRIGHT_LOOMWRIGHT_H
#define LOOMWRIGHT_LOOMWRIGHT_H

#include "utility/hostkitobject.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class AppProcess;
class SharedData;
class SynchronousProcess;

// The QML singleton "Loomwright": runs programs, makes pictures and gives
// access to the process-wide shared data object.
class Loomwright : public HostkitObject
{
    Q_OBJECT
    Q_PROPERTY(SharedData *sharedData READ sharedData CONSTANT)

public:
    enum AspectRatioMode {
        IgnoreAspectRatio = Qt::IgnoreAspectRatio,
        KeepAspectRatio = Qt::KeepAspectRatio,
        KeepAspectRatioByExpanding = Qt::KeepAspectRatioByExpanding,
    };
    Q_ENUM(AspectRatioMode)

    enum TransformationMode {
        FastTransformation = Qt::FastTransformation,
        SmoothTransformation = Qt::SmoothTransformation,
    };
    Q_ENUM(TransformationMode)

    explicit Loomwright(QObject *parent = nullptr);
    ~Loomwright() override;

    SharedData *sharedData();

    Q_INVOKABLE AppProcess *run(const QString &command, const QStringList &arguments = QStringList());
    Q_INVOKABLE SynchronousProcess *runSynchronous(const QString &command,
                                                   const QStringList &arguments = QStringList(),
                                                   const QString &standardInput = QString());
    Q_INVOKABLE qulonglong runDetached(const QString &command,
                                       const QStringList &arguments = QStringList(),
                                       const QString &workingDirectory = QString());

    Q_INVOKABLE bool copyImage(const QString &sourcePath,
                               const QString &targetPath,
                               int width = 0,
                               int height = 0,
                               const QColor &fillColor = QColor(Qt::white),
                               const QString &format = QString(),
                               int quality = -1,
                               AspectRatioMode aspectRatioMode = KeepAspectRatio,
                               TransformationMode transformationMode = SmoothTransformation);
    Q_INVOKABLE bool createAdaptiveIconBackgroundMipMapAsset(const QString &sourcePath, const QString &targetPath);
    Q_INVOKABLE bool createAppIcon(const QString &os,
                                   const QString &sourcePath,
                                   const QString &targetPath,
                                   const QVariantMap &options = QVariantMap());
    Q_INVOKABLE bool createLaunchImage(const QString &os, const QString &targetPath, const QVariantMap &options);
};

#endif

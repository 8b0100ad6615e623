#ifndef LOOMWRIGHT_EXAMPLES_ICONSETGENERATOR_H
#define LOOMWRIGHT_EXAMPLES_ICONSETGENERATOR_H

#include "tools/iconsets/iconsetjob.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>
#include <QVariantMap>
#include <QVector>

#include <memory>

// The sample tool's side of the main job, for its QML (context name
// `iconSets`): the same calls of the facade that loomwright-iconsets makes
// (IconSetJob), checked before anything is written and run one at a time,
// so that the window can show its progress between them; and the listing
// of what they wrote.
//
// A request is a map with the members of IconSetRequest that the window
// offers: picture, outputFolder, platforms (a list), iconBackground and
// launchBackground (colour names; empty for each set's default).
class IconSetGenerator : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList platforms READ platforms CONSTANT)
    Q_PROPERTY(QString defaultOutputFolder READ defaultOutputFolder CONSTANT)

public:
    explicit IconSetGenerator(QObject *parent = nullptr);
    ~IconSetGenerator() override;

    QStringList platforms() const;
    QString defaultOutputFolder() const;

    // Checks a request and prepares its calls, in one pass: { problem: why
    // nothing can be made (empty when the request is good), warnings: [what
    // will look worse than the picture, e.g. scaled up], steps: the calls,
    // [{ platform, label }] in order, empty when there is a problem }. A
    // missing output folder is made; nothing else is written.
    Q_INVOKABLE QVariantMap prepare(const QVariantMap &request);

    // Runs call `index` of the prepared request through `facade` (the
    // Loomwright singleton); false when it failed or there is no such call.
    Q_INVOKABLE bool run(int index, QObject *facade);

    // The files that the platforms' folders below `outputFolder` hold,
    // sorted by their path: [{ path, url, name (relative to the output
    // folder), fileName, folder (of name), platform, bytes, width, height
    // (of the largest picture in the file; 0 for no picture), pictures (how
    // many the file holds: an icon container has several), previewUrl (the
    // largest picture as a file that an Image shows) }].
    Q_INVOKABLE QVariantList outputFiles(const QString &outputFolder, const QStringList &platforms) const;

    // Whether the generators take `text` as a colour (a name such as white,
    // or #rgb, #rrggbb, #aarrggbb).
    Q_INVOKABLE bool isColour(const QString &text) const;

    // The project's sample picture, painted once into a folder of this
    // object's own; empty when it cannot be written.
    Q_INVOKABLE QString samplePicture();

private:
    IconSetRequest requestOf(const QVariantMap &map) const;
    // { problem, warnings } of prepare().
    QVariantMap check(const IconSetRequest &request, const QStringList &platformNames) const;
    QString ownFolder() const;

    IconSetRequest m_request;
    QVector<IconSetCall> m_calls;
    // The sample picture and the previews of icon containers.
    mutable std::unique_ptr<QTemporaryDir> m_ownFolder;
    mutable int m_previewCount = 0;
};

#endif

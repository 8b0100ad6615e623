#ifndef LOOMWRIGHT_QMLFACINGOBJECT_H
#define LOOMWRIGHT_QMLFACINGOBJECT_H

#include <QObject>

// Common base of the objects that the plugin hands to QML: the facade and
// the process types. QML knows it by the name "HostkitObject", which the
// suite's tools may rely on.
class QmlFacingObject : public QObject
{
    Q_OBJECT

public:
    explicit QmlFacingObject(QObject *parent = nullptr);
    ~QmlFacingObject() override;
};

#endif

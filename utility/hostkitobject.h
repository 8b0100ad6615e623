#ifndef LOOMWRIGHT_HOSTKITOBJECT_H
#define LOOMWRIGHT_HOSTKITOBJECT_H

#include <QObject>

// Common base of the objects that the plugin hands to QML: the facade and
// the process types. It carries the name QML knows it by, which the suite's
// tools may rely on.
class HostkitObject : public QObject
{
    Q_OBJECT

public:
    explicit HostkitObject(QObject *parent = nullptr);
    ~HostkitObject() override;
};

#endif
